// The TeX-accent conversion: ReplaceAll, the two tables and their order, the two output forms.
#include "text/accents.h"
#include "text/cp1252.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace quorvane {
namespace {

// Both forms as UTF-8, so that a failure prints readable text.
std::string Entities(std::string_view tex) {
    return Utf16ToUtf8(ConvertTexAccents(tex, true));
}

std::string Characters(std::string_view tex) {
    return Utf16ToUtf8(ConvertTexAccents(tex, false));
}

std::string Utf8Of(char16_t code) {
    return Utf16ToUtf8(std::u16string(1, code));
}

TEST(ReplaceAll, LeftmostNonOverlappingAndNotRescanned) {
    struct Row {
        const char* name;
        std::string text;
        std::string sequence;
        std::string replacement;
        std::string expected;
    };
    // Hand-worked: the scan resumes just after each occurrence it replaced.
    const std::vector<Row> rows = {
        {"every occurrence", "a-b-a", "a", "x", "x-b-x"},
        {"leftmost, no overlap", "aaaa a", "aaa", "X", "Xa a"},
        {"replacement not examined again", "ab", "ab", "aab", "aab"},
        {"replacement that recreates the sequence", "aab", "ab", "b", "ab"},
        {"letter case counts", "\\O\\o", "\\o", "x", "\\Ox"},
        {"no occurrence", "plain", "\\v", "x", "plain"},
        {"sequence at both ends", "\\ss-\\ss", "\\ss", "S", "S-S"},
        {"empty text", "", "a", "x", ""},
        {"empty sequence changes nothing", "abc", "", "x", "abc"},
        {"longer sequence than the text", "\\", "\\aa", "x", "\\"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ReplaceAll(row.text, row.sequence, row.replacement), row.expected);
        const std::u16string wide = ReplaceAll(Utf8ToUtf16(row.text), Utf8ToUtf16(row.sequence),
                                               Utf8ToUtf16(row.replacement));
        EXPECT_EQ(Utf16ToUtf8(wide), row.expected);
    }
}

TEST(ConvertTexAccents, WorkedExamplesInBothForms) {
    struct Row {
        const char* name;
        std::string tex;
        std::string entities;   // HtmlEntities true, as UTF-8
        std::string characters; // HtmlEntities false, as UTF-8
    };
    // The worked examples of the names table's documentation.
    const std::vector<Row> rows = {
        {"caron with blank, acute", R"(Dvo\v r\'ak)", "Dvo&#345;ák", "Dvořák"},
        {"caron with braces", R"(Bra\v{s}ov)", "Bra&scaron;ov", "Brašov"},
        {"ring then a blank, umlaut", R"(\AA ngstr\"om)", "Ångström", "Ångström"},
        {"dotless i then a blank", R"(S\'\i ndrome)", "Síndrome", "Síndrome"},
        {"stroke L, unknown \\'z kept", R"(\L od\'z)", R"(&#321;od\'z)", R"(Łod\'z)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Entities(row.tex), row.entities);
        EXPECT_EQ(Characters(row.tex), row.characters);
    }
}

TEST(ConvertTexAccents, EdgeCases) {
    struct Row {
        const char* name;
        std::string tex;
        std::string entities;
        std::string characters;
    };
    // Hand-worked from the row order of the two tables.
    const std::vector<Row> rows = {
        {"\\'\\i then a blank: the blank goes", R"(a\'\i b)", "aíb", "aíb"},
        {"\\'\\i then a letter: the letter stays", R"(a\'\ib)", "aíb", "aíb"},
        {"\\'\\i then two blanks: one goes", R"(a\'\i  b)", "aí b", "aí b"},
        {"\\'\\i\\/ taken whole", R"(a\'\i\/b)", "aíb", "aíb"},
        {"\\o then a blank", R"(\o ya)", "øya", "øya"},
        {"\\o at the end", R"(S\o)", "Sø", "Sø"},
        {"\\o then a letter", R"(Gr\on)", "Grøn", "Grøn"},
        {"\\O then a blank and at the end", R"(\O resund \O)", "Øresund Ø", "Øresund Ø"},
        {"\\oe is oe ligature", R"(C\oe ur)", "C&oelig; ur", "Cœ ur"},
        {"\\OE is OE ligature", R"(\OEuvre)", "&OElig;uvre", "Œuvre"},
        {"\\oe twice, \\o between", R"(\oe\o\oe)", "&oelig;ø&oelig;", "œøœ"},
        {"\\o e is not \\oe", R"(\o e)", "øe", "øe"},
        {"\\oE and \\Oe: case counts", R"(\oE\Oe)", "øEØe", "øEØe"},
        {"{\\i} alone is dotless i", R"(K{\i}z)", "K&#305;z", "Kız"},
        {"\\'{\\i} is i acute", R"(K\'{\i}z)", "Kíz", "Kíz"},
        {"{\\I} alone is dotted I", R"({\I}zmir)", "&#304;zmir", "İzmir"},
        {"\\\"y is y umlaut in both forms", R"(\"y)", "ÿ", "ÿ"},
        {"\\\"Y is Y umlaut of the second stage", R"(\"Y)", "&Yuml;", "Ÿ"},
        {"braces outside a row stay", R"({\'e})", "{é}", "{é}"},
        {"unknown sequences stay", R"(\q{x}\\ \'z \v{q})", R"(\q{x}\\ \'z \v{q})",
         R"(\q{x}\\ \'z \v{q})"},
        {"{\\aa}, \\aa then a blank, \\aa", R"({\aa}-\aa x-\aa)", "å-åx-å", "å-åx-å"},
        {"\\ss then a blank and \\ss", R"(Stra\ss e Gro\ss)", "Straße Groß", "Straße Groß"},
        {"ring accent with and without blank", R"(\accent23u\accent 23U)", "&#367;&#366;", "ůŮ"},
        {"\\l then a blank; \\l without is unknown", R"(\l a\lb)", R"(&#322;a\lb)", R"(ła\lb)"},
        {"Latin-1 letters stay beside entities", R"(\'e\v{z}\c c)", "é&#382;ç", "éžç"},
        {"empty name", "", "", ""},
        {"upper-half bytes of the file decoded", "\x9a\xe9", "šé", "šé"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Entities(row.tex), row.entities);
        EXPECT_EQ(Characters(row.tex), row.characters);
    }
}

// Every row, written between two letters, is converted whole to its own character: no earlier
// row of either stage takes part of it first.
TEST(AccentTables, EveryRowIsConvertedWhole) {
    for (std::size_t i = 0; i < Latin1AccentTable.size(); ++i) {
        const Latin1AccentRow& row = Latin1AccentTable[i];
        SCOPED_TRACE("first stage row " + std::to_string(i + 1));
        const std::string tex = "x" + WrittenForm(row.sequence, row.thenBlank) + "y";
        const std::string expected = "x" + Utf8Of(row.code) + "y";
        EXPECT_EQ(Entities(tex), expected);
        EXPECT_EQ(Characters(tex), expected);
        EXPECT_GE(row.code, 0xC0);
        EXPECT_LE(row.code, 0xFF);
    }
    for (std::size_t i = 0; i < ExtendedAccentTable.size(); ++i) {
        const ExtendedAccentRow& row = ExtendedAccentTable[i];
        SCOPED_TRACE("second stage row " + std::to_string(i + 1));
        const std::string tex = "x" + WrittenForm(row.sequence, row.thenBlank) + "y";
        EXPECT_EQ(Entities(tex), "x" + std::string(row.entity) + "y");
        EXPECT_EQ(Characters(tex), "x" + Utf8Of(row.code) + "y");
    }
}

// A row whose sequence contains the sequence of a row converted before it would never be seen
// whole; the only such pairs are the two that the first stage leaves for the second.
TEST(AccentTables, NoSequenceHiddenByAnEarlierRow) {
    std::vector<std::string> order;
    for (const Latin1AccentRow& row : Latin1AccentTable) {
        order.push_back(WrittenForm(row.sequence, row.thenBlank));
    }
    for (const ExtendedAccentRow& row : ExtendedAccentTable) {
        order.push_back(WrittenForm(row.sequence, row.thenBlank));
    }
    const std::size_t firstStageRows = Latin1AccentTable.size();
    for (std::size_t later = 0; later < order.size(); ++later) {
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            if (order[later].find(order[earlier]) == std::string::npos) {
                continue;
            }
            bool kept = false;
            for (const KeptForSecondStage& pair : KeptForSecondStageRows) {
                kept = kept ||
                       (static_cast<std::size_t>(pair.latin1Row) == earlier + 1 &&
                        static_cast<std::size_t>(pair.extendedRow) + firstStageRows == later + 1);
            }
            EXPECT_TRUE(kept) << order[later] << " hidden by " << order[earlier];
        }
    }
}

TEST(AccentTables, EntitiesNameTheirCharacters) {
    // Named entities as the HTML character reference list defines them.
    const std::map<std::string, char16_t> named = {
        {"&yacute;", 0x00FD}, {"&Yacute;", 0x00DD}, {"&scaron;", 0x0161}, {"&Scaron;", 0x0160},
        {"&oelig;", 0x0153},  {"&OElig;", 0x0152},  {"&Yuml;", 0x0178},   {"&eth;", 0x00F0},
        {"&ETH;", 0x00D0},    {"&thorn;", 0x00FE},  {"&THORN;", 0x00DE},
    };
    for (std::size_t i = 0; i < ExtendedAccentTable.size(); ++i) {
        const ExtendedAccentRow& row = ExtendedAccentTable[i];
        SCOPED_TRACE("second stage row " + std::to_string(i + 1));
        const std::string entity(row.entity);
        if (entity.starts_with("&#")) {
            EXPECT_EQ(entity, "&#" + std::to_string(row.code) + ";");
        } else {
            ASSERT_TRUE(named.contains(entity)) << entity;
            EXPECT_EQ(named.at(entity), row.code);
        }
    }
}

} // namespace
} // namespace quorvane
