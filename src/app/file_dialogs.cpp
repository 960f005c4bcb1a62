#include "app/file_dialogs.h"

#include "app/screen_fit.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace quorvane::app {

QString StartFolder(const FileDialogSettings& settings) {
    for (const QString* folder :
         {&settings.initialFolder, &settings.lastFolder, &settings.defaultFolder}) {
        if (!folder->isEmpty() && QFileInfo(*folder).isDir()) {
            return *folder;
        }
    }
    return {};
}

namespace {

// The dialog of both kinds, to open and to save.
bool RunFileDialog(QWidget* parent, FileDialogSettings& settings, QFileDialog::FileMode mode,
                   QFileDialog::AcceptMode accept) {
    ScreenFitted<QFileDialog> dialog(parent, settings.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(mode);
    dialog.setAcceptMode(accept);
    // Without QDir::CaseSensitive the name filter ignores letter case: astorb.DAT and
    // ASTORB.DAT.GZ show as well.
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    dialog.setNameFilter(settings.filterName + " (" + settings.filterPattern + ")");
    if (accept == QFileDialog::AcceptSave) {
        // "*.svg" gives "svg".
        dialog.setDefaultSuffix(settings.filterPattern.section(QLatin1Char('.'), -1));
    }
    dialog.setSizeGripEnabled(true);
    const QString start = StartFolder(settings);
    if (!start.isEmpty()) {
        dialog.setDirectory(start);
    }
    if (!settings.fileName.isEmpty()) {
        dialog.selectFile(QFileInfo(settings.fileName).fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        settings.lastFolder = QDir::toNativeSeparators(dialog.directory().absolutePath());
        return false;
    }
    const QFileInfo chosen(dialog.selectedFiles().constFirst());
    settings.fileName = QDir::toNativeSeparators(chosen.filePath());
    settings.lastFolder = QDir::toNativeSeparators(chosen.absolutePath());
    return true;
}

} // namespace

bool QtFileDialogs::ChooseFile(QWidget* parent, FileDialogSettings& settings) {
    return RunFileDialog(parent, settings, QFileDialog::ExistingFile, QFileDialog::AcceptOpen);
}

bool QtFileDialogs::ChooseSaveFile(QWidget* parent, FileDialogSettings& settings) {
    return RunFileDialog(parent, settings, QFileDialog::AnyFile, QFileDialog::AcceptSave);
}

} // namespace quorvane::app
