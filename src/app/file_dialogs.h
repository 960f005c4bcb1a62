// The open-file dialog of the two file commands, behind an interface that tests answer.
#pragma once

#include <QString>

class QWidget;

namespace quorvane::app {

// One file-open command's dialog settings; the object lives as long as the command, so the
// dialog keeps its folder and last chosen file from one run to the next.
struct FileDialogSettings {
    QString title;
    QString filterName;    // "AstOrb.dat"
    QString filterPattern; // "*.dat"
    QString initialFolder;
    QString fileName; // the file chosen last, empty before the first choice
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Shows the open-file dialog for an existing file; true and `settings.fileName` set to the
    // chosen file's full path when the user picks one.
    virtual bool ChooseFile(QWidget* parent, FileDialogSettings& settings) = 0;
};

// The real dialog.
class QtFileDialogs : public FileDialogs {
public:
    bool ChooseFile(QWidget* parent, FileDialogSettings& settings) override;
};

} // namespace quorvane::app
