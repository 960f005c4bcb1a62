// Asteroid titles: the number prefix, the accented name and the designation subscript.
#include "astorb/diacriticals.h"
#include "infobox/title.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvane {
namespace {

using test::MakeRecord;

TEST(IsProvisionalDesignation, AcceptsYearBlankTwoLettersAndMore) {
    struct Row {
        const char* name;
        std::string text;
        bool expected;
    };
    // Built letter by letter from the designation rules.
    const std::vector<Row> rows = {
        {"1998 KN3", "1998 KN3", true},
        {"2004 XY12", "2004 XY12", true},
        {"letters A and Y", "1950 AY1", true},
        {"letters H and J", "1950 HJ1", true},
        {"anything after the letters", "1998 KNx", true},
        {"seven characters", "1998 KN", false},
        {"Z refused", "2004 AZ12", false},
        {"I refused first", "2004 IA12", false},
        {"I refused second", "2004 AI12", false},
        {"1899", "1899 AB1", false},
        {"21st century prefix", "2104 AB1", false},
        {"year with a letter", "19X8 AB1", false},
        {"no blank", "1998_KN3", false},
        {"lower-case letter", "1998 kN3", false},
        {"survey designation", "2040 P-L", false},
        {"leading blank", " 1998 KN3", false},
        {"proper name", "Eros", false},
        {"empty", "", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(IsProvisionalDesignation(row.text), row.expected);
    }
}

TEST(AsteroidTitle, NumberPrefixNameAndMarkup) {
    DiacriticalNames names;
    names.SetText("header\r\nheader\r\nheader\r\n"
                  "    101                      Dvo\\v r\\'ak\r\n"
                  "    500                      1998 KN3\r\n"
                  "  12345                      G\\\"odel\r\n"
                  " 136199                      \\'Eris\r\n");
    struct Row {
        const char* name;
        std::string record;
        bool wikiMarkup;
        bool pipedLink;
        std::string expected; // Windows-1252
    };
    for (const RecordLayout layout : test::kBothLayouts) {
        SCOPED_TRACE(layout == RecordLayout::SixDigit ? "six-digit layout" : "five-digit layout");
        const auto record = [layout](const std::string& number, const std::string& name) {
            return MakeRecord({.number = number, .name = name}, layout);
        };
        std::string cutShort = "  433";
        // The first seven from the worked examples of the title rules; the rest hand-worked.
        const std::vector<Row> rows = {
            {"proper name", record("433", "Eros"), false, false, "433 Eros"},
            {"proper name, both flags", record("433", "Eros"), true, true, "433 Eros"},
            {"numbered designation", record("12346", "1998 KN3"), false, false, "(12346) 1998 KN3"},
            {"numbered designation, markup", record("12346", "1998 KN3"), true, false,
             "(12346) 1998 KN<sub>3</sub>"},
            {"numbered designation, piped", record("12346", "1998 KN3"), false, true,
             "(12346) 1998 KN3|(12346) 1998 KN<sub>3</sub>"},
            {"numbered designation, both", record("12346", "1998 KN3"), true, true,
             "(12346) 1998 KN3|(12346) 1998 KN<sub>3</sub>"},
            {"unnumbered, markup", record("", "2004 XY12"), true, false, "2004 XY<sub>12</sub>"},
            {"unnumbered, both", record("", "2004 XY12"), true, true,
             "2004 XY12|2004 XY<sub>12</sub>"},
            {"unnumbered, no flags", record("", "2004 XY12"), false, false, "2004 XY12"},
            {"survey designation", record("4000", "2040 P-L"), true, true, "(4000) 2040 P-L"},
            {"stored first character blank", record("4001", " 1998 KN3"), true, false,
             "4001 1998 KN<sub>3</sub>"},
            {"stored first character 0", record("4002", "0000 AB"), false, false, "4002 0000 AB"},
            {"seven characters: no markup, no pipe", record("4003", "1998 KN"), true, true,
             "(4003) 1998 KN"},
            {"Z letter: no pipe", record("4004", "2004 AZ12"), false, true, "(4004) 2004 AZ12"},
            {"I letter", record("4005", "2004 IA12"), true, false, "(4005) 2004 IA12"},
            {"1899", record("4006", "1899 AB1"), true, true, "(4006) 1899 AB1"},
            {"blank name field", record("4007", ""), true, true, "4007 "},
            {"record cut before the name", cutShort, true, true, "433 "},
            {"empty record", "", true, true, ""},
            {"accented name, entities", record("101", "Dvorak"), true, false, "101 Dvo&#345;\xe1k"},
            {"accented name, Unicode form in 8 bits", record("101", "Dvorak"), false, false,
             "101 Dvor\xe1k"},
            {"accented name, piped only", record("101", "Dvorak"), false, true, "101 Dvor\xe1k"},
            {"prefix from the stored name, not the table", record("500", "Kafka"), true, true,
             "500 1998 KN3|500 1998 KN<sub>3</sub>"},
            {"table name beside a stored designation", record("12345", "1998 KN3"), true, true,
             "(12345) G\xf6"
             "del"},
        };
        for (const Row& row : rows) {
            SCOPED_TRACE(row.name);
            EXPECT_EQ(AsteroidTitle({row.record, layout}, &names, row.wikiMarkup, row.pipedLink),
                      row.expected);
        }
    }
    // Numbers above 99999 exist only in the six-digit layout.
    const std::vector<Row> sixDigitRows = {
        {"six-digit number",
         MakeRecord({.number = "136108", .name = "Haumea"}, RecordLayout::SixDigit), true, true,
         "136108 Haumea"},
        {"six-digit numbered designation",
         MakeRecord({.number = "612345", .name = "2004 XY12"}, RecordLayout::SixDigit), false, true,
         "(612345) 2004 XY12|(612345) 2004 XY<sub>12</sub>"},
        {"six-digit number, accented name",
         MakeRecord({.number = "136199", .name = "Eris"}, RecordLayout::SixDigit), true, false,
         "136199 \xC9ris"},
    };
    for (const Row& row : sixDigitRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(AsteroidTitle({row.record, RecordLayout::SixDigit}, &names, row.wikiMarkup,
                                row.pipedLink),
                  row.expected);
    }
}

TEST(AsteroidTitle, WithoutNamesTableUsesTheRecordName) {
    const std::string record = MakeRecord({.number = "101", .name = "Dvorak"});
    EXPECT_EQ(AsteroidTitle(test::FiveDigit(record), nullptr, true, true), "101 Dvorak");
    DiacriticalNames headerOnly;
    headerOnly.SetText("a\nb\nc\n");
    EXPECT_EQ(AsteroidTitle(test::FiveDigit(record), &headerOnly, false, false), "101 Dvorak");
}

} // namespace
} // namespace quorvane
