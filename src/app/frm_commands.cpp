// The command buttons: the two infoboxes with their parameter boxes, and the whole-database
// scans (orbit-type list, family, names, highest inclination) with their outcomes applied to the
// browser, the clipboard and the messages, under the wait cursor.
#include "app/command_scopes.h"
#include "app/tfrmquorvane.h"

#include "infobox/infobox.h"
#include "lists/family.h"
#include "lists/inclination.h"
#include "lists/names.h"
#include "lists/orbit_type.h"
#include "text/cp1252.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QGroupBox>
#include <QLineEdit>
#include <QScrollBar>

#include <utility>

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

BrowserRange TfrmQuorvane::Range() const {
    return {scbBrowser->value(), scbBrowser->minimum(), scbBrowser->maximum()};
}

template <typename F> void TfrmQuorvane::RunScan(F&& scan) {
    if (scanRunning_) {
        return;
    }
    Guarded([&] {
        struct Running {
            bool& running;
            explicit Running(bool& flag) : running(flag) { running = true; }
            ~Running() { running = false; }
        } running(scanRunning_);
        scan();
    });
}

bool TfrmQuorvane::ApplyMoves(const ScanOutcome& outcome) {
    for (const int move : outcome.moves) {
        MoveBrowser(move);
    }
    PutBackLastRead(database_, outcome);
    if (outcome.error) {
        std::rethrow_exception(outcome.error);
    }
    return outcome.end == ScanEnd::Finished;
}

void TfrmQuorvane::ApplyOutcome(ScanOutcome& outcome) {
    ApplyMoves(outcome);
    if (outcome.clipboard) {
        TakeList(std::move(*outcome.clipboard));
    }
    if (!outcome.message.empty()) {
        Inform(outcome.message);
    }
}

void TfrmQuorvane::btnWikiFRClick(InfoboxLanguage language) {
    if (scanRunning_) {
        return;
    }
    Guarded([&] {
        LineEditBox diameter(edtDiameter);
        LineEditBox albedo(edtAlbedo);
        LineEditBox density(edtDensity);
        ParameterBoxes boxes{diameter, albedo, density,
                             ToCp1252(ValueLabelWidget(ValueLabel::Diam)->text())};
        if (const std::optional<std::string> text =
                BuildInfobox(database_, Names(), scbBrowser->value(), language, boxes)) {
            SetText(*text);
        }
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
    RunScan([this] {
        const OverrideCursorScope wait;
        const OrbitTypeControls controls{rgpPlanetItems->checkedId(), rgpTypeItems->checkedId(),
                                         chkNumbered->isChecked(), Range()};
        ScanOutcome outcome = ExtractOrbitTypeList(database_, Names(), controls);
        ApplyOutcome(outcome);
    });
}

void TfrmQuorvane::rgpTypeClick(int index) {
    rgpPlanet->setEnabled(PlanetGroupEnabled(index));
}

void TfrmQuorvane::btnFamilyClick() {
    RunScan([this] {
        const OverrideCursorScope wait;
        FamilySearch search(database_, scbBrowser->value());
        const ScanOutcome start = search.Start(Names(), scrTolerance->value());
        if (!ApplyMoves(start)) {
            return;
        }
        for (bool again = true; again;) {
            // Read again for every pass: the messages that ran before the question may have
            // changed them.
            const FamilyPassControls controls{scrTolerance->value(), chkNumbered->isChecked(),
                                              Range(), Names()};
            const ScanOutcome pass = search.RunPass(controls);
            if (!ApplyMoves(pass)) {
                return;
            }
            QCoreApplication::processEvents();
            again = AskYesNo(pass.message);
        }
        ScanOutcome done = search.Finish();
        ApplyOutcome(done);
    });
}

void TfrmQuorvane::scrToleranceChange(int position) {
    lblTolerance->setText(FromCp1252(ToleranceCaption(position)));
    AutoSize(lblTolerance);
}

void TfrmQuorvane::btnExtractNamesClick() {
    RunScan([this] {
        const OverrideCursorScope wait;
        const WindowDisabledScope disabled(this);
        // The list offers to let messages run after every record; doing it every few
        // milliseconds keeps the window just as alive without spending the scan on empty queues.
        std::int64_t lastRun = 0;
        const auto letMessagesRun = [this, &lastRun] {
            const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
            if (now - lastRun >= 15) {
                lastRun = now;
                QCoreApplication::processEvents();
            }
            return Names();
        };
        ScanOutcome outcome = ExtractNames(database_, Names(), Range(), letMessagesRun);
        ApplyOutcome(outcome);
    });
}

void TfrmQuorvane::Button1Click() {
    RunScan([this] {
        ScanOutcome outcome = ScanHighestInclination(database_, Range(), chkNumbered->isChecked());
        ApplyOutcome(outcome);
    });
}

// Where outcomes land: the browser, the messages and the clipboard.

void TfrmQuorvane::MoveBrowser(int position) {
    ChangeBrowser([&] { scbBrowser->setValue(position); });
}

void TfrmQuorvane::Inform(const std::string& text) {
    seams_.messageBoxes->Inform(this, ToQString(text));
}

bool TfrmQuorvane::AskYesNo(const std::string& text) {
    return seams_.messageBoxes->AskYesNo(this, ToQString(text));
}

void TfrmQuorvane::SetText(const std::string& cp1252) {
    // The bytes are the contract; the clipboard gets them decoded, so that é, ° and ³ paste.
    QApplication::clipboard()->setText(FromCp1252(cp1252));
}

void TfrmQuorvane::TakeList(ListText&& list) {
    // Decoded piece by piece straight into the clipboard's text: a list of the whole catalogue
    // is never held in one piece of bytes as well.
    QString text(static_cast<qsizetype>(list.size()), Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    list.ForEachPiece([&out](std::string_view piece) {
        Cp1252ToUtf16(piece, out);
        out += piece.size();
    });
    QApplication::clipboard()->setText(text);
}

void TfrmQuorvane::SetUnicodeText(const std::u16string& text) {
    QApplication::clipboard()->setText(
        QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace quorvane::app
