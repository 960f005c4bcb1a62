// The command buttons: the two infoboxes with their parameter boxes, and the whole-database
// scans (orbit-type list, family, names, highest inclination).
#include "app/tfrmquorvane.h"

#include "infobox/infobox.h"
#include "lists/inclination.h"
#include "lists/names.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QScrollBar>

namespace quorvane::app {

namespace {

// An edit box as the infobox's readers see it.
class LineEditBox : public ParameterBox {
public:
    explicit LineEditBox(QLineEdit* edit) : edit_(edit) {}
    std::string Text() const override { return ToCp1252(edit_->text()); }
    void SetText(const std::string& cp1252) override { edit_->setText(FromCp1252(cp1252)); }

private:
    QLineEdit* edit_;
};

} // namespace

int TfrmQuorvane::PlanetIndex() const {
    return rgpPlanetItems->checkedId();
}

int TfrmQuorvane::TypeIndex() const {
    return rgpTypeItems->checkedId();
}

int TfrmQuorvane::Tolerance() const {
    return scrTolerance->value();
}

ScanPorts TfrmQuorvane::MakeScanPorts() {
    return {database_, *this, *this, *this, *this, *this, *this, *this, *this};
}

template <typename F> void TfrmQuorvane::RunScan(F&& scan) {
    if (scanRunning_) {
        return;
    }
    Guarded([&] {
        struct Running {
            TfrmQuorvane* window;
            explicit Running(TfrmQuorvane* w) : window(w) { window->scanRunning_ = true; }
            ~Running() {
                window->scanRunning_ = false;
                window->throttleEvents_ = false;
                window->FlushDisplay();
            }
        } running(this);
        scan();
    });
}

void TfrmQuorvane::btnWikiFRClick() {
    if (scanRunning_) {
        return;
    }
    const std::string buttonName =
        sender() != nullptr ? sender()->objectName().toStdString() : std::string("btnWikiFR");
    Guarded([&] {
        LineEditBox diameter(edtDiameter);
        LineEditBox albedo(edtAlbedo);
        LineEditBox density(edtDensity);
        ParameterBoxes boxes{diameter, albedo, density,
                             ToCp1252(ValueLabelWidget(ValueLabel::Diam)->text())};
        CopyInfobox(database_, Names(), scbBrowser->value(), buttonName, boxes, *this);
    });
}

void TfrmQuorvane::edtDiameterExit() {
    Guarded([this] {
        LineEditBox box(edtDiameter);
        DiameterParameter(box, ToCp1252(ValueLabelWidget(ValueLabel::Diam)->text()));
    });
}

void TfrmQuorvane::edtAlbedoExit() {
    Guarded([this] {
        LineEditBox box(edtAlbedo);
        AlbedoParameter(box);
    });
}

void TfrmQuorvane::edtDensityExit() {
    Guarded([this] {
        LineEditBox box(edtDensity);
        DensityParameter(box);
    });
}

void TfrmQuorvane::btnSpecialClick() {
    RunScan([this] { ExtractOrbitTypeList(MakeScanPorts(), *this); });
}

void TfrmQuorvane::rgpTypeClick(int index) {
    rgpPlanet->setEnabled(PlanetGroupEnabled(index));
}

void TfrmQuorvane::btnFamilyClick() {
    RunScan([this] { ExtractFamily(MakeScanPorts(), *this); });
}

void TfrmQuorvane::scrToleranceChange(int position) {
    lblTolerance->setText(FromCp1252(ToleranceCaption(position)));
    lblTolerance->resize(std::max(3, lblTolerance->sizeHint().width()), lblTolerance->height());
}

void TfrmQuorvane::btnExtractNamesClick() {
    RunScan([this] {
        throttleEvents_ = true;
        ExtractNames(MakeScanPorts());
    });
}

void TfrmQuorvane::Button1Click() {
    RunScan([this] { ScanHighestInclination(MakeScanPorts()); });
}

} // namespace quorvane::app
