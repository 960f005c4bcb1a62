// The AstOrb.dat record layouts: how a file's layout is told, the column table of each, FieldText
// and the field accessors. Every accessor reads one record (normally the shared CurrentRecord)
// through the columns of its layout, and nothing else.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvane {

struct NumberFormat;

// AstOrb.dat has been published in two record layouts. Every field of the six-digit layout
// stands one column to the right of where the five-digit layout has it, except the number,
// which grows to six columns, and the semi-major axis, which grows to thirteen from the same
// first column.
enum class RecordLayout : std::uint8_t {
    FiveDigit, // 266 characters and the line end: the file as published until about 2005
    SixDigit,  // 267 characters and the line end: a six-column number, as published since
};

// A file's layout and the length of each of its records, line end included: record i starts at
// byte i * length.
struct RecordFormat {
    RecordLayout layout = RecordLayout::FiveDigit;
    int length = 267;

    friend bool operator==(const RecordFormat&, const RecordFormat&) = default;
};

// The record length of a five-digit file with LF line ends, and the longest record of any
// format (a six-digit file with CR LF line ends).
constexpr int RecordLength = 267;
constexpr int kLongestRecordLength = 269;

// The format told by where the line end of the first record stands in `start`, the first bytes
// of the file (up to kLongestRecordLength of them): LF at offset 266 is a five-digit file of
// 267-byte records, CR LF at 266 one of 268; LF at 267 (without CR before it) a six-digit file of
// 268-byte records, CR LF at 267 one of 269. Anything else, too few bytes to tell included, is a
// five-digit file of 267-byte records.
RecordFormat DetectRecordFormat(std::string_view start);

// The record fields the program reads. Columns count from 1 at the first byte of the record.
enum class Field {
    Number,        // asteroid number, right-aligned; blank when unnumbered
    Name,          // name, or provisional designation of an unnamed asteroid
    H,             // absolute magnitude
    G,             // slope parameter
    BVColour,      // B-V colour index; may be blank
    Diameter,      // IRAS diameter, km; may be blank
    IRASClass,     // IRAS taxonomic class; may be blank
    FlagCode,      // decimal integer whose bits are the five orbit flags
    Epoch,         // yyyymmdd
    MeanAnomaly,   // degrees
    ArgPerihelion, // degrees
    AscNode,       // degrees
    Inclination,   // degrees
    Eccentricity,  //
    SemiMajorAxis, // AU
};

struct FieldColumns {
    int start; // first column, 1-based
    int width;
};

// The column tables, the only place that knows where the fields stand. Row order follows the
// Field enumeration.
constexpr std::array<FieldColumns, 15> kFiveDigitColumns = {{
    {1, 5},    // Number
    {7, 18},   // Name
    {42, 5},   // H
    {48, 5},   // G
    {54, 4},   // BVColour
    {59, 5},   // Diameter
    {65, 4},   // IRASClass
    {70, 4},   // FlagCode
    {106, 8},  // Epoch: year 106-109, month 110-111, day 112-113
    {115, 10}, // MeanAnomaly
    {126, 10}, // ArgPerihelion
    {137, 10}, // AscNode
    {147, 10}, // Inclination
    {158, 10}, // Eccentricity
    {169, 12}, // SemiMajorAxis
}};

// Since a format revision of 2018 the inclination is written in all ten of its columns and the
// semi-major axis in thirteen, taking the blank that stood before it: the axis starts in the
// same column as in the five-digit layout and ends one column further.
constexpr std::array<FieldColumns, 15> kSixDigitColumns = {{
    {1, 6},    // Number
    {8, 18},   // Name
    {43, 5},   // H
    {49, 5},   // G
    {55, 4},   // BVColour
    {60, 5},   // Diameter
    {66, 4},   // IRASClass
    {71, 4},   // FlagCode
    {107, 8},  // Epoch: year 107-110, month 111-112, day 113-114
    {116, 10}, // MeanAnomaly
    {127, 10}, // ArgPerihelion
    {138, 10}, // AscNode
    {148, 10}, // Inclination
    {159, 10}, // Eccentricity
    {169, 13}, // SemiMajorAxis
}};

constexpr FieldColumns ColumnsOf(RecordLayout layout, Field field) {
    return (layout == RecordLayout::SixDigit ? kSixDigitColumns
                                             : kFiveDigitColumns)[static_cast<std::size_t>(field)];
}

// One record's text (as read, up to its first zero byte) and the layout of the file it came
// from: what every field reader decodes.
struct AstOrbRecord {
    std::string_view text;
    RecordLayout layout;
};

// The orbit flags: bit values of the flag code.
enum class Flag : std::int32_t {
    Aten = 1,
    Apollo = 2,
    Amor = 4,
    MarsCrosser = 8,
    OuterCrosser = 16,
};

// The characters of a field as they stand, cut where a short record ends.
inline std::string_view FieldChars(std::string_view record, int start, int width) {
    const auto first = static_cast<std::size_t>(start - 1);
    if (start < 1 || width <= 0 || first >= record.size()) {
        return {};
    }
    return record.substr(first, static_cast<std::size_t>(width));
}

inline std::string_view FieldChars(AstOrbRecord record, Field field) {
    const FieldColumns columns = ColumnsOf(record.layout, field);
    return FieldChars(record.text, columns.start, columns.width);
}

// The field with every leading and trailing character of code 32 or less removed.
std::string_view TrimControls(std::string_view text);
std::string FieldText(std::string_view record, int start, int width);
std::string FieldText(AstOrbRecord record, Field field);

// The trimmed text of a field, as FieldText gives it, without a copy: FieldChars and
// TrimControls written out so that a scan's inner loop needs no call.
inline std::string_view TrimmedField(AstOrbRecord record, Field field) {
    const FieldColumns columns = ColumnsOf(record.layout, field);
    const auto first = static_cast<std::size_t>(columns.start - 1);
    const std::string_view text = record.text;
    if (first >= text.size()) {
        return {};
    }
    const char* begin = text.data() + first;
    const char* end =
        begin + std::min(text.size() - first, static_cast<std::size_t>(columns.width));
    while (begin != end && static_cast<unsigned char>(*begin) <= 32) {
        ++begin;
    }
    while (end != begin && static_cast<unsigned char>(end[-1]) <= 32) {
        --end;
    }
    return {begin, static_cast<std::size_t>(end - begin)};
}

// A record is numbered when its trimmed Number field is not empty.
bool IsNumbered(AstOrbRecord record);

// The orbital elements by the fields' rule of `format` (every "." read as its separator); a
// blank or malformed field raises "'%s' n'est pas une valeur en virgule flottante correcte",
// %s the trimmed field with every "." replaced by the separator.
double GetSemiMajorAxis(AstOrbRecord record, const NumberFormat& format);
double GetEccentricity(AstOrbRecord record, const NumberFormat& format);
double GetInclination(AstOrbRecord record, const NumberFormat& format);
double GetAscNode(AstOrbRecord record, const NumberFormat& format);
double GetArgPerihelion(AstOrbRecord record, const NumberFormat& format);
double GetMeanAnomaly(AstOrbRecord record, const NumberFormat& format);
std::string GetH(AstOrbRecord record);
std::string GetIRASClass(AstOrbRecord record);

// The flag code as a signed decimal integer; raises "'%s' n'est pas une valeur entière
// correcte" when blank or malformed.
std::int32_t GetFlagCode(AstOrbRecord record);

// The epoch pieces, untrimmed: year (4 characters), month (2), day (2).
std::string GetEpochYear(AstOrbRecord record);
std::string GetEpochMonth(AstOrbRecord record);
std::string GetEpochDay(AstOrbRecord record);

} // namespace quorvane
