// The command buttons: the two infoboxes with their parameter boxes, and the whole-database
// scans (orbit-type list, family, names, highest inclination), each a command of the model whose
// result the window presents, under the wait cursor.
#include "app/command_scopes.h"
#include "app/tfrmquorvane.h"

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

void TfrmQuorvane::btnWikiFRClick(InfoboxLanguage language) {
    if (scanRunning_) {
        return;
    }
    Guarded([&] {
        CommandResult result = model_.Infobox(language);
        Present(result);
    });
}

void TfrmQuorvane::edtDiameterExit() {
    Guarded([this] {
        model_.LeaveParameter(Parameter::Diameter);
        ShowModel();
    });
}

void TfrmQuorvane::edtAlbedoExit() {
    Guarded([this] {
        model_.LeaveParameter(Parameter::Albedo);
        ShowModel();
    });
}

void TfrmQuorvane::edtDensityExit() {
    Guarded([this] {
        model_.LeaveParameter(Parameter::Density);
        ShowModel();
    });
}

void TfrmQuorvane::btnSpecialClick() {
    RunScan([this] {
        const OverrideCursorScope wait;
        CommandResult result = model_.OrbitTypeList(
            rgpPlanetItems->checkedId(), rgpTypeItems->checkedId(), chkNumbered->isChecked());
        Present(result);
    });
}

void TfrmQuorvane::rgpTypeClick(int index) {
    rgpPlanet->setEnabled(PlanetGroupEnabled(index));
}

void TfrmQuorvane::btnFamilyClick() {
    RunScan([this] {
        const OverrideCursorScope wait;
        // Read again for every pass: the messages that ran before the question may have changed
        // them.
        const auto controls = [this] {
            return FamilyControls{scrTolerance->value(), chkNumbered->isChecked()};
        };
        CommandResult result = model_.Family(
            controls(), [&](const CommandResult& pass) -> std::optional<FamilyControls> {
                ShowModel();
                QCoreApplication::processEvents();
                if (!AskYesNo(pass.message)) {
                    return std::nullopt;
                }
                return controls();
            });
        Present(result);
    });
}

void TfrmQuorvane::scrToleranceChange(int position) {
    lblTolerance->setText(QStringLiteral("&Tolerance (m/s): %1").arg(position));
    AutoSize(lblTolerance);
}

void TfrmQuorvane::btnExtractNamesClick() {
    RunScan([this] {
        const OverrideCursorScope wait;
        const WindowDisabledScope disabled(this);
        // The list offers to let messages run after every record; doing it every few
        // milliseconds keeps the window just as alive without spending the scan on empty queues.
        std::int64_t lastRun = 0;
        CommandResult result = model_.ExtractNames([&lastRun] {
            const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
            if (now - lastRun >= 15) {
                lastRun = now;
                QCoreApplication::processEvents();
            }
        });
        Present(result);
    });
}

void TfrmQuorvane::Button1Click() {
    RunScan([this] {
        CommandResult result = model_.HighestInclination(chkNumbered->isChecked());
        Present(result);
    });
}

// Where results land: the messages and the clipboard.

void TfrmQuorvane::Inform(const std::string& text) {
    seams_.messageBoxes->Inform(this, ToQString(text));
}

bool TfrmQuorvane::AskYesNo(const std::string& text) {
    return seams_.messageBoxes->AskYesNo(this, ToQString(text));
}

void TfrmQuorvane::TakeList(ListText&& list) {
    // Decoded piece by piece straight into the clipboard's text: a list of the whole catalogue
    // is never held in one piece of bytes as well. The bytes are the contract; the clipboard
    // gets them decoded, so that é, ° and ³ paste.
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
