// The one-line text prompt of the Find command, behind an interface that tests answer.
#pragma once

#include <QString>

class QWidget;

namespace quorvane::app {

class TextPrompt {
public:
    virtual ~TextPrompt() = default;
    // A one-line text prompt; true and `text` set when the user confirms.
    virtual bool Ask(QWidget* parent, const QString& caption, const QString& prompt,
                     QString& text) = 0;
};

// The real prompt.
class QtTextPrompt : public TextPrompt {
public:
    bool Ask(QWidget* parent, const QString& caption, const QString& prompt,
             QString& text) override;
};

} // namespace quorvane::app
