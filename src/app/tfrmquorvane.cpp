// The window's core: its seams, the record display and the general error report.
#include "app/tfrmquorvane.h"

#include "astorb/error.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

namespace quorvane::app {

TfrmQuorvane::TfrmQuorvane(const WindowSeams& seams, QWidget* parent)
    : QWidget(parent), seams_(seams) {
    if (seams_.fileDialogs == nullptr) {
        ownFileDialogs_ = std::make_unique<QtFileDialogs>();
        seams_.fileDialogs = ownFileDialogs_.get();
    }
    if (seams_.messageBoxes == nullptr) {
        ownMessageBoxes_ = std::make_unique<QtMessageBoxes>();
        seams_.messageBoxes = ownMessageBoxes_.get();
    }
    if (seams_.textPrompt == nullptr) {
        ownTextPrompt_ = std::make_unique<QtTextPrompt>();
        seams_.textPrompt = ownTextPrompt_.get();
    }
    if (seams_.progressDialogs == nullptr) {
        ownProgressDialogs_ = std::make_unique<QtProgressDialogs>();
        seams_.progressDialogs = ownProgressDialogs_.get();
    }
    astOrbDialog_ = {QStringLiteral("Browse for AstOrb.dat"),
                     QStringLiteral("AstOrb.dat"),
                     QStringLiteral("*.dat *.dat.gz"),
                     {},
                     {}};
    diacriticalsDialog_ = {QStringLiteral("Browse for Diacriticals.txt"),
                           QStringLiteral("Diacriticals.txt"),
                           QStringLiteral("*.txt"),
                           {},
                           {}};
    CreateControls();
}

TfrmQuorvane::~TfrmQuorvane() = default;

void TfrmQuorvane::scbBrowserChange(int position) {
    try {
        ShowRecord(database_, Names(), position, *this);
        FitToControls();
    } catch (...) {
        if (browserChanging_) {
            displayError_ = std::current_exception();
        } else {
            ReportCurrentError();
        }
    }
}

QLabel* TfrmQuorvane::ValueLabelWidget(ValueLabel label) const {
    return valueLabels[static_cast<std::size_t>(label)];
}

void TfrmQuorvane::SetValueText(ValueLabel label, const std::string& cp1252) {
    QLabel* widget = ValueLabelWidget(label);
    widget->setText(FromCp1252(cp1252));
    AutoSize(widget);
}

void TfrmQuorvane::SetNameUnicode(const std::u16string& text) {
    lblNameUnicodeVal->setText(
        QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
    AutoSize(lblNameUnicodeVal);
}

void TfrmQuorvane::SetDiameterBox(const std::string& cp1252) {
    edtDiameter->setText(FromCp1252(cp1252));
}

void TfrmQuorvane::ShowPopupMenu(QLabel* label, const QPoint& globalPosition) {
    popupComponent_ = label;
    mnuPopup->popup(globalPosition);
}

void TfrmQuorvane::ReportCurrentError() {
    QString text;
    try {
        throw;
    } catch (const std::exception& e) {
        text = QString::fromUtf8(ReportText(e.what()).c_str());
    } catch (...) {
        text = QStringLiteral("Exception inconnue.");
    }
    seams_.messageBoxes->ShowError(this, text);
}

} // namespace quorvane::app
