#include "app/message_boxes.h"

#include <QKeyEvent>
#include <QMessageBox>

namespace quorvane::app {

void QtMessageBoxes::ShowError(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, kApplicationTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

void QtMessageBoxes::Inform(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quorvane"), text, QMessageBox::Ok, parent);
    box.exec();
}

namespace {

// A question answered only by its buttons: no close button, and Escape does nothing.
class QuestionBox : public QMessageBox {
public:
    QuestionBox(QWidget* parent, const QString& text)
        : QMessageBox(QMessageBox::Question, QStringLiteral("Quorvane"), text,
                      QMessageBox::Yes | QMessageBox::No, parent) {
        // A message box adds a close button to whatever it is given; this one has none.
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::MSWindowsFixedSizeDialogHint);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

} // namespace

bool QtMessageBoxes::AskYesNo(QWidget* parent, const QString& text) {
    QuestionBox box(parent, text);
    return box.exec() != QMessageBox::No;
}

} // namespace quorvane::app
