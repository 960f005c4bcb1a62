// The main window offscreen, with its settings store in a temporary folder and its dialogs and
// message boxes answered by test doubles.
#pragma once

#include "app/tfrmquorvane.h"
#include "support/fixtures.h"
#include "support/gzip_support.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace quorvane::app::test {

// The window's control of type T named `name` in the window's design, found by its object name;
// the test fails, and stops, when the window has none.
template <class T> T* Control(TfrmQuorvane& window, const char* name) {
    T* control = window.findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) {
        ADD_FAILURE() << "the window has no control " << name << " of that type";
        throw std::runtime_error(std::string("no control ") + name);
    }
    return control;
}

// Answers as the real dialog would: a choice leaves the dialog's memory in the chosen file's
// folder.
struct FakeFileDialogs : FileDialogs {
    struct Shown {
        QString title;
        QString filter;
        QString initialFolder;
        QString startFolder; // StartFolder of the settings it was shown with
        bool windowVisible;
    };
    // Each answer is a full file path to choose, or nothing to cancel.
    std::deque<std::optional<QString>> answers;
    std::vector<Shown> shown;
    QWidget* window = nullptr;

    bool ChooseFile(QWidget* parent, FileDialogSettings& settings) override;

    // The save-file dialog: each answer a full path to write, or nothing to cancel; `proposed`
    // is the settings each was shown with.
    std::deque<std::optional<QString>> saveAnswers;
    std::vector<FileDialogSettings> proposed;
    bool ChooseSaveFile(QWidget* parent, FileDialogSettings& settings) override;
};

struct FakeMessageBoxes : MessageBoxes {
    QStringList errors;
    QStringList messages;
    QStringList questions;
    std::deque<bool> yesNoAnswers; // empty: answer No
    std::function<void()> duringMessage;

    void ShowError(QWidget*, const QString& text) override { errors << text; }
    void Inform(QWidget*, const QString& text) override;
    bool AskYesNo(QWidget*, const QString& text) override;
};

// Records the progress of every long opening; `cancel` makes the user press Cancel at the first
// update.
struct FakeProgressDialogs : ProgressDialogs {
    QStringList labels; // one a progress begun
    std::vector<std::pair<std::uint64_t, std::uint64_t>> updates;
    bool cancel = false;

    std::unique_ptr<ProgressReport> Begin(QWidget*, const QString& label) override;
};

struct FakeTextPrompt : TextPrompt {
    struct Asked {
        QString caption;
        QString prompt;
        QString initial;
    };
    std::deque<std::optional<QString>> answers; // nothing: cancel
    std::vector<Asked> asked;

    bool Ask(QWidget*, const QString& caption, const QString& prompt, QString& text) override;
};

// One window per test, with a fresh settings store.
class WindowTest : public ::testing::Test {
protected:
    WindowTest();
    ~WindowTest() override;

    // The settings file of the store, and writing raw lines into it.
    QString SettingsFile() const;
    void WriteSettings(const QString& contents) const;
    void RememberFolders(const QString& astOrb, const QString& diacriticals = {}) const;

    // Creates the window with `regionalFormat` as its number format (and runs FormShow when
    // asked).
    TfrmQuorvane& MakeWindow(bool formShow = true);
    QString LabelText(const char* objectName) const;

    quorvane::test::TempFolder settingsFolder;
    // A fresh index cache: every AstOrb.dat.gz is read whole at its first opening in a test.
    quorvane::test::TempFolder cacheFolder;
    quorvane::test::ScopedEnv cache{"XDG_CACHE_HOME", cacheFolder.str()};
    FakeFileDialogs dialogs;
    FakeMessageBoxes boxes;
    FakeTextPrompt prompt;
    FakeProgressDialogs progress;
    // The number format of the system's regional settings, which the window starts with.
    NumberFormat regionalFormat;
    std::unique_ptr<TfrmQuorvane> window;
};

// The clipboard text quorvane-cli gives for `args` (raw bytes decoded from Windows-1252), started
// with `separator` as the regional decimal separator.
QString CliClipboard(std::vector<std::string> args, char separator = '.');

// A folder with an AstOrb.dat of `count` numbered records named "Asteroid n".
std::unique_ptr<quorvane::test::TempFolder> NumberedDatabase(int count);

} // namespace quorvane::app::test
