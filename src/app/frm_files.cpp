// The start-up sequence and the two file commands: the remembered folders, AstOrb.dat and
// Diacriticals.txt.
#include "app/tfrmquorvane.h"

#include "astorb/error.h"
#include "astorb/paths.h"

#include <QFile>
#include <QPushButton>

#include <cstdint>
#include <memory>
#include <utility>

namespace quorvane::app {

void TfrmQuorvane::FormShow() {
    Guarded([this] {
        if (model_.Database().IsOpen()) {
            return;
        }
        LayOut();
        const QString astOrbFolder = settings_.ExistingFolder(kAstOrbDatPath);
        const QString diacriticalsFolder = settings_.ExistingFolder(kDiacriticalsPath);
        if (!OpenAstOrb(astOrbFolder)) {
            actBrowseForAstOrb->trigger();
        }
        LoadNames(diacriticalsFolder);
    });
}

bool TfrmQuorvane::OpenAstOrb(const QString& folder) {
    return OpenAstOrbIn(folder) != Opening::NoFile;
}

TfrmQuorvane::Opening TfrmQuorvane::OpenAstOrbIn(const QString& folder) {
    const std::string path = FindAstOrbFile(folder.toStdString());
    if (path.empty()) {
        return Opening::NoFile;
    }
    // Only a first reading of a compressed file reports progress, so only it makes the dialog.
    const QString label =
        QStringLiteral("Reading %1...").arg(QFile::decodeName(FileNameOf(path).c_str()));
    std::unique_ptr<ProgressReport> progress;
    OpenResult open = model_.OpenAstOrb(
        path, AfterOpen::ShowRecord, [&](std::uint64_t done, std::uint64_t total) {
            if (!progress) {
                progress = seams_.progressDialogs->Begin(this, label);
            }
            return progress->Update(done, total);
        });
    progress.reset();
    if (open.end == OpenEnd::Cancelled) {
        return Opening::Cancelled;
    }
    // Told once, before an error that arose once the file was open.
    if (!open.notice.empty()) {
        Inform(open.notice);
    }
    Present(open.result);
    lblAstOrbPathVal->setText(folder);
    AutoSize(lblAstOrbPathVal);
    FitToControls();
    setWindowTitle(kApplicationTitle + QStringLiteral(" - ") +
                   QString::number(static_cast<qint64>(model_.Browser().maximum) + 1) +
                   QStringLiteral(" records"));
    return Opening::Opened;
}

QString TfrmQuorvane::AstOrbFolder() const {
    const AstOrbDatabase& database = model_.Database();
    return database.IsOpen() ? QString::fromStdString(FolderOfFile(database.file()->path()))
                             : astOrbDialog_.lastFolder;
}

void TfrmQuorvane::RunFileCommand(void (TfrmQuorvane::*before)(), void (TfrmQuorvane::*accept)(),
                                  FileDialogSettings& dialog) {
    Guarded([&] {
        (this->*before)();
        if (seams_.fileDialogs->ChooseFile(this, dialog)) {
            (this->*accept)();
        }
    });
}

void TfrmQuorvane::actBrowseForAstOrbExecute() {
    RunFileCommand(&TfrmQuorvane::actBrowseForFolderAstOrbBeforeExecute,
                   &TfrmQuorvane::actBrowseForFolderAstOrbAccept, astOrbDialog_);
}

void TfrmQuorvane::actBrowseForDiacriticalsExecute() {
    RunFileCommand(&TfrmQuorvane::actBrowseForFolderDiacriticalsBeforeExecute,
                   &TfrmQuorvane::actBrowseForFolderDiacriticalsAccept, diacriticalsDialog_);
}

void TfrmQuorvane::actBrowseForFolderAstOrbBeforeExecute() {
    browseTarget_ = {kAstOrbDatPath, &astOrbDialog_};
    PrepareFileDialog();
}

void TfrmQuorvane::actBrowseForFolderDiacriticalsBeforeExecute() {
    browseTarget_ = {kDiacriticalsPath, &diacriticalsDialog_};
    // Diacriticals.txt usually sits beside AstOrb.dat.
    diacriticalsDialog_.defaultFolder = AstOrbFolder();
    PrepareFileDialog();
}

void TfrmQuorvane::PrepareFileDialog() {
    const std::optional<QString> folder = settings_.Read(browseTarget_.valueName);
    if (!folder) {
        return;
    }
    if (!folder->isEmpty() && FolderExists(folder->toStdString())) {
        browseTarget_.dialog->initialFolder = *folder;
    } else {
        settings_.Remove(browseTarget_.valueName);
        browseTarget_.dialog->initialFolder.clear();
    }
}

void TfrmQuorvane::SaveChosenFolder() {
    const std::string folder = FolderOfFile(browseTarget_.dialog->fileName.toStdString());
    settings_.Write(browseTarget_.valueName, QString::fromStdString(folder));
}

void TfrmQuorvane::actBrowseForFolderAstOrbAccept() {
    SaveChosenFolder();
    const QString caption = windowTitle();
    const qsizetype cut = caption.indexOf(QStringLiteral(" - "));
    if (cut >= 0) {
        setWindowTitle(caption.left(cut));
    }
    const QString folder =
        QString::fromStdString(FolderOfFile(astOrbDialog_.fileName.toStdString()));
    switch (OpenAstOrbIn(folder)) {
    case Opening::NoFile:
        seams_.messageBoxes->Inform(
            this, QStringLiteral("No AstOrb.dat or AstOrb.dat.gz in \"%1\".").arg(folder));
        break;
    case Opening::Cancelled:
        // Nothing was opened: the database on show keeps its caption.
        setWindowTitle(caption);
        break;
    case Opening::Opened:
        break;
    }
}

void TfrmQuorvane::actBrowseForFolderDiacriticalsAccept() {
    SaveChosenFolder();
    LoadNames(QString::fromStdString(FolderOfFile(diacriticalsDialog_.fileName.toStdString())));
}

void TfrmQuorvane::LoadNames(const QString& folder) {
    if (model_.LoadNames(folder.toStdString())) {
        lblNameUnicodeVal->show();
        FitToControls();
    }
}

} // namespace quorvane::app
