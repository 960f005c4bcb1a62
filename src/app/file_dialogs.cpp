#include "app/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace quorvane::app {

bool QtFileDialogs::ChooseFile(QWidget* parent, FileDialogSettings& settings) {
    QFileDialog dialog(parent, settings.title);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(settings.filterName + " (" + settings.filterPattern + ")");
    dialog.setSizeGripEnabled(true);
    if (!settings.initialFolder.isEmpty()) {
        dialog.setDirectory(settings.initialFolder);
    } else if (!settings.fileName.isEmpty()) {
        dialog.setDirectory(QFileInfo(settings.fileName).absolutePath());
    }
    if (!settings.fileName.isEmpty()) {
        dialog.selectFile(QFileInfo(settings.fileName).fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    settings.fileName = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    return true;
}

} // namespace quorvane::app
