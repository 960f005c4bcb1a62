// Windows-1252 against UTF-16 and UTF-8, and what becomes of letters the code page lacks.
#include "text/accents.h"
#include "text/cp1252.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvane {
namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(Utf16ToCp1252(Cp1252ToUtf16(all)), all);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    // Code points from the Windows-1252 code chart.
    EXPECT_EQ(Cp1252ToUtf16("\x80\x8a\x8c\x9f\xe9"), u"\u20AC\u0160\u0152\u0178\u00E9");
}

TEST(Cp1252, LettersTheCodePageLacks) {
    struct Row {
        const char* name;
        std::u16string text;
        std::string expected;
    };
    // The letter without its accent where there is one, else "?"; one byte per character.
    const std::vector<Row> rows = {
        {"Czech", u"Dvořák Čapek Ůvaly ěňťď", "Dvor\xe1k Capek Uvaly entd"},
        {"Polish", u"Łódź ł",
         "L\xf3"
         "dz l"},
        {"dotless and dotted i", u"ıİ", "iI"},
        {"Hungarian", u"Erdős Ő", "Erdos O"},
        {"eng and d with stroke", u"ŋŊđĐ", "nNdD"},
        {"Romanian comma below", u"ȘșȚț", "SsTt"},
        {"kept in the code page", u"šŠœŒžŽŸ€", "\x9a\x8a\x9c\x8c\x9e\x8e\x9f\x80"},
        {"no letter to fall back on", u"中ĳ", "??"},
        {"surrogate pair is one character", u"a\U0001F600b", "a?b"},
        {"lone surrogate", std::u16string(1, char16_t{0xD800}) + u"x", "?x"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Utf16ToCp1252(row.text), row.expected);
    }
}

// Every character the second accent stage writes becomes a letter, never "?".
TEST(Cp1252, EveryAccentTableLetterHasAnEightBitForm) {
    for (const ExtendedAccentRow& row : ExtendedAccentTable) {
        SCOPED_TRACE(std::string(row.sequence));
        const std::string eightBit = Utf16ToCp1252(std::u16string(1, row.code));
        ASSERT_EQ(eightBit.size(), 1u);
        EXPECT_NE(eightBit, "?");
    }
}

TEST(Cp1252, MalformedUtf8BecomesReplacementCharacter) {
    EXPECT_EQ(Utf8ToUtf16("a\xff"
                          "b\xc3"),
              u"a\uFFFDb\uFFFD");
    EXPECT_EQ(Utf8ToCp1252("\xc3\xa9\xe2\x82\xac"), "\xe9\x80");
}

} // namespace
} // namespace quorvane
