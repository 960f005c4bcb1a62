// The window on today's six-digit AstOrb.dat: the caption counts its 268-byte records, the
// labels show six-digit numbers, and the clipboard holds what quorvane-cli gives.
#include "window_fixture.h"

#include "support/infobox_example.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace quorvane::app::test {
namespace {

const std::string kSixDigit = quorvane::test::SixDigitSamplesFolder();

TEST_F(WindowTest, OpensTodaysSixDigitFile) {
    const QString folder = QString::fromStdString(kSixDigit);
    RememberFolders(folder, folder);
    regionalFormat = {','};
    TfrmQuorvane& w = MakeWindow();
    EXPECT_EQ(w.windowTitle(), "Quorvane 1.32 - 525 records");
    auto* browser = w.findChild<QScrollBar*>("scbBrowser");
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->maximum(), 524);
    EXPECT_EQ(LabelText("lblNumberVal"), "1");
    EXPECT_EQ(LabelText("lblNameVal"), "Ceres");

    browser->setValue(454);
    const struct {
        const char* label;
        const char* text;
    } shown[] = {
        {"lblNumberVal", "136199"},
        {"lblNameVal", "Eris"},
        {"lblHVal", "-1.21"},
        {"lblEpochVal", "20220809"},
        {"lblInclinationVal", "43.793657"},
        {"lblEccentricityVal", "0.43196754"},
        {"lblSemiMajorAxisVal", "68.11758508"},
        {"lblOuterCrosserVal", ""},
    };
    for (const auto& row : shown) {
        EXPECT_EQ(LabelText(row.label), row.text) << row.label;
    }

    w.findChild<QPushButton*>("btnWikiFR")->click();
    const QString infobox = CliClipboard(
        {"infobox", kSixDigit, "454", "--lang", "fr", "--diacriticals", kSixDigit}, ',');
    EXPECT_EQ(QApplication::clipboard()->text(), infobox);
    EXPECT_TRUE(infobox.startsWith("{{Planète mineure |\r\n nom=136199 Eris\r\n"));

    for (const char* item : {"&Neptune", "&Outer"}) {
        for (QRadioButton* radio : w.findChildren<QRadioButton*>()) {
            if (radio->text() == item) {
                radio->click();
            }
        }
    }
    w.findChild<QCheckBox*>("chkNumbered")->setChecked(false);
    w.findChild<QPushButton*>("btnSpecial")->click();
    const QString list = CliClipboard({"special", kSixDigit, "--planet", "neptune", "--type",
                                       "outer", "--all", "--diacriticals", kSixDigit});
    EXPECT_EQ(QApplication::clipboard()->text(), list);
    EXPECT_TRUE(list.startsWith("* [[15760 Albion]]\r\n* [[20000 Varuna]]\r\n"));
    EXPECT_EQ(boxes.messages, QStringList{"Done. 63 results in the clipboard."});
    EXPECT_EQ(browser->value(), 524) << "on the last listed record";
    EXPECT_EQ(LabelText("lblNameVal"), "2014 FE72");
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join("; ").toStdString();
}

// A six-digit file with CR LF line ends: 269-byte records, the CR in no field.
TEST_F(WindowTest, OpensASixDigitFileWithCrLf) {
    quorvane::test::TempFolder folder;
    folder.WriteAstOrb({{.number = "136199", .name = "Eris", .semiMajorAxis = "67.86"},
                        {.number = "136472", .name = "Makemake"}},
                       RecordLayout::SixDigit, quorvane::test::LineEnd::CRLF);
    RememberFolders(QString::fromStdString(folder.str()));
    TfrmQuorvane& w = MakeWindow();
    EXPECT_EQ(w.windowTitle(), "Quorvane 1.32 - 2 records");
    EXPECT_EQ(LabelText("lblNumberVal"), "136199");
    EXPECT_EQ(LabelText("lblSemiMajorAxisVal"), "67.86");
    w.findChild<QScrollBar*>("scbBrowser")->setValue(1);
    EXPECT_EQ(LabelText("lblNameVal"), "Makemake");
    EXPECT_TRUE(boxes.errors.isEmpty());
}

} // namespace
} // namespace quorvane::app::test
