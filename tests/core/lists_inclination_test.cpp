// The highest-inclination scan: folding, strict maxima, where it stops.
#include "astorb/error.h"
#include "core/fixture_window.h"
#include "lists/inclination.h"
#include "reference/plain_scans.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

using test::FixtureWindow;
using test::RecordSpec;

RecordSpec Inclined(std::string number, std::string inclination) {
    return test::Orbit(std::move(number), "Test", "2.5", "0.1", std::move(inclination));
}

TEST(FoldedInclination, RetrogradeFoldsBack) {
    EXPECT_EQ(FoldedInclination(10.0), 10.0);
    EXPECT_EQ(FoldedInclination(90.0), 90.0);
    EXPECT_EQ(FoldedInclination(170.0), 10.0);
    EXPECT_EQ(FoldedInclination(180.0), 0.0);
}

TEST(InclinationScan, StrictMaximaOfTheFoldedInclination) {
    // 170 counts as 10 and ties the start; 150 ties 30; the second 90.0 ties the first.
    FixtureWindow window;
    window.Open({Inclined("1", "10"), Inclined("2", "170"), Inclined("3", "30"),
                 Inclined("4", "150"), Inclined("5", "90.0"), Inclined("6", "90.0"),
                 Inclined("7", "95")});
    EXPECT_EQ(window.RunInclination(), CommandEnd::Finished);
    // The window shows the last maximum: the moves through the earlier ones are never painted.
    EXPECT_EQ(window.Position(), 4);
    EXPECT_EQ(window.log, (std::vector<std::string>{"inform Done."}));
    EXPECT_EQ(window.shownAtMessages, std::vector<std::string>{"5 Test"});
    // The definition moves through every new maximum.
    FixtureWindow plain;
    plain.Open({Inclined("1", "10"), Inclined("2", "170"), Inclined("3", "30"),
                Inclined("4", "150"), Inclined("5", "90.0"), Inclined("6", "90.0"),
                Inclined("7", "95")});
    EXPECT_EQ(ScanHighestInclinationPlain(plain.Ports()), ScanEnd::Finished);
    EXPECT_EQ(plain.browsed, (std::vector<int>{2, 4}));
}

TEST(InclinationScan, StartsAfterTheRecordShown) {
    FixtureWindow window;
    window.Open({Inclined("1", "60"), Inclined("2", "40"), Inclined("3", "20"), Inclined("4", "30"),
                 Inclined("5", "25")});
    window.SetPosition(2);
    window.RunInclination();
    EXPECT_EQ(window.Position(), 3);

    FixtureWindow highestFirst;
    highestFirst.Open({Inclined("1", "60"), Inclined("2", "40"), Inclined("3", "60")});
    highestFirst.RunInclination();
    EXPECT_EQ(highestFirst.Position(), 0);
    EXPECT_EQ(highestFirst.informed, std::vector<std::string>{"Done."});
}

TEST(InclinationScan, NumberedOnlyEndsAtTheFirstUnnumbered) {
    const std::vector<RecordSpec> records = {Inclined("1", "10"), Inclined("", "20"),
                                             Inclined("2", "30")};
    struct Row {
        const char* name;
        bool numberedOnly;
        std::vector<int> maxima; // the definition's moves; the window shows the last
    };
    const Row rows[] = {{"numbered only", true, {}}, {"all records", false, {1, 2}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FixtureWindow window;
        window.Open(records);
        window.numberedOnly = row.numberedOnly;
        EXPECT_EQ(window.RunInclination(), CommandEnd::Finished);
        EXPECT_EQ(window.Position(), row.maxima.empty() ? 0 : row.maxima.back());
        EXPECT_EQ(window.informed, std::vector<std::string>{"Done."});
        FixtureWindow plain;
        plain.Open(records);
        plain.numberedOnly = row.numberedOnly;
        EXPECT_EQ(ScanHighestInclinationPlain(plain.Ports()), ScanEnd::Finished);
        EXPECT_EQ(plain.browsed, row.maxima);
    }
}

TEST(InclinationScan, ReadPastTheEndEndsWithoutDone) {
    struct Row {
        const char* name;
        int start;
        int opened; // the records the file held when it was opened; it then holds 3
        int end;    // the browser position afterwards
    };
    const Row rows[] = {
        // The last record: the first read after it fails.
        {"started on the last record", 2, 3, 2},
        // A maximum beyond the file: the browser stays on the last new maximum.
        {"file shorter than the browser's range", 0, 10, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FixtureWindow window;
        window.Open(test::PaddedTo({Inclined("1", "10"), Inclined("2", "20"), Inclined("3", "15")},
                                   row.opened));
        window.SetPosition(row.start);
        window.CutFileAfter(3);
        EXPECT_EQ(window.RunInclination(), CommandEnd::ReadFailed);
        EXPECT_EQ(window.Position(), row.end);
        EXPECT_TRUE(window.informed.empty());
    }
}

TEST(InclinationScan, LeavesCursorClipboardAndMessagesAlone) {
    FixtureWindow window;
    window.Open({Inclined("1", "10"), Inclined("2", "20")});
    window.RunInclination();
    EXPECT_EQ(window.cursorShown, 0);
    EXPECT_FALSE(window.clipboard);
    EXPECT_EQ(window.pumps, 0);
    EXPECT_TRUE(window.windowEnabled);
}

TEST(InclinationScan, MalformedInclinationRaises) {
    FixtureWindow window;
    window.Open({Inclined("1", "10"), Inclined("2", "20"), Inclined("3", "2O")});
    try {
        window.RunInclination();
        FAIL() << "no error raised";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "'2O' n'est pas une valeur en virgule flottante correcte");
    }
    EXPECT_EQ(window.Position(), 1);
    EXPECT_TRUE(window.informed.empty());
}

} // namespace
} // namespace quorvane
