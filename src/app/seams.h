// The window's dialogs and message boxes behind small interfaces, so that tests can answer them.
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

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // The general error report: caption "Quorvane 1.32", error icon, one OK button.
    virtual void ShowError(QWidget* parent, const QString& text) = 0;
    // The program's own messages, caption "Quorvane".
    virtual void Inform(QWidget* parent, const QString& text) = 0;
    // Yes and No are the only answers: false for No, true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& text) = 0;
};

class TextPrompt {
public:
    virtual ~TextPrompt() = default;
    // A one-line text prompt; true and `text` set when the user confirms.
    virtual bool Ask(QWidget* parent, const QString& caption, const QString& prompt,
                     QString& text) = 0;
};

// The real dialogs.
class QtFileDialogs : public FileDialogs {
public:
    bool ChooseFile(QWidget* parent, FileDialogSettings& settings) override;
};

class QtMessageBoxes : public MessageBoxes {
public:
    void ShowError(QWidget* parent, const QString& text) override;
    void Inform(QWidget* parent, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& text) override;
};

class QtTextPrompt : public TextPrompt {
public:
    bool Ask(QWidget* parent, const QString& caption, const QString& prompt,
             QString& text) override;
};

// The application title, the caption of the error report and the prefix of the window caption
// once a database is open.
inline const QString kApplicationTitle = QStringLiteral("Quorvane 1.32");

} // namespace quorvane::app
