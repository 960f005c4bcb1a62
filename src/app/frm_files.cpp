// The start-up sequence and the two file commands: the remembered folders, AstOrb.dat and
// Diacriticals.txt.
#include "app/tfrmquorvane.h"

#include "astorb/error.h"
#include "astorb/paths.h"

#include <QFile>
#include <QPushButton>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>
#include <utility>

namespace quorvane::app {

void TfrmQuorvane::FormShow() {
    Guarded([this] {
        if (database_.IsOpen()) {
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
    const bool opened = database_.ReplaceFile(path, [&](std::uint64_t done, std::uint64_t total) {
        if (!progress) {
            progress = seams_.progressDialogs->Begin(this, label);
        }
        return progress->Update(done, total);
    });
    progress.reset();
    if (!opened) {
        return Opening::Cancelled;
    }
    // Told once, before a file too short for one record raises its error below.
    if (const std::string notice = database_.Notice(); !notice.empty()) {
        Inform(notice);
    }
    scbBrowser->setEnabled(true);
    const std::int64_t count = database_.RecordCount();
    if (count < 1) {
        RaiseScrollBarOutOfRange();
    }
    const int maximum = static_cast<int>(std::min<std::int64_t>(count - 1, INT_MAX));
    // Lowering the maximum below the position moves it, which shows the record there.
    ChangeBrowser([&] { scbBrowser->setMaximum(maximum); });
    // The page step stays within what the scroll bar accepts: at least one record.
    scbBrowser->setPageStep(std::max(1, maximum / 20));
    ShowRecord(database_, Names(), scbBrowser->value(), *this);
    lblAstOrbPathVal->setText(folder);
    AutoSize(lblAstOrbPathVal);
    FitToControls();
    for (QPushButton* button : {btnWikiFR, btnWikiEN, btnFamily, btnSpecial}) {
        button->setEnabled(true);
    }
    setWindowTitle(kApplicationTitle + QStringLiteral(" - ") +
                   QString::number(static_cast<qint64>(maximum) + 1) + QStringLiteral(" records"));
    return Opening::Opened;
}

QString TfrmQuorvane::AstOrbFolder() const {
    return database_.IsOpen() ? QString::fromStdString(FolderOfFile(database_.file()->path()))
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
    if (LoadDiacriticals(folder.toStdString(), names_)) {
        lblNameUnicodeVal->show();
        FitToControls();
    }
}

} // namespace quorvane::app
