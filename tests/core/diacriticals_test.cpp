// Diacriticals.txt: splitting into lines, loading, and the lookup of a name by number.
#include "astorb/diacriticals.h"
#include "astorb/error.h"
#include "support/fixtures.h"
#include "text/cp1252.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace quorvane {
namespace {

using test::TempFolder;

const std::string kHeader = "header one\r\nheader two\r\nheader three\r\n";

// An entry line: number right-aligned in characters 2 to 7, the name from character 30.
std::string Entry(const std::string& number, const std::string& name) {
    return " " + std::string(6 - number.size(), ' ') + number + std::string(22, ' ') + name;
}

std::vector<std::string> LinesOf(const DiacriticalNames& table) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < table.Count(); ++i) {
        lines.push_back(table.Line(i));
    }
    return lines;
}

TEST(DiacriticalNames, SplitsLinesAndDropsTrailingEmptyOnes) {
    struct Row {
        const char* name;
        std::string text;
        std::vector<std::string> lines;
    };
    // Hand-split: CR LF, a lone LF and a lone CR each end a line; a NUL ends the text.
    const std::vector<Row> rows = {
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"LF", "a\nb\n", {"a", "b"}},
        {"CR", "a\rb\r", {"a", "b"}},
        {"LF CR is two line ends", "a\n\rb", {"a", "", "b"}},
        {"mixed", "a\r\n\nb\rc", {"a", "", "b", "c"}},
        {"text after the last line end", "a\r\nb", {"a", "b"}},
        {"trailing empty lines dropped", "a\r\n\r\n\n\r", {"a"}},
        {"inner empty lines kept", "a\n\n\nb", {"a", "", "", "b"}},
        {"blanks kept, a blank line is not empty", "  a  \n \n", {"  a  ", " "}},
        {"NUL ends the text", std::string("a\nb\0c\nd\n", 9), {"a", "b"}},
        {"upper-half bytes kept", "\xe9\x9a\n", {"\xe9\x9a"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DiacriticalNames table;
        table.SetText(row.text);
        EXPECT_EQ(LinesOf(table), row.lines);
    }
}

TEST(DiacriticalNames, NoNonEmptyLineIsAListIndexError) {
    for (const std::string& text :
         {std::string(), std::string("\r\n\n\r"), std::string("\0abc", 4)}) {
        SCOPED_TRACE(Cp1252ToUtf8(text));
        DiacriticalNames table;
        table.SetText("old\n");
        try {
            table.SetText(text);
            ADD_FAILURE() << "no error raised";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "Indice de liste hors limites (-1)");
        }
        EXPECT_EQ(table.Count(), 0u);
    }
}

TEST(DiacriticalNames, LinePastTheEndIsAListIndexError) {
    DiacriticalNames table;
    table.SetText("a\nb\n");
    EXPECT_EQ(table.Line(1), "b");
    try {
        table.Line(2);
        ADD_FAILURE() << "no error raised";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Indice de liste hors limites (2)");
    }
}

TEST(LoadDiacriticals, ReadsTheFileOfTheFolder) {
    TempFolder folder;
    folder.Write("Diacriticals.txt", kHeader + Entry("101", R"(Dvo\v r\'ak)") + "\r\n\r\n");
    std::optional<DiacriticalNames> table;
    ASSERT_TRUE(LoadDiacriticals(folder.str(), table));
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(table->Count(), 4u);
    EXPECT_EQ(LookupDiacriticalName(&*table, "101", false), u"Dvořák");
}

TEST(LoadDiacriticals, MissingFileKeepsTheTableInUse) {
    TempFolder loaded;
    loaded.Write("Diacriticals.txt", kHeader + Entry("7", "Old") + "\r\n");
    TempFolder empty;
    TempFolder withFolder;
    std::filesystem::create_directory(withFolder.path() / "Diacriticals.txt");
    TempFolder otherName; // the names table has no compressed form
    otherName.Write("Diacriticals.txt.gz", kHeader + Entry("7", "New") + "\r\n");

    std::optional<DiacriticalNames> none;
    EXPECT_FALSE(LoadDiacriticals(empty.str(), none));
    EXPECT_FALSE(none.has_value());

    for (const TempFolder* missing : {&empty, &withFolder, &otherName}) {
        SCOPED_TRACE(missing->str());
        std::optional<DiacriticalNames> table;
        ASSERT_TRUE(LoadDiacriticals(loaded.str(), table));
        EXPECT_FALSE(LoadDiacriticals(missing->str(), table));
        ASSERT_TRUE(table.has_value());
        EXPECT_EQ(LookupDiacriticalName(&*table, "7", false), u"Old");
    }
}

TEST(LoadDiacriticals, FileWithoutTextLeavesAnEmptyTable) {
    for (const std::string& text : {std::string(), std::string("\r\n\r\n")}) {
        SCOPED_TRACE(text.size());
        TempFolder loaded;
        loaded.Write("Diacriticals.txt", kHeader + Entry("7", "Old") + "\r\n");
        TempFolder blank;
        blank.Write("Diacriticals.txt", text);
        std::optional<DiacriticalNames> table;
        ASSERT_TRUE(LoadDiacriticals(loaded.str(), table));
        try {
            LoadDiacriticals(blank.str(), table);
            ADD_FAILURE() << "no error raised";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "Indice de liste hors limites (-1)");
        }
        ASSERT_TRUE(table.has_value());
        EXPECT_EQ(table->Count(), 0u);
        EXPECT_EQ(LookupDiacriticalName(&*table, "7", false), u"");
    }
}

// A file that exists but cannot be opened. The file is made unreadable with chmod; root reads
// it anyway, so the load runs in a child process that gives up root for "nobody" first.
TEST(LoadDiacriticals, UnreadableFileRaisesAfterDiscardingTheTable) {
    TempFolder loaded;
    loaded.Write("Diacriticals.txt", kHeader + Entry("7", "Old") + "\r\n");
    TempFolder locked;
    const std::string path = locked.Write("Diacriticals.txt", kHeader);
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);

    EXPECT_EXIT(
        {
            constexpr uid_t kNobody = 65534;
            if (::geteuid() == 0 && ::setuid(kNobody) != 0) {
                std::_Exit(2);
            }
            std::optional<DiacriticalNames> table;
            if (!LoadDiacriticals(loaded.str(), table)) {
                std::_Exit(3);
            }
            try {
                LoadDiacriticals(locked.str(), table);
            } catch (const Error& e) {
                const bool emptied = table.has_value() && table->Count() == 0;
                std::fputs(e.what(), stderr);
                std::_Exit(emptied ? 0 : 4);
            }
            std::_Exit(5);
        },
        ::testing::ExitedWithCode(0),
        "Impossible d'ouvrir le fichier \".*/Diacriticals.txt\"\\. Permission denied");
}

TEST(LookupDiacriticalName, FindsTheEntryOfTheNumber) {
    const std::string longName(1100, 'x');
    DiacriticalNames table;
    table.SetText(kHeader +                                 // lines 0 to 2
                  Entry("1", "One") + "\r\n" +              //
                  "" + "\r\n" +                             // empty: key sorts first
                  "    " + "\r\n" +                         // key a prefix of the sought
                  Entry("5", "Five") + "\r\n" +             //
                  Entry("7", "Seven  ") + "\r\n" +          // trailing blanks
                  Entry("7", "Second seven") + "\r\n" +     // duplicate
                  Entry("8", "") + "\r\n" +                 // 29 characters, no name
                  Entry("9", longName) + "\r\n" +           // name cut at 999
                  Entry("101", R"(Dvo\v r\'ak)") + "\r\n" + //
                  Entry("234567", "Long") + "\r\n");
    struct Row {
        const char* name;
        std::string number;
        bool htmlEntities;
        std::u16string expected;
    };
    // Each entry written above; the key is the number right-aligned in six characters.
    const std::vector<Row> rows = {
        {"first entry", "1", false, u"One"},
        {"past empty and short lines", "5", false, u"Five"},
        {"name keeps its trailing blanks", "7", false, u"Seven  "},
        {"first of two duplicates", "7", true, u"Seven  "},
        {"line of 29 characters", "8", false, u""},
        {"name is characters 30 to 1028", "9", false, std::u16string(999, u'x')},
        {"converted to Unicode", "101", false, u"Dvořák"},
        {"converted with entities", "101", true, u"Dvo&#345;ák"},
        {"number with six digits", "234567", false, u"Long"},
        {"longer number cut to its last six", "1234567", false, u"Long"},
        {"number without an entry", "6", false, u""},
        {"number above every entry", "999999", false, u""},
        {"empty number", "", false, u""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(LookupDiacriticalName(&table, row.number, row.htmlEntities), row.expected);
    }
    EXPECT_EQ(LookupDiacriticalName(nullptr, "5", false), u"");
}

TEST(LookupDiacriticalName, StopsAtTheFirstGreaterKey) {
    struct Row {
        const char* name;
        std::string text;
        std::string number;
        std::u16string expected;
    };
    // The scan compares keys as unsigned bytes and gives up at the first key above the sought.
    const std::vector<Row> rows = {
        {"comment line hides later entries",
         kHeader + Entry("10", "Ten") + "\r\n# comment\r\n" + Entry("20", "Twenty"), "20", u""},
        {"entries before the comment still found",
         kHeader + Entry("10", "Ten") + "\r\n# comment\r\n" + Entry("20", "Twenty"), "10", u"Ten"},
        {"out-of-order entry hides later ones",
         kHeader + Entry("30", "Thirty") + "\r\n" + Entry("20", "Twenty"), "20", u""},
        {"left-aligned number never found",
         kHeader + " 5     " + std::string(22, ' ') + "Left\r\n" + Entry("6", "Six"), "5", u""},
        {"upper-half byte sorts above digits",
         kHeader + " \xe9\xe9\xe9\xe9\xe9\xe9 accented\r\n" + Entry("20", "Twenty"), "20", u""},
        {"header lines are never entries",
         Entry("5", "In header") + "\r\nb\r\nc\r\n" + Entry("6", "Six"), "5", u""},
        {"three lines only", Entry("5", "A") + "\r\n" + Entry("5", "B") + "\r\n" + Entry("5", "C"),
         "5", u""},
        {"one line only", Entry("5", "A"), "5", u""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DiacriticalNames table;
        table.SetText(row.text);
        EXPECT_EQ(LookupDiacriticalName(&table, row.number, false), row.expected);
    }
}

} // namespace
} // namespace quorvane
