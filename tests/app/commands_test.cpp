// The window's commands, pressed offscreen: the clipboard must hold, byte for byte, what
// quorvane-cli writes for the same record and controls.
#include "window_fixture.h"

#include "cli/cli.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include <sstream>

namespace quorvane::app::test {
namespace {

const QString kSamples = QString::fromStdString(quorvane::test::SamplesFolder());

QString Clipboard() {
    return QApplication::clipboard()->text();
}

class CommandsTest : public WindowTest {
protected:
    TfrmQuorvane& OpenSample(bool names = true) {
        RememberFolders(kSamples, names ? kSamples : QString());
        return MakeWindow();
    }
    const std::string samples = quorvane::test::SamplesFolder();
};

TEST_F(CommandsTest, InfoboxButtonsMatchTheCommandLine) {
    regionalFormat = {','};
    TfrmQuorvane& w = OpenSample();
    Control<QScrollBar>(w, "scbBrowser")->setValue(365);
    const QString frenchExpected =
        CliClipboard({"infobox", samples, "365", "--lang", "fr", "--diacriticals", samples}, ',');
    Control<QPushButton>(w, "btnWikiFR")->click();
    EXPECT_EQ(Clipboard(), frenchExpected);
    EXPECT_TRUE(Clipboard().startsWith("{{Planète mineure |\r\n nom=2811 St&#345;emchoví\r\n"));
    EXPECT_TRUE(Clipboard().contains("JJ]] 2459800,5)"));

    Control<QPushButton>(w, "btnWikiEN")->click();
    EXPECT_EQ(Clipboard(),
              CliClipboard({"infobox", samples, "365", "--lang", "en", "--diacriticals", samples}));
    EXPECT_TRUE(Clipboard().endsWith(" [[kelvin|K]]}}"));
    Control<QPushButton>(w, "btnWikiFR")->click();
    EXPECT_EQ(Clipboard(), frenchExpected) << "the comma is kept after an English infobox";
    EXPECT_TRUE(boxes.errors.isEmpty());
}

// On a system whose separator is ".", an English infobox leaves the window's number format as
// it found it: the French infobox and the family distances that follow keep the point, as the
// command line writes them with --decimal-separator ".".
TEST_F(CommandsTest, EnglishInfoboxLeavesThePointOfThePointSystem) {
    regionalFormat = {'.'};
    TfrmQuorvane& w = OpenSample();
    Control<QPushButton>(w, "btnWikiFR")->click();
    const QString before = Clipboard();
    EXPECT_EQ(before, CliClipboard({"--decimal-separator", ".", "infobox", samples, "0", "--lang",
                                    "fr", "--diacriticals", samples}));
    EXPECT_TRUE(before.contains("\r\n | excentricité=0.079\r\n")) << "1 Ceres";
    Control<QPushButton>(w, "btnWikiEN")->click();
    EXPECT_EQ(Clipboard(),
              CliClipboard({"infobox", samples, "0", "--lang", "en", "--diacriticals", samples}));
    Control<QPushButton>(w, "btnWikiFR")->click();
    EXPECT_EQ(Clipboard(), before);

    Control<QScrollBar>(w, "scbBrowser")->setValue(220);
    Control<QScrollBar>(w, "scrTolerance")->setValue(150);
    Control<QPushButton>(w, "btnFamily")->click();
    const QString family =
        CliClipboard({"--decimal-separator", ".", "family", samples, "220", "--tolerance", "150",
                      "--passes", "1", "--diacriticals", samples});
    EXPECT_EQ(Clipboard(), family);
    EXPECT_TRUE(family.contains(QRegularExpression("\\]\\] \\d+\\.\\d\\r\\n")));
    EXPECT_TRUE(boxes.errors.isEmpty());
}

// Each button writes the language it was made with, whatever it is called by now.
TEST_F(CommandsTest, InfoboxLanguageGoesWithTheButtonNotItsName) {
    TfrmQuorvane& w = OpenSample();
    QPushButton* btnWikiFR = Control<QPushButton>(w, "btnWikiFR");
    QPushButton* btnWikiEN = Control<QPushButton>(w, "btnWikiEN");
    btnWikiFR->setObjectName("btnWikiEN");
    btnWikiEN->setObjectName("btnWikiFR");
    btnWikiFR->click();
    EXPECT_TRUE(Clipboard().startsWith("{{Planète mineure |\r\n"))
        << Clipboard().left(40).toStdString();
    btnWikiEN->click();
    EXPECT_TRUE(Clipboard().startsWith("{{Minor Planet |\r\n"))
        << Clipboard().left(40).toStdString();
}

TEST_F(CommandsTest, InfoboxUsesTheBoxesAndTheirCorrections) {
    regionalFormat = {'.'};
    TfrmQuorvane& w = OpenSample();
    QLineEdit* edtDiameter = Control<QLineEdit>(w, "edtDiameter");
    QLineEdit* edtAlbedo = Control<QLineEdit>(w, "edtAlbedo");
    QLineEdit* edtDensity = Control<QLineEdit>(w, "edtDensity");
    edtDiameter->setText("abc");
    edtAlbedo->setText("1.5");
    edtDensity->setText("3");
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    edtAlbedo->setFocus(Qt::OtherFocusReason);
    edtDiameter->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edtAlbedo->text(), "0.1") << "corrected when the focus leaves the box";
    edtDensity->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edtDiameter->text(), "939.4") << "back to Ceres' diameter";
    edtDiameter->setText("10");
    Control<QPushButton>(w, "btnWikiEN")->click();
    EXPECT_EQ(Clipboard(), CliClipboard({"infobox", samples, "0", "--lang", "en", "--diameter",
                                         "10", "--density", "3"}));
    EXPECT_TRUE(Clipboard().contains(" | density=3.0 g/[[cubic centimetre|cm³]]\r\n"));
}

// A box's leave handler corrects it when the focus goes to another control, not when the window
// loses the focus or a popup menu takes it.
TEST_F(CommandsTest, BoxIsCorrectedWhenTheFocusMovesWithinTheWindow) {
    struct Row {
        Qt::FocusReason reason;
        const char* expected;
    };
    const Row rows[] = {
        {Qt::TabFocusReason, "0.1"},   {Qt::BacktabFocusReason, "0.1"},
        {Qt::MouseFocusReason, "0.1"}, {Qt::ShortcutFocusReason, "0.1"},
        {Qt::OtherFocusReason, "0.1"}, {Qt::ActiveWindowFocusReason, "1.5"},
        {Qt::PopupFocusReason, "1.5"},
    };
    TfrmQuorvane& w = OpenSample();
    QLineEdit* edtAlbedo = Control<QLineEdit>(w, "edtAlbedo");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reason);
        edtAlbedo->setText("1.5");
        QFocusEvent leave(QEvent::FocusOut, row.reason);
        QApplication::sendEvent(edtAlbedo, &leave);
        EXPECT_EQ(edtAlbedo->text().toStdString(), row.expected);
    }
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(CommandsTest, InfoboxErrorLeavesTheClipboard) {
    TfrmQuorvane& w = OpenSample();
    QApplication::clipboard()->setText("before");
    Control<QLineEdit>(w, "edtDensity")->setText("0");
    Control<QPushButton>(w, "btnWikiFR")->click();
    EXPECT_EQ(boxes.errors, QStringList{"Division par zéro en virgule flottante."});
    EXPECT_EQ(Clipboard(), "before");
}

TEST_F(CommandsTest, SpecialListMatchesTheCommandLine) {
    TfrmQuorvane& w = OpenSample();
    Control<QButtonGroup>(w, "rgpPlanetItems")->button(3)->click();
    Control<QButtonGroup>(w, "rgpTypeItems")->button(3)->click();
    Control<QPushButton>(w, "btnSpecial")->click();
    const QString expected = CliClipboard(
        {"special", samples, "--planet", "mars", "--type", "crosser", "--diacriticals", samples});
    EXPECT_EQ(Clipboard(), expected);
    ASSERT_FALSE(expected.isEmpty());
    const int lines = static_cast<int>(expected.count("\r\n"));
    EXPECT_EQ(boxes.messages,
              QStringList{QString("Done. %1 results in the clipboard.").arg(lines)});
    EXPECT_FALSE(w.findChild<QLabel*>("lblMarsCrosserVal")->text().isEmpty() &&
                 w.findChild<QLabel*>("lblApolloVal")->text().isEmpty() &&
                 w.findChild<QLabel*>("lblAmorVal")->text().isEmpty())
        << "the browser shows the last listed record";
    // The scroll bar and the labels both stand on the last listed record: 1036 Ganymed, the
    // second of the sample's two Mars-crossers.
    const QStringList listed = expected.split("\r\n", Qt::SkipEmptyParts);
    EXPECT_EQ(Control<QScrollBar>(w, "scbBrowser")->value(), 265);
    EXPECT_EQ(LabelText("lblNumberVal"), "1036");
    EXPECT_TRUE(listed.last().contains(LabelText("lblNameVal"))) << listed.last().toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(CommandsTest, DoneMessageComesWithTheLastListedRecordShown) {
    TfrmQuorvane& w = OpenSample();
    struct Seen {
        int position;
        QString number;
        QString name;
    };
    std::vector<Seen> seen;
    boxes.duringMessage = [&] {
        seen.push_back({Control<QScrollBar>(w, "scbBrowser")->value(), LabelText("lblNumberVal"),
                        LabelText("lblNameVal")});
    };
    Control<QButtonGroup>(w, "rgpPlanetItems")->button(3)->click();
    Control<QButtonGroup>(w, "rgpTypeItems")->button(3)->click();
    Control<QPushButton>(w, "btnSpecial")->click();
    const QStringList listed = Clipboard().split("\r\n", Qt::SkipEmptyParts);
    ASSERT_FALSE(listed.isEmpty());
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].position, 265);
    EXPECT_EQ(seen[0].number, "1036") << "1036 Ganymed, the last Mars-crosser";
    EXPECT_TRUE(listed.last().startsWith("* [[" + seen[0].number + " ") ||
                listed.last().startsWith("* [[(" + seen[0].number + ") "))
        << listed.last().toStdString();
    EXPECT_TRUE(listed.last().contains(seen[0].name)) << seen[0].name.toStdString();

    Control<QPushButton>(w, "btnExtractNames")->click();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].position, 450) << "the last numbered record";
    EXPECT_EQ(seen[1].number, "90482");
}

TEST_F(CommandsTest, RetrogradeDisablesThePlanetGroup) {
    TfrmQuorvane& w = OpenSample();
    QButtonGroup* rgpTypeItems = Control<QButtonGroup>(w, "rgpTypeItems");
    QGroupBox* rgpPlanet = Control<QGroupBox>(w, "rgpPlanet");
    rgpTypeItems->button(6)->click();
    EXPECT_FALSE(rgpPlanet->isEnabled());
    Control<QCheckBox>(w, "chkNumbered")->setChecked(false);
    Control<QPushButton>(w, "btnSpecial")->click();
    EXPECT_EQ(Clipboard(), CliClipboard({"special", samples, "--planet", "pluto", "--type",
                                         "retrograde", "--all"}));
    EXPECT_EQ(Clipboard().count("\r\n"), 11) << "the sample holds eleven retrograde orbits";
    rgpTypeItems->button(0)->click();
    EXPECT_TRUE(rgpPlanet->isEnabled());
}

TEST_F(CommandsTest, FamilyAsksAfterEachPass) {
    TfrmQuorvane& w = OpenSample();
    QScrollBar* scbBrowser = Control<QScrollBar>(w, "scbBrowser");
    scbBrowser->setValue(220);
    Control<QScrollBar>(w, "scrTolerance")->setValue(150);
    boxes.yesNoAnswers = {true, false};
    Control<QPushButton>(w, "btnFamily")->click();
    // The Eos family as the data has it: 27 asteroids within 150 m/s in the first pass, 49 more
    // in the second.
    EXPECT_EQ(boxes.questions, QStringList({"Pass complete. 27 asteroids added. Another pass?",
                                            "Pass complete. 49 asteroids added. Another pass?"}));
    EXPECT_EQ(Clipboard(), CliClipboard({"family", samples, "220", "--tolerance", "150", "--passes",
                                         "2", "--diacriticals", samples}));
    EXPECT_TRUE(Clipboard().contains("\r\n* [[2578 Saint-Exupéry]] ")) << "a member of the family";
    EXPECT_TRUE(Clipboard().startsWith("[[221 Eos family]] "));
    EXPECT_EQ(scbBrowser->value(), 220) << "the seed is shown again";
    EXPECT_EQ(boxes.messages, QStringList{"Done. 77 results in the clipboard."});
}

TEST_F(CommandsTest, ExtractNamesMatchesTheCommandLine) {
    TfrmQuorvane& w = OpenSample();
    Control<QCheckBox>(w, "chkNumbered")->setChecked(false);
    Control<QPushButton>(w, "btnExtractNames")->click();
    EXPECT_EQ(Clipboard(), CliClipboard({"names", samples, "--diacriticals", samples}));
    EXPECT_TRUE(Clipboard().startsWith("1 Ceres\r\n2 Pallas\r\n"));
    EXPECT_TRUE(Clipboard().contains("\r\n2811 Stremchoví\r\n")) << "ř has no Windows-1252 form";
    EXPECT_EQ(Control<QScrollBar>(w, "scbBrowser")->value(), 450) << "the last numbered record";
    EXPECT_EQ(LabelText("lblNumberVal"), "90482");
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(CommandsTest, ExtractNamesWithoutDatabaseDoesNoHarm) {
    dialogs.answers.push_back(std::nullopt);
    TfrmQuorvane& w = MakeWindow();
    QApplication::clipboard()->setText("before");
    Control<QPushButton>(w, "btnExtractNames")->click();
    EXPECT_EQ(Clipboard(), "before");
    EXPECT_TRUE(boxes.messages.isEmpty());
    EXPECT_TRUE(w.isEnabled());
}

TEST_F(CommandsTest, HiddenInclinationScan) {
    TfrmQuorvane& w = OpenSample();
    Control<QCheckBox>(w, "chkNumbered")->setChecked(false);
    Control<QPushButton>(w, "Button1")->click();
    EXPECT_EQ(boxes.messages, QStringList{"Done."});
    std::ostringstream out;
    std::ostringstream err;
    cli::Run({"inclination", samples, "0", "--all"}, out, err);
    EXPECT_EQ(std::to_string(Control<QScrollBar>(w, "scbBrowser")->value()) + "\n", out.str());
    EXPECT_GT(LabelText("lblInclinationVal").toDouble(), 90.0);
}

TEST_F(CommandsTest, SearchFromThePopupMenuAndTheKeys) {
    TfrmQuorvane& w = OpenSample();
    QAction* mnuFindAgain = Control<QAction>(w, "mnuFindAgain");
    QAction* mnuFind = Control<QAction>(w, "mnuFind");
    QMenu* mnuPopup = Control<QMenu>(w, "mnuPopup");
    QScrollBar* scbBrowser = Control<QScrollBar>(w, "scbBrowser");
    QLabel* name = w.findChild<QLabel*>("lblNameVal");
    emit name->customContextMenuRequested(QPoint(1, 1));
    EXPECT_FALSE(mnuFindAgain->isEnabled());
    prompt.answers.push_back(QString("a"));
    mnuFind->trigger();
    mnuPopup->close();
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].caption, "Find in Name");
    EXPECT_EQ(prompt.asked[0].prompt, "What?");
    EXPECT_EQ(scbBrowser->value(), 1) << "Pallas, the first name after Ceres with an a";
    EXPECT_TRUE(mnuFindAgain->isEnabled());

    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_F3);
    EXPECT_EQ(scbBrowser->value(), 3) << "Vesta";
    QTest::keyClick(&w, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(scbBrowser->value(), 1) << "Shift+F3 searches backwards once";
    QTest::mouseClick(Control<QWidget>(w, "clientArea"), Qt::LeftButton, {}, QPoint(350, 10));
    EXPECT_EQ(scbBrowser->value(), 3) << "a background click searches forwards again";

    // Copy the value shown, then a cancelled prompt keeps the search.
    emit name->customContextMenuRequested(QPoint(1, 1));
    Control<QAction>(w, "mnuCopy")->trigger();
    mnuPopup->close();
    EXPECT_EQ(Clipboard(), "Vesta");
    emit w.findChild<QLabel*>("lblDiamVal")->customContextMenuRequested(QPoint(1, 1));
    prompt.answers.push_back(std::nullopt);
    mnuFind->trigger();
    mnuPopup->close();
    EXPECT_EQ(prompt.asked.back().caption, "Find in Diam");
    EXPECT_EQ(prompt.asked.back().initial, "a");
    QTest::keyClick(Control<QLineEdit>(w, "edtAlbedo"), Qt::Key_F3);
    EXPECT_EQ(scbBrowser->value(), 4) << "Astraea; F3 works from an edit box too";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(CommandsTest, SearchThatFindsNothing) {
    TfrmQuorvane& w = OpenSample();
    emit w.findChild<QLabel*>("lblNameVal")->customContextMenuRequested(QPoint(1, 1));
    prompt.answers.push_back(QString("zzzz"));
    Control<QAction>(w, "mnuFind")->trigger();
    Control<QMenu>(w, "mnuPopup")->close();
    EXPECT_EQ(boxes.messages, QStringList{"No more occurrences."});
    EXPECT_EQ(Control<QScrollBar>(w, "scbBrowser")->value(), 0);
}

// A listed record whose flag code is malformed ends the list at it: the browser on it, its
// display stopped before the flags (which still show the record listed before it), the error
// reported, the clipboard and the message untouched; quorvane-cli fails with the same error.
TEST_F(CommandsTest, ListedRecordWithAMalformedFlagCodeEndsTheCommand) {
    quorvane::test::TempFolder folder;
    // Two Mars-crossers and a family member after the seed; the last listed has flags "x1".
    folder.WriteAstOrb({
        {.number = "1", .name = "Seed", .diameter = "10", .flags = "0"},
        {.number = "2",
         .name = "Listed",
         .diameter = "20",
         .flags = "8",
         .eccentricity = "0.2",
         .semiMajorAxis = "1.5"},
        {.number = "3",
         .name = "Broken",
         .diameter = "30",
         .flags = "x1",
         .eccentricity = "0.2",
         .semiMajorAxis = "1.5"},
        {.number = "4", .name = "Twin", .diameter = "40", .flags = "x2"},
    });
    const std::string dir = folder.str();
    struct Row {
        const char* name;
        const char* button;
        std::vector<std::string> cli;
        int position;
        QString shownName;
        QString error;
    };
    const Row rows[] = {
        {"orbit-type list",
         "btnSpecial",
         {"special", dir, "--planet", "mars", "--type", "crosser"},
         2,
         "Broken",
         "'x1' n'est pas une valeur entière correcte"},
        {"family",
         "btnFamily",
         {"family", dir, "0", "--tolerance", "10"},
         3,
         "Twin",
         "'x2' n'est pas une valeur entière correcte"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        boxes.errors.clear();
        boxes.messages.clear();
        boxes.questions.clear();
        RememberFolders(QString::fromStdString(dir));
        TfrmQuorvane& w = MakeWindow();
        Control<QButtonGroup>(w, "rgpPlanetItems")->button(3)->click();
        Control<QButtonGroup>(w, "rgpTypeItems")->button(3)->click();
        QApplication::clipboard()->setText("before");
        Control<QPushButton>(w, row.button)->click();
        EXPECT_EQ(boxes.errors, QStringList{row.error + "."});
        EXPECT_TRUE(boxes.messages.isEmpty());
        EXPECT_TRUE(boxes.questions.isEmpty());
        EXPECT_EQ(Clipboard(), "before");
        EXPECT_EQ(Control<QScrollBar>(w, "scbBrowser")->value(), row.position);
        EXPECT_EQ(LabelText("lblNameVal"), row.shownName);
        EXPECT_EQ(LabelText("lblDiamVal"), QString::number(row.position * 10 + 10));
        // The flags and the diameter box are those of the record shown before.
        const bool afterListed = row.position == 2;
        EXPECT_EQ(LabelText("lblMarsCrosserVal"), afterListed ? "Yes" : "");
        EXPECT_EQ(Control<QLineEdit>(w, "edtDiameter")->text(), afterListed ? "20" : "10");

        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(cli::Run(row.cli, out, err, ','), 1);
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(QString::fromStdString(err.str()), row.error + "\n");
    }
}

} // namespace
} // namespace quorvane::app::test
