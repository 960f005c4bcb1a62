// The name extraction: which records are listed, where it stops and where the browser ends.
#include "astorb/error.h"
#include "core/fixture_window.h"
#include "lists/names.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

using test::FixtureWindow;
using test::RecordSpec;

RecordSpec Named(std::string number, std::string name) {
    RecordSpec fields;
    fields.number = std::move(number);
    fields.name = std::move(name);
    return fields;
}

TEST(NameExtraction, ListsNumberedRecordsUpToTheFirstUnnumbered) {
    // A Name field starting with 1 to 9 is a designation and left out; "0..." and letters stay.
    const std::vector<RecordSpec> records = {
        Named("1", "Ceres"), Named("2", "1991 AB"), Named("3", "0815"),       Named("4", "9 Lives"),
        Named("5", "Zed"),   Named("", "2004 AB1"), Named("6", "After Stop"),
    };
    struct Row {
        const char* name;
        bool numberedOnly; // ignored by this command
    };
    for (const Row row : {Row{"numbered only", true}, Row{"all records", false}}) {
        SCOPED_TRACE(row.name);
        FixtureWindow window;
        window.Open(records);
        window.numberedOnly = row.numberedOnly;
        window.SetPosition(6);
        EXPECT_EQ(window.RunNames(), CommandEnd::Finished);
        EXPECT_EQ(window.clipboard, "1 Ceres\r\n3 0815\r\n5 Zed\r\n");
        EXPECT_EQ(window.informed, std::vector<std::string>{"Done. 3 results in the clipboard."});
        // Stopped on index 5: the browser shows the last numbered record.
        EXPECT_EQ(window.Position(), 4);
        EXPECT_EQ(window.shownAtMessages, std::vector<std::string>{"5 Zed"});
        // Pending messages after every record examined but the last: records 0 to 4.
        EXPECT_EQ(window.pumps, 5);
        EXPECT_EQ(window.log.front(), "cursor wait");
        EXPECT_EQ(window.log[1], "window disabled");
        EXPECT_EQ(window.log[window.log.size() - 2], "window enabled");
        EXPECT_EQ(window.log.back(), "cursor default");
    }
}

TEST(NameExtraction, WhereTheBrowserEnds) {
    struct Row {
        const char* name;
        std::vector<RecordSpec> records;
        int startPosition;
        int endPosition;
        const char* list;
        int pumps;
    };
    const std::vector<Row> rows = {
        // The position -1 is raised to the minimum.
        {"first record unnumbered", {Named("", "2004 AB1"), Named("1", "Ceres")}, 1, 0, "", 0},
        // Every record numbered: the loop ends on the last, the browser one before it.
        {"all numbered",
         {Named("1", "Ceres"), Named("2", "Pallas"), Named("3", "Juno"), Named("4", "Vesta")},
         0,
         2,
         "1 Ceres\r\n2 Pallas\r\n3 Juno\r\n4 Vesta\r\n",
         3},
        {"one numbered record", {Named("1", "Ceres")}, 0, 0, "1 Ceres\r\n", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FixtureWindow window;
        window.Open(row.records);
        window.SetPosition(row.startPosition);
        window.RunNames();
        EXPECT_EQ(window.Position(), row.endPosition);
        EXPECT_EQ(window.clipboard, row.list);
        EXPECT_EQ(window.pumps, row.pumps);
        EXPECT_EQ(window.informed.size(), 1u);
    }
}

TEST(NameExtraction, CountZeroWhenTheFirstRecordIsUnnumbered) {
    FixtureWindow window;
    window.Open({Named("", "2004 AB1"), Named("1", "Ceres")});
    window.RunNames();
    // The browser is sent to -1, which its range raises to record 0, the one already shown.
    EXPECT_EQ(window.Position(), 0);
    EXPECT_EQ(window.model.Display().Value(ValueLabel::Name), "2004 AB1");
    EXPECT_EQ(window.informed, std::vector<std::string>{"Done. 0 results in the clipboard."});
}

TEST(NameExtraction, EndsQuietlyWithoutADatabaseOrOnAShortRead) {
    struct Row {
        const char* name;
        bool open;
    };
    for (const Row row : {Row{"no database open", false}, Row{"read past the file", true}}) {
        SCOPED_TRACE(row.name);
        FixtureWindow window;
        if (row.open) {
            window.Open(test::PaddedTo({Named("1", "Ceres"), Named("2", "Pallas")}, 6));
            window.CutFileAfter(2);
        }
        EXPECT_EQ(window.RunNames(), CommandEnd::ReadFailed);
        EXPECT_FALSE(window.clipboard);
        EXPECT_TRUE(window.informed.empty());
        EXPECT_EQ(window.Position(), 0);
        EXPECT_TRUE(window.windowEnabled);
        EXPECT_EQ(window.cursorRestored, 1);
    }
}

TEST(NameExtraction, ErrorOfTheDisplayEnablesTheWindowAgain) {
    // The list ends on Pallas, whose flag code is no integer: showing it raises.
    RecordSpec pallas = Named("2", "Pallas");
    pallas.flags = "x";
    FixtureWindow window;
    window.Open({Named("1", "Ceres"), pallas, Named("", "2004 AB1")});
    EXPECT_THROW(window.RunNames(), Error);
    EXPECT_EQ(window.Position(), 1);
    EXPECT_TRUE(window.windowEnabled);
    EXPECT_EQ(window.cursorRestored, 1);
    EXPECT_FALSE(window.clipboard);
}

} // namespace
} // namespace quorvane
