// quorvane-clipboard: keeps a text on the clipboard after Quorvane has ended. Quorvane starts
// it when its window closes while the clipboard is still its own: the text comes on standard
// input (UTF-8), one byte on standard output says that the clipboard is now the keeper's, and
// the keeper ends as soon as another program takes the clipboard.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly)) {
        return 1;
    }
    const QString text = QString::fromUtf8(input.readAll());
    input.close();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    if (!clipboard->ownsClipboard()) {
        return 1;
    }
    QObject::connect(clipboard, &QClipboard::changed, &application, [&](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard()) {
            QGuiApplication::quit();
        }
    });
    std::fputc('1', stdout);
    std::fclose(stdout);
    return QGuiApplication::exec();
}
