// The popup menu of the value labels: copy, Find, and the again commands (F3, Shift+F3 and a
// click on the window's background).
#include "app/tfrmquorvane.h"

#include <QAction>

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
    return {database_, Names(), *this, *this, *this, *this};
}

void TfrmQuorvane::ShowSearchState() {
    mnuFindAgain->setEnabled(search_.AgainEnabled);
    mnuFindAgainBackward->setEnabled(search_.AgainEnabled);
}

bool TfrmQuorvane::Ask(const std::u16string& caption, const std::u16string& prompt,
                       std::u16string& text) {
    QString answer = FromU16(text);
    if (!seams_.textPrompt->Ask(this, FromU16(caption), FromU16(prompt), answer)) {
        return false;
    }
    text = ToU16(answer);
    return true;
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
            CopyUnicodeLabelCaption(ToU16(popupComponent_->text()), *this);
        } else {
            CopyLabelCaption(ToCp1252(popupComponent_->text()), *this);
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
        const SearchContext context = MakeSearchContext();
        struct Mirror {
            TfrmQuorvane* window;
            ~Mirror() { window->ShowSearchState(); }
        } mirror{this};
        FindInLabel(search_, *label, *this, context);
    });
}

void TfrmQuorvane::actFindAgainExecute() {
    Guarded([this] {
        search_.AgainEnabled = mnuFindAgain->isEnabled();
        FindNext(search_, MakeSearchContext());
    });
}

void TfrmQuorvane::actFindAgainBackwardExecute() {
    Guarded([this] {
        search_.AgainEnabled = mnuFindAgainBackward->isEnabled();
        FindPrevious(search_, MakeSearchContext());
    });
}

} // namespace quorvane::app
