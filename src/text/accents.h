// The two TeX-accent tables and the conversion of a name written with TeX accents into HTML
// entities (for wikicode) or Unicode characters (for display and search).
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quorvane {

// One row of the first stage: a TeX sequence and the Latin-1 letter that replaces it. With
// `thenBlank` the sequence is followed by one blank, which is replaced along with it.
struct Latin1AccentRow {
    std::string_view sequence;
    bool thenBlank;
    char16_t code; // C0 to FF: the same byte in Latin-1 and Windows-1252
};

// One row of the second stage: a TeX sequence, its HTML entity and its Unicode character.
struct ExtendedAccentRow {
    std::string_view sequence;
    bool thenBlank;
    std::string_view entity;
    char16_t code;
};

// First stage, applied row by row in this order on the 8-bit text. A longer sequence always
// stands before a shorter one it contains, so that the longest written form is taken whole.
inline constexpr std::array<Latin1AccentRow, 87> Latin1AccentTable = {{
    {R"(\'a)", false, 0x00E1},    // 1
    {R"(\'A)", false, 0x00C1},    // 2
    {R"(\'e)", false, 0x00E9},    // 3
    {R"(\'E)", false, 0x00C9},    // 4
    {R"(\'\i)", true, 0x00ED},    // 5
    {R"(\'\I)", true, 0x00CD},    // 6
    {R"(\'{\i})", false, 0x00ED}, // 7
    {R"(\'{\I})", false, 0x00CD}, // 8
    {R"(\'\i\/)", false, 0x00ED}, // 9
    {R"(\'\I\/)", false, 0x00CD}, // 10
    {R"(\'\i)", false, 0x00ED},   // 11
    {R"(\'\I)", false, 0x00CD},   // 12
    {R"(\'o)", false, 0x00F3},    // 13
    {R"(\'O)", false, 0x00D3},    // 14
    {R"(\'u)", false, 0x00FA},    // 15
    {R"(\'U)", false, 0x00DA},    // 16
    {R"(\`a)", false, 0x00E0},    // 17
    {R"(\`A)", false, 0x00C0},    // 18
    {R"(\`e)", false, 0x00E8},    // 19
    {R"(\`E)", false, 0x00C8},    // 20
    {R"(\`\i)", true, 0x00EC},    // 21
    {R"(\`\I)", true, 0x00CC},    // 22
    {R"(\`{\i})", false, 0x00EC}, // 23
    {R"(\`{\I})", false, 0x00CC}, // 24
    {R"(\`\i\/)", false, 0x00EC}, // 25
    {R"(\`\I\/)", false, 0x00CC}, // 26
    {R"(\`\i)", false, 0x00EC},   // 27
    {R"(\`\I)", false, 0x00CC},   // 28
    {R"(\`o)", false, 0x00F2},    // 29
    {R"(\`O)", false, 0x00D2},    // 30
    {R"(\`u)", false, 0x00F9},    // 31
    {R"(\`U)", false, 0x00D9},    // 32
    {R"(\^a)", false, 0x00E2},    // 33
    {R"(\^A)", false, 0x00C2},    // 34
    {R"(\^e)", false, 0x00EA},    // 35
    {R"(\^E)", false, 0x00CA},    // 36
    {R"(\^\i)", true, 0x00EE},    // 37
    {R"(\^\I)", true, 0x00CE},    // 38
    {R"(\^{\i})", false, 0x00EE}, // 39
    {R"(\^{\I})", false, 0x00CE}, // 40
    {R"(\^\i\/)", false, 0x00EE}, // 41
    {R"(\^\I\/)", false, 0x00CE}, // 42
    {R"(\^\i)", false, 0x00EE},   // 43
    {R"(\^\I)", false, 0x00CE},   // 44
    {R"(\^o)", false, 0x00F4},    // 45
    {R"(\^O)", false, 0x00D4},    // 46
    {R"(\^u)", false, 0x00FB},    // 47
    {R"(\^U)", false, 0x00DB},    // 48
    {R"(\"a)", false, 0x00E4},    // 49
    {R"(\"A)", false, 0x00C4},    // 50
    {R"(\"e)", false, 0x00EB},    // 51
    {R"(\"E)", false, 0x00CB},    // 52
    {R"(\"\i)", true, 0x00EF},    // 53
    {R"(\"\I)", true, 0x00CF},    // 54
    {R"(\"{\i})", false, 0x00EF}, // 55
    {R"(\"{\I})", false, 0x00CF}, // 56
    {R"(\"\i\/)", false, 0x00EF}, // 57
    {R"(\"\I\/)", false, 0x00CF}, // 58
    {R"(\"\i)", false, 0x00EF},   // 59
    {R"(\"\I)", false, 0x00CF},   // 60
    {R"(\"o)", false, 0x00F6},    // 61
    {R"(\"O)", false, 0x00D6},    // 62
    {R"(\"u)", false, 0x00FC},    // 63
    {R"(\"U)", false, 0x00DC},    // 64
    {R"(\"y)", false, 0x00FF},    // 65
    {R"(\~a)", false, 0x00E3},    // 66
    {R"(\~A)", false, 0x00C3},    // 67
    {R"(\~n)", false, 0x00F1},    // 68
    {R"(\~N)", false, 0x00D1},    // 69
    {R"(\~o)", false, 0x00F5},    // 70
    {R"(\~O)", false, 0x00D5},    // 71
    {R"({\aa})", false, 0x00E5},  // 72
    {R"({\AA})", false, 0x00C5},  // 73
    {R"(\aa)", true, 0x00E5},     // 74
    {R"(\AA)", true, 0x00C5},     // 75
    {R"(\aa)", false, 0x00E5},    // 76
    {R"(\AA)", false, 0x00C5},    // 77
    {R"(\ae)", false, 0x00E6},    // 78
    {R"(\AE)", false, 0x00C6},    // 79
    {R"(\c c)", false, 0x00E7},   // 80
    {R"(\c C)", false, 0x00C7},   // 81
    {R"(\o)", true, 0x00F8},      // 82
    {R"(\O)", true, 0x00D8},      // 83
    {R"(\o)", false, 0x00F8},     // 84
    {R"(\O)", false, 0x00D8},     // 85
    {R"(\ss)", true, 0x00DF},     // 86
    {R"(\ss)", false, 0x00DF},    // 87
}};

// Second stage, applied row by row in this order after the whole first stage.
inline constexpr std::array<ExtendedAccentRow, 57> ExtendedAccentTable = {{
    {R"(\'c)", false, "&#263;", 0x0107},         // 1
    {R"(\'C)", false, "&#262;", 0x0106},         // 2
    {R"(\'y)", false, "&yacute;", 0x00FD},       // 3
    {R"(\'Y)", false, "&Yacute;", 0x00DD},       // 4
    {R"({\i})", false, "&#305;", 0x0131},        // 5
    {R"({\I})", false, "&#304;", 0x0130},        // 6
    {R"(\l)", true, "&#322;", 0x0142},           // 7
    {R"(\L)", true, "&#321;", 0x0141},           // 8
    {R"(\accent23u)", false, "&#367;", 0x016F},  // 9
    {R"(\accent23U)", false, "&#366;", 0x016E},  // 10
    {R"(\accent 23u)", false, "&#367;", 0x016F}, // 11
    {R"(\accent 23U)", false, "&#366;", 0x016E}, // 12
    {R"(\v c)", false, "&#269;", 0x010D},        // 13
    {R"(\v C)", false, "&#268;", 0x010C},        // 14
    {R"(\v{c})", false, "&#269;", 0x010D},       // 15
    {R"(\v{C})", false, "&#268;", 0x010C},       // 16
    {R"(\v e)", false, "&#283;", 0x011B},        // 17
    {R"(\v E)", false, "&#282;", 0x011A},        // 18
    {R"(\v{e})", false, "&#283;", 0x011B},       // 19
    {R"(\v{E})", false, "&#282;", 0x011A},       // 20
    {R"(\v l)", false, "&#318;", 0x013E},        // 21
    {R"(\v L)", false, "&#317;", 0x013D},        // 22
    {R"(\v{l})", false, "&#318;", 0x013E},       // 23
    {R"(\v{L})", false, "&#317;", 0x013D},       // 24
    {R"(\v n)", false, "&#328;", 0x0148},        // 25
    {R"(\v N)", false, "&#327;", 0x0147},        // 26
    {R"(\v{n})", false, "&#328;", 0x0148},       // 27
    {R"(\v{N})", false, "&#327;", 0x0147},       // 28
    {R"(\v r)", false, "&#345;", 0x0159},        // 29
    {R"(\v R)", false, "&#344;", 0x0158},        // 30
    {R"(\v{r})", false, "&#345;", 0x0159},       // 31
    {R"(\v{R})", false, "&#344;", 0x0158},       // 32
    {R"(\v s)", false, "&scaron;", 0x0161},      // 33
    {R"(\v S)", false, "&Scaron;", 0x0160},      // 34
    {R"(\v{s})", false, "&scaron;", 0x0161},     // 35
    {R"(\v{S})", false, "&Scaron;", 0x0160},     // 36
    {R"(\v t)", false, "&#357;", 0x0165},        // 37
    {R"(\v T)", false, "&#356;", 0x0164},        // 38
    {R"(\v{t})", false, "&#357;", 0x0165},       // 39
    {R"(\v{T})", false, "&#356;", 0x0164},       // 40
    {R"(\v z)", false, "&#382;", 0x017E},        // 41
    {R"(\v Z)", false, "&#381;", 0x017D},        // 42
    {R"(\v{z})", false, "&#382;", 0x017E},       // 43
    {R"(\v{Z})", false, "&#381;", 0x017D},       // 44
    {R"(\Ho)", false, "&#337;", 0x0151},         // 45
    {R"(\HO)", false, "&#336;", 0x0150},         // 46
    {R"(\ng)", false, "&#331;", 0x014B},         // 47
    {R"(\NG)", false, "&#330;", 0x014A},         // 48
    {R"(\oe)", false, "&oelig;", 0x0153},        // 49
    {R"(\OE)", false, "&OElig;", 0x0152},        // 50
    {R"(\"Y)", false, "&Yuml;", 0x0178},         // 51
    {R"(\dh)", false, "&eth;", 0x00F0},          // 52
    {R"(\DH)", false, "&ETH;", 0x00D0},          // 53
    {R"(\dj)", false, "&#273;", 0x0111},         // 54
    {R"(\DJ)", false, "&#272;", 0x0110},         // 55
    {R"(\th)", false, "&thorn;", 0x00FE},        // 56
    {R"(\TH)", false, "&THORN;", 0x00DE},        // 57
}};

// A first-stage row that leaves alone every occurrence of its sequence beginning an occurrence
// of a longer second-stage sequence, so that the second stage sees it whole (\oe, \OE).
struct KeptForSecondStage {
    int latin1Row;   // 1-based row of Latin1AccentTable
    int extendedRow; // 1-based row of ExtendedAccentTable
};

inline constexpr std::array<KeptForSecondStage, 2> KeptForSecondStageRows = {{
    {84, 49}, // \o before \oe
    {85, 50}, // \O before \OE
}};

// The text a row replaces: its sequence, and the blank that follows it where it has one.
std::string WrittenForm(std::string_view sequence, bool thenBlank);

// Replaces each leftmost, non-overlapping occurrence of `sequence` (letter case counts) by
// `replacement`. A replacement is not examined again; an empty sequence changes nothing.
std::string ReplaceAll(std::string_view text, std::string_view sequence,
                       std::string_view replacement);
std::u16string ReplaceAll(std::u16string_view text, std::u16string_view sequence,
                          std::u16string_view replacement);

// Converts TeX accent sequences: the first stage on the 8-bit text, then the second stage,
// either as HTML entities on the 8-bit text, decoded from Windows-1252 afterwards, or, with
// `htmlEntities` false, as Unicode characters on the decoded text. Sequences no row names stay
// as they are.
std::u16string ConvertTexAccents(std::string_view texName, bool htmlEntities);

} // namespace quorvane
