// The start-up sequence and the two file commands: the remembered folders, AstOrb.dat and
// Diacriticals.txt.
#include "app/tfrmquorvane.h"

#include "astorb/error.h"
#include "astorb/paths.h"

#include <QPushButton>

#include <algorithm>
#include <climits>
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
    const std::string path = FindAstOrbFile(folder.toStdString());
    if (path.empty()) {
        return false;
    }
    database_.ReplaceFile(path);
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
    return true;
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
    QString caption = windowTitle();
    const qsizetype cut = caption.indexOf(QStringLiteral(" - "));
    if (cut >= 0) {
        setWindowTitle(caption.left(cut));
    }
    OpenAstOrb(QString::fromStdString(FolderOfFile(astOrbDialog_.fileName.toStdString())));
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
