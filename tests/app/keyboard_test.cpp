// The window driven from the keyboard: the focus at start-up, Tab, the keys of the two scroll
// bars, the accelerators of the captions and Return on a button.
#include "window_fixture.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace quorvane::app::test {
namespace {

const QString kSamples = QString::fromStdString(quorvane::test::SamplesFolder());

// Waits, a few seconds at most, for a button's animated press to end.
bool Eventually(const std::function<bool()>& condition) {
    for (int i = 0; i < 100 && !condition(); ++i) {
        QTest::qWait(20);
    }
    return condition();
}

class KeyboardTest : public WindowTest {
protected:
    TfrmQuorvane& OpenActive(bool database = true) {
        if (database) {
            RememberFolders(kSamples);
        } else {
            dialogs.answers.push_back(std::nullopt);
        }
        TfrmQuorvane& w = MakeWindow();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        return w;
    }
    static QWidget* Focused() { return QApplication::focusWidget(); }
    // The control of the tab table that holds the focus: a radio item stands for its group.
    QWidget* FocusedTabStop() const {
        QWidget* focused = Focused();
        if (qobject_cast<QRadioButton*>(focused) != nullptr) {
            return focused->parentWidget();
        }
        return focused;
    }
};

TEST_F(KeyboardTest, StartUpFocusIsOnTheBrowser) {
    TfrmQuorvane& w = OpenActive();
    EXPECT_EQ(Focused(), Control<QScrollBar>(w, "scbBrowser"));
}

TEST_F(KeyboardTest, WithoutADatabaseTheFocusStartsOnOpen) {
    TfrmQuorvane& w = OpenActive(false);
    EXPECT_FALSE(Control<QScrollBar>(w, "scbBrowser")->isEnabled());
    EXPECT_EQ(Focused(), Control<QPushButton>(w, "btnBrowse"));
}

TEST_F(KeyboardTest, TabVisitsTheControlsInTheirOrder) {
    TfrmQuorvane& w = OpenActive();
    QScrollBar* scrTolerance = Control<QScrollBar>(w, "scrTolerance");
    // The tab table without the hidden "(Inclinations)" button, and round to the browser again.
    std::vector<QWidget*> expected;
    for (const char* name :
         {"scbBrowser", "btnBrowse", "btnWikiFR", "btnWikiEN", "btnSpecial", "btnFamily",
          "scrTolerance", "chkNumbered", "rgpPlanet", "rgpType", "edtDiameter", "edtAlbedo",
          "edtDensity", "btnDiacriticals", "btnExtractNames", "scbBrowser"}) {
        expected.push_back(Control<QWidget>(w, name));
    }
    std::vector<QWidget*> visited = {FocusedTabStop()};
    for (std::size_t i = 1; i < expected.size(); ++i) {
        QTest::keyClick(Focused(), Qt::Key_Tab);
        visited.push_back(FocusedTabStop());
    }
    EXPECT_EQ(visited, expected);

    // Shift+Tab goes back; a radio group is entered at its selected item.
    QTest::keyClick(Focused(), Qt::Key_Backtab);
    EXPECT_EQ(Focused(), Control<QPushButton>(w, "btnExtractNames"));
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(Focused(), Qt::Key_Backtab);
    }
    EXPECT_EQ(Focused(), Control<QButtonGroup>(w, "rgpTypeItems")->button(2))
        << "Co-Orbital, the selected type";
    EXPECT_TRUE(boxes.errors.isEmpty()) << "the boxes left hold valid values";

    // A click focuses a scroll bar too.
    QTest::mouseClick(scrTolerance, Qt::LeftButton, {}, QPoint(scrTolerance->width() / 2, 8));
    EXPECT_EQ(Focused(), scrTolerance);
}

TEST_F(KeyboardTest, TabSkipsTheDisabledPlanetGroup) {
    TfrmQuorvane& w = OpenActive();
    QButtonGroup* rgpTypeItems = Control<QButtonGroup>(w, "rgpTypeItems");
    rgpTypeItems->button(6)->click();
    Control<QCheckBox>(w, "chkNumbered")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Focused(), Qt::Key_Tab);
    EXPECT_EQ(Focused(), rgpTypeItems->button(6)) << "Retrograde disables the planets";
}

TEST_F(KeyboardTest, BrowserKeysMoveTheRecordShown) {
    TfrmQuorvane& w = OpenActive();
    QScrollBar* scbBrowser = Control<QScrollBar>(w, "scbBrowser");
    // The sample has 514 records, the last unnumbered; the page is 513 / 20 = 25 records.
    struct Row {
        const char* name;
        Qt::Key key;
        int from;
        int to;
        const char* number; // shown at `to`
    };
    const Row rows[] = {
        {"End", Qt::Key_End, 100, 513, ""},
        {"Home", Qt::Key_Home, 100, 0, "1"},
        {"Right", Qt::Key_Right, 100, 101, "102"},
        {"Left", Qt::Key_Left, 100, 99, "100"},
        {"Down", Qt::Key_Down, 100, 101, "102"},
        {"Up", Qt::Key_Up, 100, 99, "100"},
        {"Page Down", Qt::Key_PageDown, 100, 125, "126"},
        {"Page Up", Qt::Key_PageUp, 100, 75, "76"},
        {"Left at the start", Qt::Key_Left, 0, 0, "1"},
        {"Page Down near the end", Qt::Key_PageDown, 500, 513, ""},
        {"Page Down past the numbered run", Qt::Key_PageDown, 220, 245, "590"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        scbBrowser->setValue(row.from);
        ASSERT_EQ(Focused(), scbBrowser);
        QTest::keyClick(scbBrowser, row.key);
        EXPECT_EQ(scbBrowser->value(), row.to);
        EXPECT_EQ(LabelText("lblNumberVal"), row.number) << "the display follows";
    }
    QTest::keyClick(scbBrowser, Qt::Key_Home);
    EXPECT_EQ(LabelText("lblNameVal"), "Ceres");
    EXPECT_EQ(Control<QLineEdit>(w, "edtDiameter")->text(), "939.4");
}

TEST_F(KeyboardTest, ToleranceKeysMoveTheTolerance) {
    TfrmQuorvane& w = OpenActive();
    QScrollBar* scrTolerance = Control<QScrollBar>(w, "scrTolerance");
    scrTolerance->setFocus(Qt::TabFocusReason);
    QTest::keyClick(scrTolerance, Qt::Key_Right);
    EXPECT_EQ(LabelText("lblTolerance"), "&Tolerance (m/s): 11");
    QTest::keyClick(scrTolerance, Qt::Key_PageDown);
    EXPECT_EQ(LabelText("lblTolerance"), "&Tolerance (m/s): 21");
    QTest::keyClick(scrTolerance, Qt::Key_End);
    EXPECT_EQ(LabelText("lblTolerance"), "&Tolerance (m/s): 200");
}

TEST_F(KeyboardTest, SharedAcceleratorsActOnTheirFirstClaimant) {
    TfrmQuorvane& w = OpenActive();
    QLineEdit* edtAlbedo = Control<QLineEdit>(w, "edtAlbedo");
    // Alt+O: "&Open..." before the "&Outer" type; its command asks for the file.
    dialogs.answers.push_back(std::nullopt);
    QTest::keyClick(&w, Qt::Key_O, Qt::AltModifier);
    ASSERT_TRUE(Eventually([&] { return !dialogs.shown.empty(); })) << "the dialog is asked";
    EXPECT_EQ(dialogs.shown.back().title, "Browse for AstOrb.dat");
    EXPECT_EQ(Control<QButtonGroup>(w, "rgpTypeItems")->checkedId(), 2) << "Outer stays unselected";
    QTest::keyClick(&w, Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(Eventually([&] { return dialogs.shown.size() == 2; })) << "every time";

    // Alt+D: the "Albe&do:" label before "&Diacriticals...": it focuses the Albedo box.
    QTest::keyClick(&w, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(Focused(), edtAlbedo);
    QTest::keyClick(&w, Qt::Key_D, Qt::AltModifier);
    QTest::qWait(200);
    EXPECT_EQ(Focused(), edtAlbedo);
    EXPECT_EQ(dialogs.shown.size(), 2u) << "the Diacriticals command never runs";

    // Alt+T: the tolerance label focuses its scroll bar.
    QTest::keyClick(&w, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(Focused(), Control<QScrollBar>(w, "scrTolerance"));
}

TEST_F(KeyboardTest, ButtonAcceleratorsStillPressTheirButtons) {
    TfrmQuorvane& w = OpenActive();
    QCheckBox* chkNumbered = Control<QCheckBox>(w, "chkNumbered");
    QButtonGroup* rgpTypeItems = Control<QButtonGroup>(w, "rgpTypeItems");
    QButtonGroup* rgpPlanetItems = Control<QButtonGroup>(w, "rgpPlanetItems");
    struct Row {
        Qt::Key key;
        QAbstractButton* button;
    };
    const Row rows[] = {
        {Qt::Key_F, Control<QPushButton>(w, "btnWikiFR")},
        {Qt::Key_E, Control<QPushButton>(w, "btnWikiEN")},
        {Qt::Key_C, Control<QPushButton>(w, "btnSpecial")},
        {Qt::Key_Y, Control<QPushButton>(w, "btnFamily")},
        {Qt::Key_B, chkNumbered},
        {Qt::Key_R, rgpTypeItems->button(3)},
        {Qt::Key_A, rgpPlanetItems->button(3)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button->text().toStdString());
        QSignalSpy pressed(row.button, &QAbstractButton::clicked);
        QTest::keyClick(&w, row.key, Qt::AltModifier);
        EXPECT_TRUE(Eventually([&] { return pressed.count() == 1; }));
    }
    EXPECT_TRUE(QApplication::clipboard()->text().contains(" family]] members; tolerance 10 m/s"))
        << "Famil&y, the last of the commands, left its list";
    EXPECT_FALSE(chkNumbered->isChecked());
    EXPECT_EQ(rgpTypeItems->checkedId(), 3);
    EXPECT_EQ(rgpPlanetItems->checkedId(), 3);
}

TEST_F(KeyboardTest, ReturnPressesTheFocusedButton) {
    TfrmQuorvane& w = OpenActive();
    QPushButton* btnWikiEN = Control<QPushButton>(w, "btnWikiEN");
    QPushButton* btnDiacriticals = Control<QPushButton>(w, "btnDiacriticals");
    QPushButton* btnExtractNames = Control<QPushButton>(w, "btnExtractNames");
    btnWikiEN->setFocus(Qt::TabFocusReason);
    QTest::keyClick(btnWikiEN, Qt::Key_Return);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("{{Minor Planet |\r\n name=1 Ceres"));

    dialogs.answers.push_back(std::nullopt);
    btnDiacriticals->setFocus(Qt::TabFocusReason);
    QTest::keyClick(btnDiacriticals, Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Browse for Diacriticals.txt");

    btnExtractNames->setFocus(Qt::TabFocusReason);
    QTest::keyClick(btnExtractNames, Qt::Key_Space);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("1 Ceres\r\n")) << "Space as before";
}

} // namespace
} // namespace quorvane::app::test
