#include "astorb/record.h"

#include "astorb/numbers.h"

namespace quorvane {

std::string_view FieldChars(std::string_view record, int start, int width) {
    const auto first = static_cast<std::size_t>(start - 1);
    if (start < 1 || width <= 0 || first >= record.size()) {
        return {};
    }
    return record.substr(first, static_cast<std::size_t>(width));
}

std::string_view FieldChars(std::string_view record, Field field) {
    const FieldColumns columns = ColumnsOf(field);
    return FieldChars(record, columns.start, columns.width);
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

std::string FieldText(std::string_view record, Field field) {
    return std::string(TrimControls(FieldChars(record, field)));
}

bool IsNumbered(std::string_view record) {
    return !TrimControls(FieldChars(record, Field::Number)).empty();
}

namespace {

double FloatField(std::string_view record, Field field) {
    return FloatRule(TrimControls(FieldChars(record, field)));
}

} // namespace

double GetSemiMajorAxis(std::string_view record) {
    return FloatField(record, Field::SemiMajorAxis);
}

double GetEccentricity(std::string_view record) {
    return FloatField(record, Field::Eccentricity);
}

double GetInclination(std::string_view record) {
    return FloatField(record, Field::Inclination);
}

double GetAscNode(std::string_view record) {
    return FloatField(record, Field::AscNode);
}

double GetArgPerihelion(std::string_view record) {
    return FloatField(record, Field::ArgPerihelion);
}

double GetMeanAnomaly(std::string_view record) {
    return FloatField(record, Field::MeanAnomaly);
}

std::string GetH(std::string_view record) {
    return FieldText(record, Field::H);
}

std::string GetIRASClass(std::string_view record) {
    return FieldText(record, Field::IRASClass);
}

std::int32_t GetFlagCode(std::string_view record) {
    return StrToInt(TrimControls(FieldChars(record, Field::FlagCode)));
}

std::string GetEpochYear(std::string_view record) {
    return std::string(FieldChars(record, 106, 4));
}

std::string GetEpochMonth(std::string_view record) {
    return std::string(FieldChars(record, 110, 2));
}

std::string GetEpochDay(std::string_view record) {
    return std::string(FieldChars(record, 112, 2));
}

} // namespace quorvane
