// One orbit-type list pressed in the window, offscreen: quorvane-window-bench FOLDER PLANET TYPE
// ALL prints the milliseconds of the click and the lines put on the clipboard. The bench runs it
// as a child process to read its peak memory.
#include "app/seams.h"
#include "app/tfrmquorvane.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace quorvane::app;

struct NoDialogs : FileDialogs {
    bool ChooseFile(QWidget*, FileDialogSettings&) override { return false; }
};

struct QuietBoxes : MessageBoxes {
    QString last;
    void ShowError(QWidget*, const QString& text) override { last = "error: " + text; }
    void Inform(QWidget*, const QString& text) override { last = text; }
    bool AskYesNo(QWidget*, const QString&) override { return false; }
};

struct NoPrompt : TextPrompt {
    bool Ask(QWidget*, const QString&, const QString&, QString&) override { return false; }
};

// The window's control named `name`, found by its object name.
template <class T> T* Control(TfrmQuorvane& window, const char* name) {
    T* control = window.findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) {
        std::fprintf(stderr, "the window has no control %s\n", name);
        std::exit(1);
    }
    return control;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: quorvane-window-bench FOLDER PLANET TYPE ALL\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path() + "/user");
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, settings.path() + "/sys");
    NoDialogs dialogs;
    QuietBoxes boxes;
    NoPrompt prompt;
    TfrmQuorvane window(WindowSeams{&dialogs, &boxes, &prompt});
    window.show();
    if (!window.OpenAstOrb(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    Control<QButtonGroup>(window, "rgpTypeItems")->button(std::stoi(argv[3]))->click();
    QAbstractButton* planet =
        Control<QButtonGroup>(window, "rgpPlanetItems")->button(std::stoi(argv[2]));
    if (planet->isEnabled()) {
        planet->click();
    }
    Control<QCheckBox>(window, "chkNumbered")->setChecked(std::string(argv[4]) != "all");
    const auto start = std::chrono::steady_clock::now();
    Control<QPushButton>(window, "btnSpecial")->click();
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%.1f %lld %s\n", ms,
                static_cast<long long>(QApplication::clipboard()->text().count("\r\n")),
                boxes.last.toStdString().c_str());
    return 0;
}
