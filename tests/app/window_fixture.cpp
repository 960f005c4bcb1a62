#include "window_fixture.h"

#include "cli/cli.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSettings>

#include <sstream>

namespace quorvane::app::test {

QString CliClipboard(std::vector<std::string> args, char separator) {
    args.insert(args.begin(), "--raw");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::Run(args, out, err, separator), 0) << err.str();
    return FromCp1252(out.str());
}

bool FakeFileDialogs::ChooseFile(QWidget*, FileDialogSettings& settings) {
    shown.push_back({settings.title, settings.filterName + "|" + settings.filterPattern,
                     settings.initialFolder, StartFolder(settings),
                     window != nullptr && window->isVisible()});
    if (answers.empty() || !answers.front()) {
        if (!answers.empty()) {
            answers.pop_front();
        }
        return false;
    }
    settings.fileName = *answers.front();
    settings.lastFolder = QFileInfo(settings.fileName).absolutePath();
    answers.pop_front();
    return true;
}

bool FakeFileDialogs::ChooseSaveFile(QWidget*, FileDialogSettings& settings) {
    proposed.push_back(settings);
    std::optional<QString> answer;
    if (!saveAnswers.empty()) {
        answer = saveAnswers.front();
        saveAnswers.pop_front();
    }
    if (!answer) {
        return false;
    }
    settings.fileName = *answer;
    settings.lastFolder = QFileInfo(*answer).absolutePath();
    return true;
}

namespace {

class FakeProgressReport : public ProgressReport {
public:
    explicit FakeProgressReport(FakeProgressDialogs& dialogs) : dialogs_(dialogs) {}
    bool Update(std::uint64_t done, std::uint64_t total) override {
        dialogs_.updates.emplace_back(done, total);
        return !dialogs_.cancel;
    }

private:
    FakeProgressDialogs& dialogs_;
};

} // namespace

std::unique_ptr<ProgressReport> FakeProgressDialogs::Begin(QWidget*, const QString& label) {
    labels << label;
    return std::make_unique<FakeProgressReport>(*this);
}

void FakeMessageBoxes::Inform(QWidget*, const QString& text) {
    messages << text;
    if (duringMessage) {
        duringMessage();
    }
}

bool FakeMessageBoxes::AskYesNo(QWidget*, const QString& text) {
    questions << text;
    if (yesNoAnswers.empty()) {
        return false;
    }
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

bool FakeTextPrompt::Ask(QWidget*, const QString& caption, const QString& promptText,
                         QString& text) {
    asked.push_back({caption, promptText, text});
    if (answers.empty() || !answers.front()) {
        if (!answers.empty()) {
            answers.pop_front();
        }
        return false;
    }
    text = *answers.front();
    answers.pop_front();
    return true;
}

WindowTest::WindowTest() {
    const QString root = QString::fromStdString(settingsFolder.str());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root + "/user");
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, root + "/system");
    QApplication::clipboard()->clear();
}

WindowTest::~WindowTest() {
    window.reset();
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

QString WindowTest::SettingsFile() const {
    return QString::fromStdString(settingsFolder.str()) + "/user/Morvelt/Quorvane.conf";
}

void WindowTest::WriteSettings(const QString& contents) const {
    QDir().mkpath(QString::fromStdString(settingsFolder.str()) + "/user/Morvelt");
    QFile file(SettingsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents.toUtf8());
}

void WindowTest::RememberFolders(const QString& astOrb, const QString& diacriticals) const {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Morvelt", "Quorvane");
    if (!astOrb.isNull()) {
        store.setValue("AstOrbDatPath", astOrb);
    }
    if (!diacriticals.isNull()) {
        store.setValue("DiacriticalsPath", diacriticals);
    }
}

TfrmQuorvane& WindowTest::MakeWindow(bool formShow) {
    window = std::make_unique<TfrmQuorvane>(WindowSeams{&dialogs, &boxes, &prompt, &progress});
    window->SetNumberFormat(regionalFormat);
    dialogs.window = window.get();
    if (formShow) {
        window->FormShow();
        window->show();
    }
    return *window;
}

QString WindowTest::LabelText(const char* objectName) const {
    const auto* label = window->findChild<QLabel*>(QString::fromLatin1(objectName));
    EXPECT_NE(label, nullptr) << objectName;
    return label != nullptr ? label->text() : QString();
}

std::unique_ptr<quorvane::test::TempFolder> NumberedDatabase(int count) {
    auto folder = std::make_unique<quorvane::test::TempFolder>();
    std::vector<quorvane::test::RecordSpec> records;
    for (int n = 1; n <= count; ++n) {
        records.push_back({.number = std::to_string(n), .name = "Asteroid " + std::to_string(n)});
    }
    folder->WriteAstOrb(records);
    return folder;
}

} // namespace quorvane::app::test
