// The family extraction: the velocity distance, membership, the "0.0" distances and the passes.
#include "astorb/error.h"
#include "core/fixture_window.h"
#include "lists/family.h"
#include "lists/one_decimal.h"
#include "reference/family_members.h"

#include "astorb/numbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorvane {
namespace {

using test::FixtureWindow;
using test::Orbit;

constexpr NumberFormat kPoint{'.'};

FamilyMembers OneMember(double a, double e, double s, int index = 0) {
    FamilyMembers members;
    members.Add(a, e, s, index);
    return members;
}

double Distance(const FamilyMembers& members, double a, double e, double s) {
    return FamilyDistance(members, a, e, s, MeanMotion(a));
}

TEST(FamilyDistance, WorkedDistances) {
    // The worked examples: equal inclinations; the candidate's a and mean motion set the scale,
    // so exchanging the roles changes the distance. Hand computation of the first:
    // C k / sqrt(2.5) * sqrt(1.25 * 0.004^2) = 18837.5 * 0.0044721 = 84.24 m/s.
    const double s = SineOfInclination(5.0);
    struct Row {
        const char* name;
        double a, e;             // candidate
        double memberA, memberE; // member
        const char* shown;       // as the list writes it
    };
    const Row rows[] = {
        {"a 2.5 against 2.51", 2.5, 0.1, 2.51, 0.1, "84.2"},
        {"a 2.51 against 2.5", 2.51, 0.1, 2.5, 0.1, "83.7"},
        {"e 0.101 against 0.1", 2.5, 0.101, 2.5, 0.1, "26.6"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const double d = Distance(OneMember(row.memberA, row.memberE, s), row.a, row.e, s);
        EXPECT_EQ(FormatOneDecimal(d, kPoint), row.shown);
    }
    EXPECT_NEAR(Distance(OneMember(2.51, 0.1, s), 2.5, 0.1, s), 84.2438, 1e-3);
}

TEST(FamilyDistance, SmallestOverTheMembersFromTheStartValue) {
    EXPECT_EQ(Distance(FamilyMembers{}, 2.5, 0.1, 0.1), kDistanceStart);
    FamilyMembers members;
    members.Add(2.51, 0.1, 0.0, 7);  // 84.2 m/s from the candidate below
    members.Add(2.5, 0.101, 0.0, 3); // 26.6 m/s
    members.Add(2.6, 0.1, 0.0, 9);
    EXPECT_EQ(FormatOneDecimal(Distance(members, 2.5, 0.1, 0.0), kPoint), "26.6");
    // A distance that is not a number never replaces the minimum.
    EXPECT_EQ(FamilyDistance(members, 2.5, 0.1, 0.0, std::nan("")), kDistanceStart);
}

TEST(FamilyDistance, SupplementaryInclinationsShareTheirSine) {
    // i and 180 - i differ by one unit in the last place at most: far below 0.05 m/s.
    const FamilyMembers members = OneMember(2.5, 0.1, SineOfInclination(5.0));
    EXPECT_EQ(FormatOneDecimal(Distance(members, 2.5, 0.1, SineOfInclination(175.0)), kPoint),
              "0.0");
}

TEST(FamilyMembership, LinearSearchThroughTheRecordIndexes) {
    FamilyMembers members;
    EXPECT_FALSE(IsFamilyMember(members, 0));
    members.Add(2.5, 0.1, 0.1, 12);
    members.Add(2.5, 0.1, 0.1, 3);
    EXPECT_TRUE(IsFamilyMember(members, 3));
    EXPECT_TRUE(IsFamilyMember(members, 12));
    EXPECT_FALSE(IsFamilyMember(members, 4));
    EXPECT_EQ(members.size(), 2u);
}

// The seed at index 2; B (index 1) lies 26.6 m/s from the seed, A (index 0) 26.6 m/s from B and
// 53.3 m/s from the seed; D is far from all.
std::vector<test::RecordSpec> ChainFile() {
    return {Orbit("1", "Alpha", "2.5", "0.102"), Orbit("2", "Beta", "2.5", "0.101"),
            Orbit("3", "Seed", "2.5", "0.1"), Orbit("4", "Delta", "2.5", "0.2")};
}

TEST(FamilyScan, MemberOfALaterMemberIsFoundInTheNextPass) {
    FixtureWindow window;
    window.Open(ChainFile());
    window.SetPosition(2);
    window.tolerance = 30;
    window.answers = {true, true, false};
    EXPECT_EQ(window.RunFamily(), CommandEnd::Finished);
    EXPECT_EQ(window.clipboard, "[[3 Seed family]] members; tolerance 30 m/s\r\n"
                                "* [[2 Beta]] 26.6\r\n"
                                "* [[1 Alpha]] 26.6\r\n");
    EXPECT_EQ(window.asked,
              (std::vector<std::string>{"Pass complete. 1 asteroids added. Another pass?",
                                        "Pass complete. 1 asteroids added. Another pass?",
                                        "Pass complete. 0 asteroids added. Another pass?"}));
    // The seed counts: two member lines give 3.
    EXPECT_EQ(window.informed, std::vector<std::string>{"Done. 3 results in the clipboard."});
    // Each pass: pending messages, then the question, the browser back on the seed.
    EXPECT_EQ(window.log, (std::vector<std::string>{
                              "cursor wait",
                              "pump",
                              "ask Pass complete. 1 asteroids added. Another pass?",
                              "pump",
                              "ask Pass complete. 1 asteroids added. Another pass?",
                              "pump",
                              "ask Pass complete. 0 asteroids added. Another pass?",
                              "clipboard",
                              "inform Done. 3 results in the clipboard.",
                              "cursor default",
                          }));
    EXPECT_EQ(window.shownAtMessages,
              (std::vector<std::string>{"3 Seed", "3 Seed", "3 Seed", "3 Seed"}));
    EXPECT_EQ(window.Position(), 2);
}

TEST(FamilyScan, AnsweringNoAfterTheFirstPass) {
    FixtureWindow window;
    window.Open(ChainFile());
    window.SetPosition(2);
    window.tolerance = 30;
    window.RunFamily();
    EXPECT_EQ(window.clipboard, "[[3 Seed family]] members; tolerance 30 m/s\r\n"
                                "* [[2 Beta]] 26.6\r\n");
    EXPECT_EQ(window.informed.back(), "Done. 2 results in the clipboard.");
    EXPECT_EQ(window.Position(), 2);
}

TEST(FamilyScan, PassThatAddsNothingStillAsks) {
    FixtureWindow window;
    window.Open(ChainFile());
    window.SetPosition(3);
    window.tolerance = 10;
    window.answers = {true, false};
    window.RunFamily();
    EXPECT_EQ(window.asked,
              (std::vector<std::string>{"Pass complete. 0 asteroids added. Another pass?",
                                        "Pass complete. 0 asteroids added. Another pass?"}));
    EXPECT_EQ(window.clipboard, "[[4 Delta family]] members; tolerance 10 m/s\r\n");
    EXPECT_EQ(window.informed.back(), "Done. 1 results in the clipboard.");
    EXPECT_EQ(window.pumps, 2);
}

TEST(FamilyScan, ToleranceZeroFindsOnlyIdenticalOrbits) {
    // Equal distance and tolerance (0.0 and 0) count as inside; a supplementary inclination
    // differs in the last bit of its sine, so it stays out at 0 m/s.
    FixtureWindow window;
    window.Open({Orbit("1", "Seed", "2.5", "0.1"), Orbit("2", "Twin", "2.5", "0.1"),
                 Orbit("3", "Near", "2.5", "0.1000001"), Orbit("4", "Mirror", "2.5", "0.1", "175"),
                 Orbit("5", "Twin2", "2.50", "0.10", "5.0")});
    window.tolerance = 0;
    window.RunFamily();
    EXPECT_EQ(window.clipboard, "[[1 Seed family]] members; tolerance 0 m/s\r\n"
                                "* [[2 Twin]] 0.0\r\n"
                                "* [[5 Twin2]] 0.0\r\n");
    EXPECT_EQ(window.informed.back(), "Done. 3 results in the clipboard.");
}

TEST(FamilyScan, ToleranceIsReadForEveryCandidateHeaderKeepsTheFirst) {
    FixtureWindow window;
    window.Open(ChainFile());
    window.SetPosition(2);
    window.tolerance = 20;
    window.answers = {true, false};
    window.onAsk = [&window] { window.tolerance = 30; }; // moved while the messages ran
    window.RunFamily();
    EXPECT_EQ(window.clipboard, "[[3 Seed family]] members; tolerance 20 m/s\r\n"
                                "* [[2 Beta]] 26.6\r\n");
}

TEST(FamilyScan, NumberedOnlyEndsEveryPassUnnumberedSeedIsStillNamed) {
    // The seed is a member, so its own record is skipped unread and does not end the pass; the
    // next unnumbered record does.
    const std::vector<test::RecordSpec> records = {
        Orbit("1", "Twin", "2.5", "0.1"), Orbit("", "2004 AB1", "2.5", "0.1"),
        Orbit("2", "Late", "2.5", "0.1"), Orbit("", "2005 CD2", "2.5", "0.1"),
        Orbit("3", "After", "2.5", "0.1")};
    struct Row {
        const char* name;
        bool numberedOnly;
        const char* list;
    };
    const Row rows[] = {
        {"numbered only", true,
         "[[2004 AB1 family]] members; tolerance 5 m/s\r\n* [[1 Twin]] 0.0\r\n"
         "* [[2 Late]] 0.0\r\n"},
        {"all records", false,
         "[[2004 AB1 family]] members; tolerance 5 m/s\r\n* [[1 Twin]] 0.0\r\n"
         "* [[2 Late]] 0.0\r\n* [[2005 CD2|2005 CD<sub>2</sub>]] 0.0\r\n* [[3 After]] 0.0\r\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FixtureWindow window;
        window.Open(records);
        window.SetPosition(1);
        window.tolerance = 5;
        window.numberedOnly = row.numberedOnly;
        window.answers = {true, false};
        window.RunFamily();
        EXPECT_EQ(window.clipboard, row.list);
    }
}

TEST(FamilyScan, ShortReadAndMalformedNumbersEndTheCommand) {
    struct Row {
        const char* name;
        int seed;
        int opened;      // the records the file held when it was opened; it then holds 4
        const char* bad; // a malformed semi-major axis for record 3, or empty
        bool throws;
    };
    const Row rows[] = {
        {"seed beyond the file", 9, 13, "", false},
        {"candidate beyond the file", 2, 7, "", false},
        {"malformed candidate", 2, 4, "2.5x", true},
        {"malformed seed", 3, 4, "2.5x", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<test::RecordSpec> records = ChainFile();
        if (*row.bad != '\0') {
            records[3].semiMajorAxis = row.bad;
        }
        FixtureWindow window;
        window.Open(test::PaddedTo(records, row.opened));
        window.SetPosition(row.seed);
        window.CutFileAfter(4);
        window.tolerance = 30;
        window.answers = {true, true, true};
        if (row.throws) {
            EXPECT_THROW(window.RunFamily(), Error);
        } else {
            EXPECT_EQ(window.RunFamily(), CommandEnd::ReadFailed);
        }
        EXPECT_FALSE(window.clipboard);
        EXPECT_TRUE(window.informed.empty());
        EXPECT_TRUE(window.asked.empty());
        EXPECT_EQ(window.cursorShown, 1);
        EXPECT_EQ(window.cursorRestored, 1);
    }
}

TEST(OneDecimal, RoundsTheExactValueHalvesAwayFromZero) {
    // Expected values: the exact binary value of each double rounded by hand to one decimal.
    struct Row {
        const char* name;
        double value;
        const char* text;
    };
    const Row rows[] = {
        {"plain", 84.2438, "84.2"},
        {"exact half up", 0.25, "0.3"},
        {"exact half up from .75", 84.75, "84.8"},
        {"negative half away from zero", -0.25, "-0.3"},
        {"0.35 is stored below the half", 0.35, "0.3"},
        {"2.35 is stored above the half", 2.35, "2.4"},
        {"zero", 0.0, "0.0"},
        {"small", 0.04, "0.0"},
        {"carry into the units", 199.96, "200.0"},
        {"whole", 12.0, "12.0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FormatOneDecimal(row.value, kPoint), row.text);
    }
}

TEST(OneDecimal, UsesTheFormatsSeparator) {
    const NumberFormat comma{','};
    EXPECT_EQ(FormatOneDecimal(26.64, comma), "26,6");
    EXPECT_EQ(FormatOneDecimal(0.75, comma), "0,8");
}

} // namespace
} // namespace quorvane
