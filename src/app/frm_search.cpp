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

SearchContext TfrmQuorvane::MakeSearchContext() {
    return {database_, Names(), Range(), chkNumbered->isChecked()};
}

void TfrmQuorvane::RunFindNext(FindDirection direction) {
    if (!search_.AgainEnabled) {
        return;
    }
    const OverrideCursorScope wait;
    const SearchOutcome outcome = direction == FindDirection::Backward
                                      ? FindPrevious(search_, MakeSearchContext())
                                      : FindNext(search_, MakeSearchContext());
    if (outcome == SearchOutcome::Found) {
        MoveBrowser(search_.SearchPosition);
    } else if (outcome == SearchOutcome::NotFound) {
        Inform(std::string(kNoMoreOccurrences));
    }
}

void TfrmQuorvane::ShowSearchState() {
    mnuFindAgain->setEnabled(search_.AgainEnabled);
    mnuFindAgainBackward->setEnabled(search_.AgainEnabled);
}

void TfrmQuorvane::mnuPopupPopup() {
    SearchMenuOpening(search_);
    ShowSearchState();
}

void TfrmQuorvane::actCopyExecute() {
    Guarded([this] {
        if (popupComponent_ == nullptr) {
            return;
        }
        if (popupComponent_ == lblNameUnicodeVal) {
            SetUnicodeText(UnicodeLabelCopyText(ToU16(popupComponent_->text())));
        } else {
            SetUnicodeText(LabelCopyText(ToCp1252(popupComponent_->text())));
        }
    });
}

void TfrmQuorvane::actFindExecute() {
    Guarded([this] {
        if (popupComponent_ == nullptr) {
            return;
        }
        const auto label = ValueLabelFromObjectName(popupComponent_->objectName().toStdString());
        if (!label) {
            return;
        }
        struct Mirror {
            TfrmQuorvane* window;
            ~Mirror() { window->ShowSearchState(); }
        } mirror{this};
        QString text = FromU16(search_.SearchText);
        if (!seams_.textPrompt->Ask(this, FromU16(SearchPromptCaption(*label)),
                                    QStringLiteral("What?"), text)) {
            return;
        }
        if (AcceptFindText(search_, *label, ToU16(text))) {
            RunFindNext(FindDirection::Forward);
        }
    });
}

void TfrmQuorvane::actFindAgainExecute() {
    Guarded([this] {
        search_.AgainEnabled = mnuFindAgain->isEnabled();
        RunFindNext(FindDirection::Forward);
    });
}

void TfrmQuorvane::actFindAgainBackwardExecute() {
    Guarded([this] {
        search_.AgainEnabled = mnuFindAgainBackward->isEnabled();
        RunFindNext(FindDirection::Backward);
    });
}

} // namespace quorvane::app
