// The window's core: its seams, the record display and the general error report.
#include "app/tfrmquorvane.h"

#include "astorb/error.h"
#include "text/cp1252.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStandardPaths>

#include <utility>

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
    figureDialog_ = {QStringLiteral("Save family figure"),
                     QStringLiteral("SVG image"),
                     QStringLiteral("*.svg"),
                     {},
                     {},
                     {},
                     QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)};
    CreateControls();
    ConnectParameterBoxes();
}

TfrmQuorvane::~TfrmQuorvane() = default;

void TfrmQuorvane::scbBrowserChange(int position) {
    Guarded([&] {
        CommandResult result = model_.Browse(position);
        Present(result);
    });
}

QLabel* TfrmQuorvane::ValueLabelWidget(ValueLabel label) const {
    return valueLabels[static_cast<std::size_t>(label)];
}

std::optional<ValueLabel> TfrmQuorvane::ValueLabelOf(const QLabel* widget) const {
    for (std::size_t k = 0; k < valueLabels.size(); ++k) {
        if (widget != nullptr && valueLabels[k] == widget) {
            return static_cast<ValueLabel>(k);
        }
    }
    return std::nullopt;
}

void TfrmQuorvane::ConnectParameterBoxes() {
    const std::pair<QLineEdit*, Parameter> boxes[] = {
        {edtDiameter, Parameter::Diameter},
        {edtAlbedo, Parameter::Albedo},
        {edtDensity, Parameter::Density},
    };
    for (const auto& [box, parameter] : boxes) {
        model_.SetParameterText(parameter, ToCp1252(box->text()));
        connect(box, &QLineEdit::textChanged, this, [this, parameter](const QString& text) {
            model_.SetParameterText(parameter, ToCp1252(text));
        });
    }
}

void TfrmQuorvane::ShowModel() {
    const BrowserState& browser = model_.Browser();
    {
        // The browser is put where the model stands: no move of its own to show.
        const QSignalBlocker quiet(scbBrowser);
        scbBrowser->setRange(0, browser.maximum);
        scbBrowser->setPageStep(browser.pageStep);
        scbBrowser->setValue(browser.position);
    }
    scbBrowser->setEnabled(browser.enabled);
    const RecordDisplay& display = model_.Display();
    for (const ValueLabelInfo& info : kValueLabels) {
        QLabel* widget = ValueLabelWidget(info.label);
        const QString text =
            info.label == ValueLabel::NameUnicode
                ? QString::fromUtf16(display.nameUnicode.data(),
                                     static_cast<qsizetype>(display.nameUnicode.size()))
                : FromCp1252(display.Value(info.label));
        if (widget->text() != text) {
            widget->setText(text);
            AutoSize(widget);
        }
    }
    const ParameterTexts& parameters = model_.Parameters();
    const std::pair<QLineEdit*, const std::string*> boxes[] = {
        {edtDiameter, &parameters.diameter},
        {edtAlbedo, &parameters.albedo},
        {edtDensity, &parameters.density},
    };
    for (const auto& [box, text] : boxes) {
        if (const QString shown = FromCp1252(*text); box->text() != shown) {
            box->setText(shown);
        }
    }
    for (QPushButton* button : {btnWikiFR, btnWikiEN, btnFamily, btnSpecial}) {
        button->setEnabled(model_.RecordCommandsEnabled());
    }
    btnFigure->setEnabled(model_.LastFamily().has_value());
    mnuFindAgain->setEnabled(model_.Search().AgainEnabled);
    mnuFindAgainBackward->setEnabled(model_.Search().AgainEnabled);
    FitToControls();
}

void TfrmQuorvane::Present(CommandResult& result) {
    ShowModel();
    result.RaiseError();
    if (result.clipboard) {
        TakeList(std::move(*result.clipboard));
    }
    if (result.unicodeClipboard) {
        SetUnicodeText(*result.unicodeClipboard);
    }
    if (!result.message.empty()) {
        Inform(result.message);
    }
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
