// The search of the Unicode name label with a names table loaded: it walks the table's entries
// in number order and matches case-sensitively.
#include "astorb/error.h"
#include "search_doubles.h"

#include <gtest/gtest.h>

#include <fstream>

namespace quorvane {
namespace {

using test::NameEntry;
using test::RecordSpec;
using test::SearchBench;

// Asteroids 1 to `count` at indexes 0 to count - 1, named N1, N2, ...
std::vector<RecordSpec> Numbered(int count) {
    std::vector<RecordSpec> records;
    for (int n = 1; n <= count; ++n) {
        records.push_back({.number = std::to_string(n), .name = "N" + std::to_string(n)});
    }
    return records;
}

// Asteroids by number, in file order; 0 stands for an unnumbered record.
std::vector<RecordSpec> WithNumbers(const std::vector<int>& numbers) {
    std::vector<RecordSpec> records;
    for (int n : numbers) {
        records.push_back(
            n == 0 ? RecordSpec{.number = "", .name = "2006 NE9"}
                   : RecordSpec{.number = std::to_string(n), .name = "N" + std::to_string(n)});
    }
    return records;
}

TEST(NameSearch, WalksTheEntriesInNumberOrderMatchingCase) {
    SearchBench bench(Numbered(10));
    // Windows-1252 names; none carries a TeX sequence, so the lookup gives them as they stand.
    bench.LoadNames({NameEntry(2, "Dvorak"), NameEntry(4, "Capek"), NameEntry(5, "dvorak minor"),
                     NameEntry(7, "Dvorak"), NameEntry(9, "\xC9lan")});

    EXPECT_EQ(bench.Find(ValueLabel::NameUnicode, u"Dvorak", 0), SearchOutcome::Found);
    EXPECT_EQ(bench.browser.position, 1);
    // The shown asteroid 2 is not examined again; the lower-case entry 5 does not match.
    EXPECT_EQ(bench.Next(), SearchOutcome::Found);
    EXPECT_EQ(bench.browser.position, 6);
    EXPECT_EQ(bench.Next(), SearchOutcome::NotFound);
    EXPECT_EQ(bench.LastNumberRead(), "9") << "the last entry's record was examined last";
    EXPECT_EQ(bench.Previous(), SearchOutcome::Found);
    EXPECT_EQ(bench.browser.position, 1);
    EXPECT_TRUE(bench.state.SearchForward);
    EXPECT_EQ(bench.Previous(), SearchOutcome::NotFound);
    EXPECT_EQ(bench.cursor.depth, 0);

    struct Row {
        const char* name;
        std::u16string text;
        int from;
        bool backward;
        SearchOutcome outcome;
        int position;
    };
    const std::vector<Row> rows = {
        {"lower case finds only the lower-case name", u"dvorak", 0, false, SearchOutcome::Found, 4},
        {"from an asteroid without an entry", u"Dvorak", 2, false, SearchOutcome::Found, 6},
        {"backward from an asteroid without an entry", u"Dvorak", 5, true, SearchOutcome::Found, 1},
        {"accented capital matches exactly", u"Élan", 0, false, SearchOutcome::Found, 8},
        {"accented small letter does not match the capital", u"élan", 0, false,
         SearchOutcome::NotFound, 0},
        {"plain Name field text is not searched", u"N3", 0, false, SearchOutcome::NotFound, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        bench.browser.position = row.from;
        bench.state.SearchText = row.text;
        EXPECT_EQ(row.backward ? bench.Previous() : bench.Next(), row.outcome);
        EXPECT_EQ(bench.browser.position,
                  row.outcome == SearchOutcome::Found ? row.position : row.from);
    }
}

// A file whose numbering has a gap or a blank number puts another record at an entry's index.
// Such an entry counts as visited, so the search still ends.
TEST(NameSearch, EntriesWhoseRecordIsAnotherAsteroidArePassedOver) {
    struct Row {
        const char* name;
        std::vector<int> numbers; // asteroid number at each index, 0 for unnumbered
        std::vector<int> entries; // asteroids with an entry named Target
        int from;
        bool backward;
        bool numberedOnly;
        SearchOutcome outcome;
        int position;         // the record found, or the index examined last
        std::string lastRead; // Number field of the record examined last
    };
    const std::vector<Row> rows = {
        // Entry 4 lands on an unnumbered record, whose blank number sorts below every key.
        {"blank number at an entry, forward",
         {1, 2, 3, 0, 5, 6},
         {4, 6},
         0,
         false,
         false,
         SearchOutcome::Found,
         5,
         "6"},
        {"blank number at an entry, numbered only",
         {1, 2, 3, 0, 5, 6},
         {4, 6},
         0,
         false,
         true,
         SearchOutcome::NotFound,
         3,
         ""},
        // Asteroid 4 is missing: entries 4 and 6 land on asteroids 5 and 7.
        {"gap, backward",
         {1, 2, 3, 5, 6, 7, 8},
         {2, 4, 6},
         6,
         true,
         false,
         SearchOutcome::Found,
         1,
         "2"},
        {"gap, forward",
         {1, 2, 3, 5, 6, 7},
         {4, 6},
         0,
         false,
         false,
         SearchOutcome::NotFound,
         5,
         "7"},
        // Asteroid 3 twice: entry 4 lands on a number below its own.
        {"number below the entry, forward",
         {1, 2, 3, 3, 5},
         {4, 5},
         0,
         false,
         false,
         SearchOutcome::Found,
         4,
         "5"},
        // Started on an unnumbered record: forwards from the first entry, backwards nothing.
        {"unnumbered start, forward",
         {1, 2, 3, 0},
         {2},
         3,
         false,
         false,
         SearchOutcome::Found,
         1,
         "2"},
        {"unnumbered start, backward",
         {1, 2, 3, 0},
         {2},
         3,
         true,
         false,
         SearchOutcome::NotFound,
         3,
         ""},
    };
    for (const auto& [row, layout] : test::EveryLayout(rows)) {
        SCOPED_TRACE(row.name);
        SearchBench bench(WithNumbers(row.numbers), layout);
        std::vector<std::string> entries;
        for (int n : row.entries) {
            entries.push_back(NameEntry(n, "Target"));
        }
        bench.LoadNames(entries);
        bench.numberedOnly.ticked = row.numberedOnly;
        bench.state = {
            .SearchText = u"Target", .SearchLabel = ValueLabel::NameUnicode, .AgainEnabled = true};
        bench.browser.position = row.from;
        EXPECT_EQ(row.backward ? bench.Previous() : bench.Next(), row.outcome);
        EXPECT_EQ(bench.state.SearchPosition, row.position);
        EXPECT_EQ(bench.LastNumberRead(), row.lastRead);
        EXPECT_EQ(bench.browser.moves.size(), row.outcome == SearchOutcome::Found ? 1u : 0u);
    }
}

// The entries' keys are as wide as the records' Number field: six characters in the six-digit
// layout, so that asteroids numbered past 99999 are found at their own index n - 1.
TEST(NameSearch, SixDigitNumbersReachTheirRecords) {
    SearchBench bench({});
    const std::vector<std::pair<int, std::string>> asteroids = {
        {1, "Ceres"}, {100000, "Astronautica"}, {136199, "Eris"}, {136200, "N136200"}};
    {
        // A sparse file: the records in between are zero bytes, which read as empty texts.
        std::ofstream file(bench.folder.path() / "AstOrb.dat", std::ios::binary);
        for (const auto& [number, name] : asteroids) {
            file.seekp(static_cast<std::streamoff>(number - 1) * 268);
            file << test::MakeRecord({.number = std::to_string(number), .name = name},
                                     RecordLayout::SixDigit);
        }
    }
    bench.database.ReplaceFile((bench.folder.path() / "AstOrb.dat").string());
    ASSERT_EQ(bench.database.RecordCount(), 136200);
    bench.browser.maximum = 136199;
    bench.LoadNames({NameEntry(1, "Ceres"), NameEntry(100000, "Astronautica"),
                     NameEntry(136199, "\\'Eris"), NameEntry(136200, "N136200")});
    EXPECT_EQ(bench.Find(ValueLabel::NameUnicode, u"ris", 0), SearchOutcome::Found);
    EXPECT_EQ(bench.browser.position, 136198);
    EXPECT_EQ(bench.LastNameRead(), "Eris");
    bench.state.SearchText = u"Astro";
    EXPECT_EQ(bench.Previous(), SearchOutcome::Found);
    EXPECT_EQ(bench.browser.position, 99999);
    bench.state.SearchText = u"Ceres";
    EXPECT_EQ(bench.Next(), SearchOutcome::NotFound) << "Ceres lies before the record shown";
    EXPECT_EQ(bench.LastNumberRead(), "136200");
}

TEST(NameSearch, EndsSilentlyOnAFailedRead) {
    SearchBench bench(Numbered(5));
    bench.LoadNames({NameEntry(3, "Short"), NameEntry(40, "Target"), NameEntry(41, "Target")});
    bench.state = {
        .SearchText = u"Target", .SearchLabel = ValueLabel::NameUnicode, .AgainEnabled = true};
    EXPECT_EQ(bench.Next(), SearchOutcome::ReadFailed) << "asteroid 40 lies past the file";
    EXPECT_EQ(bench.state.SearchPosition, 39);
    EXPECT_TRUE(bench.messages.informed.empty());
    EXPECT_EQ(bench.cursor.depth, 0);

    bench.database = AstOrbDatabase(); // no AstOrb.dat open: every read fails
    EXPECT_EQ(bench.Next(), SearchOutcome::ReadFailed);
    EXPECT_TRUE(bench.messages.informed.empty());
}

TEST(NameSearch, TableWithoutEntriesFindsNothing) {
    SearchBench bench(Numbered(3));
    bench.LoadNames({});
    bench.state = {
        .SearchText = u"N", .SearchLabel = ValueLabel::NameUnicode, .AgainEnabled = true};
    bench.browser.position = 1;
    EXPECT_EQ(bench.Next(), SearchOutcome::NotFound);
    EXPECT_EQ(bench.Previous(), SearchOutcome::NotFound);
    EXPECT_EQ(bench.messages.informed.size(), 2u);
}

TEST(NameSearch, EntryWithoutANumberRaisesTheIntegerError) {
    SearchBench bench(Numbered(5));
    // Letters sort above the digits, so the comment line is the first entry after asteroid 3.
    bench.LoadNames({NameEntry(2, "Target"), "  note on the list", NameEntry(4, "Target")});
    bench.state = {
        .SearchText = u"Target", .SearchLabel = ValueLabel::NameUnicode, .AgainEnabled = true};
    bench.browser.position = 2;
    try {
        bench.Next();
        ADD_FAILURE() << "no error raised";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'note' n'est pas une valeur entière correcte");
    }
    EXPECT_EQ(bench.cursor.depth, 0);
    EXPECT_TRUE(bench.state.SearchForward);
}

} // namespace
} // namespace quorvane
