#include "app/seams.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>

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
