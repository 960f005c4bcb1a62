// "Figure (&W)...": the figure of the family found last, previewed in a dialog of the window's
// that redraws it in the language chosen, saves its SVG and copies it as an image.
#include "app/command_scopes.h"
#include "app/figure_image.h"
#include "app/figure_preview.h"
#include "app/file_bytes.h"
#include "app/tfrmquorvane.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>

#include <optional>
#include <string>

namespace quorvane::app {

namespace {

QByteArray Bytes(const std::string& svg) {
    return QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
}

} // namespace

void TfrmQuorvane::btnFigureClick() {
    RunScan([this] {
        std::optional<std::string> svg;
        {
            // The first figure of a family scans the whole database.
            const OverrideCursorScope wait;
            svg = model_.FamilyFigure(FigureLanguage::English);
        }
        ShowModel();
        if (!svg) {
            Inform("The figure cannot be drawn: the record of the family's asteroid cannot be "
                   "read.");
            return;
        }
        auto* preview = new FigurePreview(this);
        preview->setAttribute(Qt::WA_DeleteOnClose);
        connect(
            preview, &FigurePreview::languageChosen, this,
            [this, preview](FigureLanguage language) { FigureLanguageChosen(preview, language); });
        connect(preview, &FigurePreview::saveClicked, this,
                [this, preview] { FigureSave(preview); });
        connect(preview, &FigurePreview::copyClicked, this,
                [this, preview] { FigureCopy(preview); });
        preview->ShowFigure(FigureLanguage::English, Bytes(*svg));
        // Modal for the window, without a loop of its own: the window's family stays the one
        // shown while it is open.
        preview->open();
    });
}

void TfrmQuorvane::FigureLanguageChosen(FigurePreview* preview, FigureLanguage language) {
    Guarded([&] {
        if (const std::optional<std::string> svg = model_.FamilyFigure(language)) {
            preview->ShowFigure(language, Bytes(*svg));
        }
    });
}

void TfrmQuorvane::FigureSave(FigurePreview* preview) {
    Guarded([&] {
        figureDialog_.initialFolder = settings_.ExistingFolder(kFigurePath);
        figureDialog_.fileName = ToQString(model_.FamilyFigureFileName());
        if (!seams_.fileDialogs->ChooseSaveFile(preview, figureDialog_)) {
            return;
        }
        const std::optional<std::string> svg = model_.FamilyFigure(preview->Language());
        if (!svg) {
            return;
        }
        const QString path = figureDialog_.fileName;
        if (const std::optional<QString> failure = WriteWholeFile(path, Bytes(*svg))) {
            seams_.messageBoxes->ShowError(preview,
                                           QStringLiteral("The figure could not be saved to "
                                                          "\"%1\": %2.")
                                               .arg(QDir::toNativeSeparators(path), *failure));
            return;
        }
        settings_.Write(kFigurePath, QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    });
}

void TfrmQuorvane::FigureCopy(const FigurePreview* preview) {
    Guarded([&] {
        if (const std::optional<std::string> svg = model_.FamilyFigure(preview->Language())) {
            QApplication::clipboard()->setMimeData(FigureMimeData(Bytes(*svg)));
        }
    });
}

} // namespace quorvane::app
