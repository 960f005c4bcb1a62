#include "app/text_prompt.h"

#include <QInputDialog>

namespace quorvane::app {

bool QtTextPrompt::Ask(QWidget* parent, const QString& caption, const QString& prompt,
                       QString& text) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, text, &ok);
    if (ok) {
        text = answer;
    }
    return ok;
}

} // namespace quorvane::app
