// The window's message boxes: the general error report, its own messages and the yes-or-no
// question, behind an interface that tests answer.
#pragma once

#include <QString>

class QWidget;

namespace quorvane::app {

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

// The real message boxes.
class QtMessageBoxes : public MessageBoxes {
public:
    void ShowError(QWidget* parent, const QString& text) override;
    void Inform(QWidget* parent, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& text) override;
};

// The application title, the caption of the error report and the prefix of the window caption
// once a database is open.
inline const QString kApplicationTitle = QStringLiteral("Quorvane 1.32");

} // namespace quorvane::app
