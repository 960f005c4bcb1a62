// The real message boxes, answered offscreen as a user would.
#include "app/seams.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

namespace quorvane::app::test {
namespace {

// Runs `answer` on the modal box once it is up.
void WhenTheBoxShows(std::function<void(QMessageBox&)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        answer(*box);
    });
}

TEST(MessageBoxes, FamilyQuestionOffersYesAndNoOnly) {
    struct Row {
        const char* name;
        QMessageBox::StandardButton pressed;
        bool expected;
    };
    const Row rows[] = {
        {"Yes runs another pass", QMessageBox::Yes, true},
        {"No ends the scan", QMessageBox::No, false},
    };
    const QString question = "Pass complete. 3 asteroids added. Another pass?";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WhenTheBoxShows([&](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), "Quorvane");
            EXPECT_EQ(box.text(), question);
            EXPECT_EQ(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);
            EXPECT_EQ(box.buttons().size(), 2);
            EXPECT_FALSE(box.windowFlags() & Qt::WindowCloseButtonHint) << "no close button";
            QTest::keyClick(&box, Qt::Key_Escape);
            EXPECT_TRUE(box.isVisible()) << "Escape does nothing";
            EXPECT_FALSE(box.close()) << "closing it is no answer";
            EXPECT_TRUE(box.isVisible());
            box.button(row.pressed)->click();
        });
        QtMessageBoxes boxes;
        EXPECT_EQ(boxes.AskYesNo(nullptr, question), row.expected);
    }
}

TEST(MessageBoxes, DoneMessageClosesWithEscape) {
    WhenTheBoxShows([](QMessageBox& box) {
        EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    QtMessageBoxes boxes;
    boxes.Inform(nullptr, "Done. 3 results in the clipboard.");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace quorvane::app::test
