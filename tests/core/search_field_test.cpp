// The field search: text fields, flag fields, the ends of the file, "Numbered only", the again
// commands and the search state kept between commands.
#include "astorb/error.h"
#include "core/search_bench.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

using test::RecordSpec;
using test::SearchBench;

const std::string kNoMore(kNoMoreOccurrences);

TEST(FieldSearch, FindsTheNameInAnyCaseButNeverTheRecordShown) {
    SearchBench bench({{.number = "1", .name = "Ceres"},
                       {.number = "2", .name = "Pallas"},
                       {.number = "3", .name = "cErEs Minor"},
                       {.number = "4", .name = "Vesta"}});
    std::vector<std::string> shownAtRestore;
    bench.watch = [&](std::string_view entry) {
        if (entry == "cursor default") {
            shownAtRestore.push_back(bench.model.Display().Value(ValueLabel::Name));
        }
    };
    EXPECT_EQ(bench.Find(ValueLabel::Name, u"ceres", 0), CommandEnd::Finished);
    EXPECT_EQ(bench.Position(), 2);
    EXPECT_EQ(bench.State().SearchPosition, 2);
    EXPECT_EQ(shownAtRestore, std::vector<std::string>{"cErEs Minor"})
        << "the record found is shown under the wait cursor";
    EXPECT_TRUE(bench.informed.empty());

    // From the record found, neither it nor record 0 behind it is examined again.
    EXPECT_EQ(bench.Next(), CommandEnd::NotFound);
    EXPECT_EQ(bench.informed, std::vector<std::string>({kNoMore}));
    EXPECT_EQ(bench.Position(), 2);
    EXPECT_EQ(bench.LastNameRead(), "Vesta") << "the last record examined stays the shared one";
    EXPECT_EQ(bench.cursorShown, 2);
    EXPECT_EQ(bench.CursorDepth(), 0);
}

TEST(FieldSearch, TheEndsOfTheFile) {
    struct Row {
        const char* name;
        int from;
        bool backward;
        CommandEnd end;
        int position;
    };
    // Records 0 to 3 are all named Vesta: every record examined matches.
    const std::vector<Row> rows = {
        {"forward from the last record", 3, false, CommandEnd::NotFound, 3},
        {"backward from record 0", 0, true, CommandEnd::NotFound, 0},
        {"forward from the last but one", 2, false, CommandEnd::Finished, 3},
        {"backward from record 1", 1, true, CommandEnd::Finished, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SearchBench bench({{.number = "1", .name = "Vesta"},
                           {.number = "2", .name = "Vesta"},
                           {.number = "3", .name = "Vesta"},
                           {.number = "4", .name = "Vesta"}});
        bench.model.RepeatSearch(ValueLabel::Name, u"vesta");
        bench.SetPosition(row.from);
        EXPECT_EQ(row.backward ? bench.Previous() : bench.Next(), row.end);
        EXPECT_EQ(bench.Position(), row.position);
        EXPECT_EQ(bench.informed.size(), row.end == CommandEnd::NotFound ? 1u : 0u);
        if (row.end == CommandEnd::NotFound) {
            EXPECT_EQ(bench.model.Database().CurrentIndex(), row.from)
                << "nothing was read: the shared record is the one shown";
        }
        EXPECT_TRUE(bench.State().SearchForward);
        EXPECT_EQ(bench.CursorDepth(), 0);
    }
}

TEST(FieldSearch, NumberedOnlyStopsAtTheFirstUnnumberedRecordExamined) {
    // Records 0 to 2 numbered, 3 to 6 unnumbered; Target at 1 and at 5.
    const std::vector<RecordSpec> records = {
        {.number = "1", .name = "Ceres"},     {.number = "2", .name = "Target"},
        {.number = "3", .name = "Juno"},      {.number = "", .name = "2006 NE9"},
        {.number = "", .name = "1997 US114"}, {.number = "", .name = "Target 2005"},
        {.number = "", .name = "2001 BE23"},
    };
    struct Row {
        const char* name;
        int from;
        bool backward;
        bool ticked;
        CommandEnd end;
        int position;
        const char* lastNameRead;
    };
    const std::vector<Row> rows = {
        {"forward, ticked", 1, false, true, CommandEnd::NotFound, 1, "2006 NE9"},
        {"forward, cleared", 1, false, false, CommandEnd::Finished, 5, "Target 2005"},
        // Started two records into the unnumbered ones: the first record examined is unnumbered.
        {"backward two records in, ticked", 4, true, true, CommandEnd::NotFound, 4, "2006 NE9"},
        {"backward two records in, cleared", 4, true, false, CommandEnd::Finished, 1, "Target"},
        // From the first unnumbered record the first record examined is numbered.
        {"backward from the first unnumbered, ticked", 3, true, true, CommandEnd::Finished, 1,
         "Target"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SearchBench bench(records);
        bench.numberedOnly = row.ticked;
        bench.model.RepeatSearch(ValueLabel::Name, u"TARGET");
        bench.SetPosition(row.from);
        EXPECT_EQ(row.backward ? bench.Previous() : bench.Next(), row.end);
        EXPECT_EQ(bench.Position(), row.position);
        EXPECT_EQ(bench.LastNameRead(), row.lastNameRead);
    }
}

TEST(FieldSearch, FlagFieldsFollowTheWordYes) {
    // Flag codes: record 0: 0, 1: 4 (Amor), 2: 0, 3: 12 (Amor and Mars-crosser), 4: 8.
    const std::vector<RecordSpec> records = {
        {.number = "1", .name = "A", .flags = "0"}, {.number = "2", .name = "B", .flags = "4"},
        {.number = "3", .name = "C", .flags = "0"}, {.number = "4", .name = "D", .flags = "12"},
        {.number = "5", .name = "E", .flags = "8"},
    };
    struct Row {
        const char* name;
        ValueLabel label;
        std::u16string text;
        int from;
        int found;
    };
    // Wanted is true for the non-empty pieces of "Yes" in any case, false for any other text.
    const std::vector<Row> rows = {
        {"Yes", ValueLabel::Amor, u"Yes", 0, 1},
        {"yes from a set flag", ValueLabel::Amor, u"yes", 1, 3},
        {"no finds a clear flag", ValueLabel::Amor, u"no", 1, 2},
        {"single letter y", ValueLabel::Amor, u"y", 0, 1},
        {"piece ES", ValueLabel::Amor, u"ES", 0, 1},
        {"piece s", ValueLabel::Amor, u"s", 0, 1},
        {"not a piece: ys", ValueLabel::Amor, u"ys", 1, 2},
        {"longer than the word", ValueLabel::Amor, u"yes!", 1, 2},
        {"empty text wants a clear flag", ValueLabel::Amor, u"", 1, 2},
        {"Mars-crosser bit", ValueLabel::MarsCrosser, u"yes", 0, 3},
        {"Aten clear", ValueLabel::Aten, u"no", 0, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SearchBench bench(records);
        bench.model.RepeatSearch(row.label, row.text);
        bench.SetPosition(row.from);
        EXPECT_EQ(bench.Next(), CommandEnd::Finished);
        EXPECT_EQ(bench.Position(), row.found);
    }
}

TEST(FieldSearch, FlagSearchFindsNothingPastTheLastSetFlag) {
    SearchBench bench({{.number = "1", .name = "A", .flags = "4"},
                       {.number = "2", .name = "B", .flags = "0"},
                       {.number = "3", .name = "C", .flags = "0"}});
    EXPECT_EQ(bench.Find(ValueLabel::Amor, u"YES", 0), CommandEnd::NotFound);
    EXPECT_EQ(bench.LastNameRead(), "C");
}

TEST(FieldSearch, TextIsAPlainSubstringNotANumber) {
    // Semi-major axes; "1.5" as a substring of the trimmed field, worked by hand.
    SearchBench bench({{.number = "1", .name = "A", .semiMajorAxis = "2.5"},
                       {.number = "2", .name = "B", .semiMajorAxis = "11.5"},
                       {.number = "3", .name = "C", .semiMajorAxis = "1.45"},
                       {.number = "4", .name = "D", .semiMajorAxis = "1.56"},
                       {.number = "5", .name = "E", .semiMajorAxis = "15"},
                       {.number = "6", .name = "F", .semiMajorAxis = "1.50000000"}});
    EXPECT_EQ(bench.Find(ValueLabel::SemiMajorAxis, u"1.5", 0), CommandEnd::Finished);
    EXPECT_EQ(bench.Position(), 1);
    EXPECT_EQ(bench.Next(), CommandEnd::Finished);
    EXPECT_EQ(bench.Position(), 3);
    EXPECT_EQ(bench.Next(), CommandEnd::Finished);
    EXPECT_EQ(bench.Position(), 5);
    EXPECT_EQ(bench.Next(), CommandEnd::NotFound);
}

TEST(FieldSearch, EachLabelSearchesItsOwnField) {
    // Every text field holds a value no other field holds, so a find proves the columns.
    const RecordSpec plain{.number = "1", .name = "Plain"};
    const RecordSpec marked{.number = "77",
                            .name = "Marked",
                            .h = "9.87",
                            .g = "0.43",
                            .bv = "0.61",
                            .diameter = "321.5",
                            .irasClass = "XQ",
                            .epoch = "19990704",
                            .meanAnomaly = "123.4567",
                            .argPerihelion = "234.5678",
                            .ascNode = "345.6789",
                            .inclination = "7.7654",
                            .eccentricity = "0.2468",
                            .semiMajorAxis = "3.1415"};
    struct Row {
        ValueLabel label;
        std::u16string text;
    };
    const std::vector<Row> rows = {
        {ValueLabel::Number, u"77"},
        {ValueLabel::Name, u"marked"},
        {ValueLabel::NameUnicode, u"MARK"},
        {ValueLabel::H, u"9.87"},
        {ValueLabel::G, u"0.43"},
        {ValueLabel::BVColour, u"0.61"},
        {ValueLabel::Diam, u"321.5"},
        {ValueLabel::IRASClass, u"xq"},
        {ValueLabel::Epoch, u"0704"},
        {ValueLabel::MeanAnomaly, u"123.45"},
        {ValueLabel::ArgPerihelion, u"234"},
        {ValueLabel::AscNode, u"6789"},
        {ValueLabel::Inclination, u"7.76"},
        {ValueLabel::Eccentricity, u"2468"},
        {ValueLabel::SemiMajorAxis, u"3.14"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(InfoOf(row.label).fieldName));
        // No names table: the Unicode name label searches the Name field, ignoring case.
        SearchBench bench({plain, plain, marked, plain});
        EXPECT_EQ(bench.Find(row.label, row.text, 0), CommandEnd::Finished);
        EXPECT_EQ(bench.Position(), 2);
    }
}

TEST(FieldSearch, CaseFoldsWithinWindows1252) {
    struct Row {
        const char* name;
        std::string recordName; // Windows-1252 bytes
        std::u16string text;
        bool found;
    };
    const std::vector<Row> rows = {
        {"é finds É", "\xC9lodie", u"élodie", true},
        {"É finds é", "Ren\xE9", u"RENÉ", true},
        {"ÿ finds Ÿ", "Ma\x9F", u"maÿ", true},
        {"Ÿ finds ÿ", "Ha\xFF", u"HAŸ", true},
        {"é is not e", "Rene", u"René", false},
        {"ß does not fold to SS",
         "Stra\xDF"
         "e",
         u"STRASSE", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SearchBench bench(
            {{.number = "1", .name = "Start"}, {.number = "2", .name = row.recordName}});
        EXPECT_EQ(bench.Find(ValueLabel::Name, row.text, 0),
                  row.found ? CommandEnd::Finished : CommandEnd::NotFound);
    }
}

TEST(FieldSearch, BackwardOnceThenForwardAgain) {
    SearchBench bench({{.number = "1", .name = "Vesta"},
                       {.number = "2", .name = "Pallas"},
                       {.number = "3", .name = "Vesta"},
                       {.number = "4", .name = "Pallas"},
                       {.number = "5", .name = "Vesta"}});
    EXPECT_EQ(bench.Find(ValueLabel::Name, u"vesta", 0), CommandEnd::Finished);
    EXPECT_EQ(bench.Position(), 2);
    EXPECT_EQ(bench.Previous(), CommandEnd::Finished); // Shift+F3
    EXPECT_EQ(bench.Position(), 0);
    EXPECT_TRUE(bench.State().SearchForward);
    EXPECT_EQ(bench.Next(), CommandEnd::Finished); // F3
    EXPECT_EQ(bench.Position(), 2);
    EXPECT_EQ(bench.Next(), CommandEnd::Finished);
    EXPECT_EQ(bench.Position(), 4);
}

TEST(FieldSearch, CancelledPromptKeepsTheSearch) {
    SearchBench bench({{.number = "1", .name = "Vesta"},
                       {.number = "2", .name = "Pallas"},
                       {.number = "3", .name = "Vesta"},
                       {.number = "4", .name = "Vesta"}});
    EXPECT_EQ(bench.Find(ValueLabel::Name, u"vesta", 0), CommandEnd::Finished);
    EXPECT_EQ(bench.Position(), 2);

    bench.model.SearchMenuOpening();
    bench.findAnswer.reset();
    EXPECT_EQ(bench.RunFind(ValueLabel::H), CommandEnd::NotRun);
    EXPECT_EQ(bench.promptInitialText, u"vesta") << "the prompt starts with the search text";
    EXPECT_EQ(bench.State().SearchText, u"vesta");
    EXPECT_EQ(bench.State().SearchLabel, ValueLabel::Name);
    EXPECT_TRUE(bench.State().AgainEnabled);
    EXPECT_EQ(bench.Position(), 2);

    EXPECT_EQ(bench.Next(), CommandEnd::Finished); // F3 repeats the name search
    EXPECT_EQ(bench.Position(), 3);
}

TEST(FieldSearch, EmptySearchText) {
    SearchBench bench({{.number = "1", .name = "Vesta", .flags = "4"},
                       {.number = "2", .name = "Pallas", .flags = "4"},
                       {.number = "3", .name = "Juno", .flags = "0"}});
    EXPECT_EQ(bench.Find(ValueLabel::Name, u"pallas", 0), CommandEnd::Finished);
    EXPECT_EQ(bench.Position(), 1);

    // Confirmed empty: stored, no search, the entries stay enabled until the menu opens again.
    EXPECT_EQ(bench.Find(ValueLabel::Amor, u"", 0), CommandEnd::NotRun);
    EXPECT_EQ(bench.State().SearchText, u"");
    EXPECT_EQ(bench.State().SearchLabel, ValueLabel::Name) << "the label is kept";
    EXPECT_TRUE(bench.State().AgainEnabled);
    EXPECT_EQ(bench.Position(), 0) << "the browser stays where Find started";
    EXPECT_EQ(bench.cursorShown, 1);

    // The empty text is contained in no text field: the search runs to the end.
    EXPECT_EQ(bench.Next(), CommandEnd::NotFound);
    EXPECT_EQ(bench.LastNameRead(), "Juno");

    // An empty text in a flag field looks for the flag clear.
    bench.model.RepeatSearch(ValueLabel::Amor, bench.State().SearchText);
    bench.SetPosition(0);
    EXPECT_EQ(bench.Next(), CommandEnd::Finished);
    EXPECT_EQ(bench.Position(), 2);

    bench.model.SearchMenuOpening();
    EXPECT_FALSE(bench.State().AgainEnabled);
    const int shown = bench.cursorShown;
    EXPECT_EQ(bench.Next(), CommandEnd::NotRun);
    EXPECT_EQ(bench.Previous(), CommandEnd::NotRun);
    EXPECT_EQ(bench.cursorShown, shown) << "a disabled again command does nothing";
    EXPECT_EQ(bench.informed.size(), 1u);
}

TEST(FieldSearch, MenuOpeningEnablesTheAgainEntriesAndResetsTheDirection) {
    SearchState state;
    SearchMenuOpening(state);
    EXPECT_FALSE(state.AgainEnabled) << "no search at start-up";
    state.SearchText = u"x";
    state.SearchForward = false;
    SearchMenuOpening(state);
    EXPECT_TRUE(state.AgainEnabled);
    EXPECT_TRUE(state.SearchForward);
}

TEST(FieldSearch, MalformedFlagCodeEndsTheSearchWithTheIntegerError) {
    struct Row {
        const char* name;
        std::string flags;
        const char* message;
    };
    const std::vector<Row> rows = {
        {"letters", "abc", "'abc' n'est pas une valeur entière correcte"},
        {"blank", "", "'' n'est pas une valeur entière correcte"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SearchBench bench({{.number = "1", .name = "A", .flags = "0"},
                           {.number = "2", .name = "B", .flags = "0"},
                           {.number = "3", .name = "C", .flags = row.flags},
                           {.number = "4", .name = "D", .flags = "0"}});
        bench.model.RepeatSearch(ValueLabel::Amor, u"yes");
        bench.SetPosition(3);
        try {
            bench.Previous();
            ADD_FAILURE() << "no error raised";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), row.message);
        }
        EXPECT_EQ(bench.cursorShown, 1);
        EXPECT_EQ(bench.CursorDepth(), 0) << "the cursor is restored";
        EXPECT_TRUE(bench.State().SearchForward) << "the direction is reset";
        EXPECT_EQ(bench.Position(), 3);
        EXPECT_TRUE(bench.informed.empty());
    }
}

TEST(FieldSearch, FailedReadEndsSilently) {
    SearchBench bench(
        test::PaddedTo({{.number = "1", .name = "A"}, {.number = "2", .name = "B"}}, 6));
    // The scroll bar reaches past the end of the file: the file shrank after opening.
    bench.CutFileAfter(2);
    bench.model.RepeatSearch(ValueLabel::Name, u"zzz");
    EXPECT_EQ(bench.Next(), CommandEnd::ReadFailed);
    EXPECT_EQ(bench.State().SearchPosition, 2);
    EXPECT_EQ(bench.LastNameRead(), "B");
    EXPECT_TRUE(bench.informed.empty());
    EXPECT_EQ(bench.Position(), 0);
    EXPECT_EQ(bench.CursorDepth(), 0);
}

} // namespace
} // namespace quorvane
