// The search of the Unicode name label with a names table loaded: it walks the table's entries
// in number order and matches case-sensitively.
#include "astorb/error.h"
#include "core/search_bench.h"

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

    EXPECT_EQ(bench.Find(ValueLabel::NameUnicode, u"Dvorak", 0), CommandEnd::Finished);
    EXPECT_EQ(bench.Position(), 1);
    // The shown asteroid 2 is not examined again; the lower-case entry 5 does not match.
    EXPECT_EQ(bench.Next(), CommandEnd::Finished);
    EXPECT_EQ(bench.Position(), 6);
    EXPECT_EQ(bench.Next(), CommandEnd::NotFound);
    EXPECT_EQ(bench.LastNumberRead(), "9") << "the last entry's record was examined last";
    EXPECT_EQ(bench.Previous(), CommandEnd::Finished);
    EXPECT_EQ(bench.Position(), 1);
    EXPECT_TRUE(bench.State().SearchForward);
    EXPECT_EQ(bench.Previous(), CommandEnd::NotFound);
    EXPECT_EQ(bench.CursorDepth(), 0);

    struct Row {
        const char* name;
        std::u16string text;
        int from;
        bool backward;
        CommandEnd end;
        int position;
    };
    const std::vector<Row> rows = {
        {"lower case finds only the lower-case name", u"dvorak", 0, false, CommandEnd::Finished, 4},
        {"from an asteroid without an entry", u"Dvorak", 2, false, CommandEnd::Finished, 6},
        {"backward from an asteroid without an entry", u"Dvorak", 5, true, CommandEnd::Finished, 1},
        {"accented capital matches exactly", u"Élan", 0, false, CommandEnd::Finished, 8},
        {"accented small letter does not match the capital", u"élan", 0, false,
         CommandEnd::NotFound, 0},
        {"plain Name field text is not searched", u"N3", 0, false, CommandEnd::NotFound, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        bench.SetPosition(row.from);
        bench.model.RepeatSearch(ValueLabel::NameUnicode, row.text);
        EXPECT_EQ(row.backward ? bench.Previous() : bench.Next(), row.end);
        EXPECT_EQ(bench.Position(), row.end == CommandEnd::Finished ? row.position : row.from);
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
        CommandEnd end;
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
         CommandEnd::Finished,
         5,
         "6"},
        {"blank number at an entry, numbered only",
         {1, 2, 3, 0, 5, 6},
         {4, 6},
         0,
         false,
         true,
         CommandEnd::NotFound,
         3,
         ""},
        // Asteroid 4 is missing: entries 4 and 6 land on asteroids 5 and 7.
        {"gap, backward",
         {1, 2, 3, 5, 6, 7, 8},
         {2, 4, 6},
         6,
         true,
         false,
         CommandEnd::Finished,
         1,
         "2"},
        {"gap, forward", {1, 2, 3, 5, 6, 7}, {4, 6}, 0, false, false, CommandEnd::NotFound, 5, "7"},
        // Asteroid 3 twice: entry 4 lands on a number below its own.
        {"number below the entry, forward",
         {1, 2, 3, 3, 5},
         {4, 5},
         0,
         false,
         false,
         CommandEnd::Finished,
         4,
         "5"},
        // Started on an unnumbered record: forwards from the first entry, backwards nothing.
        {"unnumbered start, forward",
         {1, 2, 3, 0},
         {2},
         3,
         false,
         false,
         CommandEnd::Finished,
         1,
         "2"},
        {"unnumbered start, backward",
         {1, 2, 3, 0},
         {2},
         3,
         true,
         false,
         CommandEnd::NotFound,
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
        bench.numberedOnly = row.numberedOnly;
        bench.model.RepeatSearch(ValueLabel::NameUnicode, u"Target");
        bench.SetPosition(row.from);
        EXPECT_EQ(row.backward ? bench.Previous() : bench.Next(), row.end);
        EXPECT_EQ(bench.State().SearchPosition, row.position);
        EXPECT_EQ(bench.LastNumberRead(), row.lastRead);
        EXPECT_EQ(bench.Position(), row.end == CommandEnd::Finished ? row.position : row.from);
    }
}

// The entries' keys are as wide as the records' Number field: six characters in the six-digit
// layout, so that asteroids numbered past 99999 are found at their own index n - 1.
TEST(NameSearch, SixDigitNumbersReachTheirRecords) {
    SearchBench bench;
    const std::vector<std::pair<int, std::string>> asteroids = {
        {1, "Ceres"}, {100000, "Astronautica"}, {136199, "Eris"}, {136200, "N136200"}};
    {
        // A sparse file: the records in between are zero bytes, which read as empty texts.
        std::ofstream file(bench.Folder().path() / "AstOrb.dat", std::ios::binary);
        for (const auto& [number, name] : asteroids) {
            file.seekp(static_cast<std::streamoff>(number - 1) * 268);
            file << test::MakeRecord({.number = std::to_string(number), .name = name},
                                     RecordLayout::SixDigit);
        }
    }
    bench.Open((bench.Folder().path() / "AstOrb.dat").string());
    ASSERT_EQ(bench.Maximum(), 136199);
    bench.LoadNames({NameEntry(1, "Ceres"), NameEntry(100000, "Astronautica"),
                     NameEntry(136199, "\\'Eris"), NameEntry(136200, "N136200")});
    EXPECT_EQ(bench.Find(ValueLabel::NameUnicode, u"ris", 0), CommandEnd::Finished);
    EXPECT_EQ(bench.Position(), 136198);
    EXPECT_EQ(bench.LastNameRead(), "Eris");
    bench.model.RepeatSearch(ValueLabel::NameUnicode, u"Astro");
    EXPECT_EQ(bench.Previous(), CommandEnd::Finished);
    EXPECT_EQ(bench.Position(), 99999);
    bench.model.RepeatSearch(ValueLabel::NameUnicode, u"Ceres");
    EXPECT_EQ(bench.Next(), CommandEnd::NotFound) << "Ceres lies before the record shown";
    EXPECT_EQ(bench.LastNumberRead(), "136200");
}

TEST(NameSearch, EndsSilentlyOnAFailedRead) {
    SearchBench bench(Numbered(5));
    bench.LoadNames({NameEntry(3, "Short"), NameEntry(40, "Target"), NameEntry(41, "Target")});
    bench.model.RepeatSearch(ValueLabel::NameUnicode, u"Target");
    EXPECT_EQ(bench.Next(), CommandEnd::ReadFailed) << "asteroid 40 lies past the file";
    EXPECT_EQ(bench.State().SearchPosition, 39);
    EXPECT_TRUE(bench.informed.empty());
    EXPECT_EQ(bench.CursorDepth(), 0);

    // A file that cannot be opened closes the open one: every read fails.
    EXPECT_THROW(bench.Open(bench.Folder().str() + "/missing/AstOrb.dat"), Error);
    EXPECT_EQ(bench.Next(), CommandEnd::ReadFailed);
    EXPECT_TRUE(bench.informed.empty());
}

TEST(NameSearch, TableWithoutEntriesFindsNothing) {
    SearchBench bench(Numbered(3));
    bench.LoadNames({});
    bench.model.RepeatSearch(ValueLabel::NameUnicode, u"N");
    bench.SetPosition(1);
    EXPECT_EQ(bench.Next(), CommandEnd::NotFound);
    EXPECT_EQ(bench.Previous(), CommandEnd::NotFound);
    EXPECT_EQ(bench.informed.size(), 2u);
}

TEST(NameSearch, EntryWithoutANumberRaisesTheIntegerError) {
    SearchBench bench(Numbered(5));
    // Letters sort above the digits, so the comment line is the first entry after asteroid 3.
    bench.LoadNames({NameEntry(2, "Target"), "  note on the list", NameEntry(4, "Target")});
    bench.model.RepeatSearch(ValueLabel::NameUnicode, u"Target");
    bench.SetPosition(2);
    try {
        bench.Next();
        ADD_FAILURE() << "no error raised";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'note' n'est pas une valeur entière correcte");
    }
    EXPECT_EQ(bench.CursorDepth(), 0);
    EXPECT_TRUE(bench.State().SearchForward);
}

} // namespace
} // namespace quorvane
