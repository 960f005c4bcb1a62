// What the AstOrb.dat fuzz targets share: the two record layouts and the four file formats
// written out here apart from the program's own tables, the rule that tells a file's format
// restated, and a file rewritten into another format.
#pragma once

#include "astorb/numbers.h"
#include "astorb/record.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace quorvane::fuzz {

enum class LineEnd { LF, CRLF };

// A file's records: their layout and their line end.
struct FileFormat {
    RecordLayout layout;
    LineEnd lineEnd;
};

constexpr std::array<FileFormat, 4> kFileFormats = {{
    {RecordLayout::FiveDigit, LineEnd::LF},
    {RecordLayout::FiveDigit, LineEnd::CRLF},
    {RecordLayout::SixDigit, LineEnd::LF},
    {RecordLayout::SixDigit, LineEnd::CRLF},
}};

// The characters of a record before its line end: 266 in the five-digit layout, 267 in the
// six-digit one.
std::size_t CharactersOf(RecordLayout layout);
std::string_view LineEndText(LineEnd lineEnd);
// Characters and line end: 267, 268, 268 or 269 bytes.
std::size_t LengthOf(FileFormat format);
// The program's name for the format: its layout and record length.
RecordFormat AsRecordFormat(FileFormat format);

// The first and last column (1-based, inclusive) of a field in a layout.
struct Span {
    int first;
    int last;
    std::size_t Width() const { return static_cast<std::size_t>(last - first + 1); }
};
Span SpanOf(RecordLayout layout, Field field);

// The characters of `span` in `record`, cut where the record ends.
std::string_view Slice(std::string_view record, Span span);

// The format of a file from its first bytes: of the four formats, shortest record first, the
// first whose line end stands at the end of its first record; a five-digit file of 267-byte
// records when none does.
RecordFormat FormatByLineEnd(std::string_view start);

// The records of `file`, taken in the format FormatByLineEnd tells, written again in `to`. A
// six-digit record is a five-digit one with a blank put before it: every field moves one column
// to the right, the number takes the blank as its first column and the semi-major axis the
// blank that stood before it. A five-digit record is a six-digit one without its first
// character. The line ends are those of `to`; a partial last record stays partial, without one.
std::string Relay(std::string_view file, FileFormat to);

// The orbital elements and their accessors, in the order the accessors are listed.
struct FloatRow {
    Field field;
    double (*read)(AstOrbRecord, const NumberFormat&);
};
inline constexpr FloatRow kFloatFields[] = {
    {Field::SemiMajorAxis, GetSemiMajorAxis}, {Field::Eccentricity, GetEccentricity},
    {Field::Inclination, GetInclination},     {Field::AscNode, GetAscNode},
    {Field::ArgPerihelion, GetArgPerihelion}, {Field::MeanAnomaly, GetMeanAnomaly},
};

} // namespace quorvane::fuzz
