// The file dialogs: the open-file dialog of the two file commands and the save-file dialog of the
// family figure, behind an interface that tests answer.
#pragma once

#include <QString>

class QWidget;

namespace quorvane::app {

// One file-open command's dialog settings; the object lives as long as the command, so the
// dialog keeps its folder and last chosen file from one run to the next.
struct FileDialogSettings {
    QString title;
    QString filterName;    // "AstOrb.dat"
    QString filterPattern; // "*.dat *.dat.gz", matched ignoring letter case
    QString initialFolder; // set by the command from the remembered folder
    QString fileName;      // the file chosen last, empty before the first choice
    // The dialog's own memory: the folder it showed when it last closed, chosen or cancelled.
    QString lastFolder;
    // Where the dialog starts when neither of the two above names a folder.
    QString defaultFolder;
};

// The folder the dialog opens in: the initial folder, else the one it last showed, else the
// default one, the first of them that exists; empty when none does.
QString StartFolder(const FileDialogSettings& settings);

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Shows the open-file dialog for an existing file, in StartFolder(settings); true and
    // `settings.fileName` set to the chosen file's full path when the user picks one. Either
    // way `settings.lastFolder` is where the dialog was when it closed.
    virtual bool ChooseFile(QWidget* parent, FileDialogSettings& settings) = 0;
    // Shows the save-file dialog in StartFolder(settings), proposing the name of
    // `settings.fileName`; true and `settings.fileName` set to the full path to write when the
    // user confirms one (a name without an extension gets the filter's). Either way
    // `settings.lastFolder` is where the dialog was when it closed.
    virtual bool ChooseSaveFile(QWidget* parent, FileDialogSettings& settings) = 0;
};

// The real dialog: Qt's own, not the desktop's, so that its filter ignores letter case and it
// fits the screen it opens on.
class QtFileDialogs : public FileDialogs {
public:
    bool ChooseFile(QWidget* parent, FileDialogSettings& settings) override;
    bool ChooseSaveFile(QWidget* parent, FileDialogSettings& settings) override;
};

} // namespace quorvane::app
