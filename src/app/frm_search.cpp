// The popup menu of the value labels: copy, Find, and the again commands (F3, Shift+F3 and a
// click on the window's background).
#include "app/command_scopes.h"
#include "app/tfrmquorvane.h"

#include <QAction>
#include <QCheckBox>

namespace quorvane::app {

namespace {

std::u16string ToU16(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

QString FromU16(const std::u16string& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void TfrmQuorvane::RunFindNext(Model::Direction direction) {
    if (!model_.Search().AgainEnabled) {
        return;
    }
    const OverrideCursorScope wait;
    CommandResult result = model_.FindAgain(direction, chkNumbered->isChecked());
    Present(result);
}

void TfrmQuorvane::mnuPopupPopup() {
    model_.SearchMenuOpening();
    ShowModel();
}

void TfrmQuorvane::actCopyExecute() {
    Guarded([this] {
        if (const std::optional<ValueLabel> label = ValueLabelOf(popupComponent_)) {
            CommandResult result = model_.Copy(*label);
            Present(result);
        }
    });
}

void TfrmQuorvane::actFindExecute() {
    Guarded([this] {
        const std::optional<ValueLabel> label = ValueLabelOf(popupComponent_);
        if (!label) {
            return;
        }
        struct Mirror {
            TfrmQuorvane* window;
            ~Mirror() { window->ShowModel(); }
        } mirror{this};
        QString text = FromU16(model_.Search().SearchText);
        if (!seams_.textPrompt->Ask(this, FromU16(model_.FindPromptCaption(*label)),
                                    QStringLiteral("What?"), text)) {
            return;
        }
        if (model_.AcceptFind(*label, ToU16(text))) {
            RunFindNext(Model::Direction::Forwards);
        }
    });
}

void TfrmQuorvane::actFindAgainExecute() {
    Guarded([this] { RunFindNext(Model::Direction::Forwards); });
}

void TfrmQuorvane::actFindAgainBackwardExecute() {
    Guarded([this] { RunFindNext(Model::Direction::Backwards); });
}

} // namespace quorvane::app
