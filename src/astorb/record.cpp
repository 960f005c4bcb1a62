#include "astorb/record.h"

#include "astorb/float_reader.h"
#include "astorb/numbers.h"

namespace quorvane {

RecordFormat DetectRecordFormat(std::string_view start) {
    const auto at = [start](std::size_t offset, char c) {
        return offset < start.size() && start[offset] == c;
    };
    if (at(266, '\n')) {
        return {RecordLayout::FiveDigit, 267};
    }
    if (at(266, '\r') && at(267, '\n')) {
        return {RecordLayout::FiveDigit, 268};
    }
    if (at(267, '\n')) {
        return {RecordLayout::SixDigit, 268};
    }
    if (at(267, '\r') && at(268, '\n')) {
        return {RecordLayout::SixDigit, 269};
    }
    return {RecordLayout::FiveDigit, 267};
}

std::string_view TrimControls(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 32) {
        ++begin;
    }
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32) {
        --end;
    }
    return text.substr(begin, end - begin);
}

std::string FieldText(std::string_view record, int start, int width) {
    return std::string(TrimControls(FieldChars(record, start, width)));
}

std::string FieldText(AstOrbRecord record, Field field) {
    return std::string(TrimControls(FieldChars(record, field)));
}

bool IsNumbered(AstOrbRecord record) {
    return !TrimControls(FieldChars(record, Field::Number)).empty();
}

double GetSemiMajorAxis(AstOrbRecord record, const NumberFormat& format) {
    return FloatReader(format).FieldValue(record, Field::SemiMajorAxis);
}

double GetEccentricity(AstOrbRecord record, const NumberFormat& format) {
    return FloatReader(format).FieldValue(record, Field::Eccentricity);
}

double GetInclination(AstOrbRecord record, const NumberFormat& format) {
    return FloatReader(format).FieldValue(record, Field::Inclination);
}

double GetAscNode(AstOrbRecord record, const NumberFormat& format) {
    return FloatReader(format).FieldValue(record, Field::AscNode);
}

double GetArgPerihelion(AstOrbRecord record, const NumberFormat& format) {
    return FloatReader(format).FieldValue(record, Field::ArgPerihelion);
}

double GetMeanAnomaly(AstOrbRecord record, const NumberFormat& format) {
    return FloatReader(format).FieldValue(record, Field::MeanAnomaly);
}

std::string GetH(AstOrbRecord record) {
    return FieldText(record, Field::H);
}

std::string GetIRASClass(AstOrbRecord record) {
    return FieldText(record, Field::IRASClass);
}

std::int32_t GetFlagCode(AstOrbRecord record) {
    return StrToInt(TrimControls(FieldChars(record, Field::FlagCode)));
}

namespace {

// A piece of the epoch: `width` characters from `offset` into the field, as they stand.
std::string EpochPiece(AstOrbRecord record, int offset, int width) {
    const FieldColumns epoch = ColumnsOf(record.layout, Field::Epoch);
    return std::string(FieldChars(record.text, epoch.start + offset, width));
}

} // namespace

std::string GetEpochYear(AstOrbRecord record) {
    return EpochPiece(record, 0, 4);
}

std::string GetEpochMonth(AstOrbRecord record) {
    return EpochPiece(record, 4, 2);
}

std::string GetEpochDay(AstOrbRecord record) {
    return EpochPiece(record, 6, 2);
}

} // namespace quorvane
