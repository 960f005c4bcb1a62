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

bool QtFileDialogs::ChooseFile(QWidget* parent, FileDialogSettings& settings) {
    ScreenFitted<QFileDialog> dialog(parent, settings.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Without QDir::CaseSensitive the name filter ignores letter case: astorb.DAT and
    // ASTORB.DAT.GZ show as well.
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    dialog.setNameFilter(settings.filterName + " (" + settings.filterPattern + ")");
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

} // namespace quorvane::app
