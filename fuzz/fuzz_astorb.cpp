#include "fuzz_astorb.h"

#include <algorithm>

namespace quorvane::fuzz {

namespace {

// Columns as the file documentation of each layout gives them, in the order of Field.
constexpr std::array<Span, 15> kFiveDigitSpans = {{
    {1, 5},     // number
    {7, 24},    // name
    {42, 46},   // H
    {48, 52},   // G
    {54, 57},   // B-V
    {59, 63},   // IRAS diameter
    {65, 68},   // IRAS class
    {70, 73},   // flag code
    {106, 113}, // epoch
    {115, 124}, // mean anomaly
    {126, 135}, // argument of perihelion
    {137, 146}, // ascending node
    {147, 156}, // inclination
    {158, 167}, // eccentricity
    {169, 180}, // semi-major axis
}};

constexpr std::array<Span, 15> kSixDigitSpans = {{
    {1, 6},     // number
    {8, 25},    // name
    {43, 47},   // H
    {49, 53},   // G
    {55, 58},   // B-V
    {60, 64},   // IRAS diameter
    {66, 69},   // IRAS class
    {71, 74},   // flag code
    {107, 114}, // epoch
    {116, 125}, // mean anomaly
    {127, 136}, // argument of perihelion
    {138, 147}, // ascending node
    {148, 157}, // inclination
    {159, 168}, // eccentricity
    {169, 181}, // semi-major axis
}};

} // namespace

std::size_t CharactersOf(RecordLayout layout) {
    return layout == RecordLayout::SixDigit ? 267 : 266;
}

std::string_view LineEndText(LineEnd lineEnd) {
    return lineEnd == LineEnd::CRLF ? "\r\n" : "\n";
}

std::size_t LengthOf(FileFormat format) {
    return CharactersOf(format.layout) + LineEndText(format.lineEnd).size();
}

RecordFormat AsRecordFormat(FileFormat format) {
    return {format.layout, static_cast<int>(LengthOf(format))};
}

Span SpanOf(RecordLayout layout, Field field) {
    const auto row = static_cast<std::size_t>(field);
    return layout == RecordLayout::SixDigit ? kSixDigitSpans.at(row) : kFiveDigitSpans.at(row);
}

std::string_view Slice(std::string_view record, Span span) {
    const auto first = static_cast<std::size_t>(span.first - 1);
    if (first >= record.size()) {
        return {};
    }
    return record.substr(first, std::min(span.Width(), record.size() - first));
}

RecordFormat FormatByLineEnd(std::string_view start) {
    for (const FileFormat format : kFileFormats) {
        const std::size_t length = LengthOf(format);
        const std::string_view lineEnd = LineEndText(format.lineEnd);
        if (start.size() >= length &&
            start.substr(length - lineEnd.size(), lineEnd.size()) == lineEnd) {
            return AsRecordFormat(format);
        }
    }
    return {RecordLayout::FiveDigit, 267};
}

std::string Relay(std::string_view file, FileFormat to) {
    const RecordFormat from = FormatByLineEnd(file);
    const auto length = static_cast<std::size_t>(from.length);
    const std::size_t characters = CharactersOf(from.layout);
    std::string relayed;
    for (std::size_t offset = 0; offset < file.size(); offset += length) {
        const std::string_view record = file.substr(offset, length);
        std::string text(record.substr(0, characters));
        if (from.layout == RecordLayout::FiveDigit && to.layout == RecordLayout::SixDigit) {
            text.insert(0, 1, ' ');
        } else if (from.layout == RecordLayout::SixDigit && to.layout == RecordLayout::FiveDigit) {
            text.erase(0, 1);
        }
        relayed += text;
        if (record.size() == length) {
            relayed += LineEndText(to.lineEnd);
        }
    }
    return relayed;
}

} // namespace quorvane::fuzz
