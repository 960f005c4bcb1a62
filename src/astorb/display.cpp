#include "astorb/display.h"

#include "astorb/database.h"
#include "astorb/diacriticals.h"
#include "astorb/numbers.h"
#include "astorb/record.h"

namespace quorvane {

namespace {

struct FieldRow {
    ValueLabel label;
    Field field;
};

// The labels written after the name, in display order.
constexpr std::array<FieldRow, 12> kAfterName = {{
    {ValueLabel::H, Field::H},
    {ValueLabel::G, Field::G},
    {ValueLabel::BVColour, Field::BVColour},
    {ValueLabel::Diam, Field::Diameter},
    {ValueLabel::IRASClass, Field::IRASClass},
    {ValueLabel::Epoch, Field::Epoch},
    {ValueLabel::MeanAnomaly, Field::MeanAnomaly},
    {ValueLabel::ArgPerihelion, Field::ArgPerihelion},
    {ValueLabel::AscNode, Field::AscNode},
    {ValueLabel::Inclination, Field::Inclination},
    {ValueLabel::Eccentricity, Field::Eccentricity},
    {ValueLabel::SemiMajorAxis, Field::SemiMajorAxis},
}};

struct FlagRow {
    ValueLabel label;
    Flag flag;
};

constexpr std::array<FlagRow, 5> kFlags = {{
    {ValueLabel::Aten, Flag::Aten},
    {ValueLabel::Apollo, Flag::Apollo},
    {ValueLabel::Amor, Flag::Amor},
    {ValueLabel::MarsCrosser, Flag::MarsCrosser},
    {ValueLabel::OuterCrosser, Flag::OuterCrosser},
}};

} // namespace

void DisplayFields(AstOrbRecord record, const DiacriticalNames* names, RecordDisplay& display) {
    const std::string number = FieldText(record, Field::Number);
    display.Value(ValueLabel::Number) = number;
    display.Value(ValueLabel::Name) = FieldText(record, Field::Name);
    display.nameUnicode = LookupDiacriticalName(names, number, false);
    for (const FieldRow& row : kAfterName) {
        display.Value(row.label) = FieldText(record, row.field);
    }
}

void DisplayRecord(AstOrbRecord record, const DiacriticalNames* names, RecordDisplay& display,
                   std::string& diameterBox) {
    DisplayFields(record, names, display);
    const std::int32_t flags = GetFlagCode(record);
    for (const FlagRow& row : kFlags) {
        const bool set = (flags & static_cast<std::int32_t>(row.flag)) != 0;
        display.Value(row.label) = std::string(FlagText[set ? 1 : 0]);
    }
    diameterBox = display.Value(ValueLabel::Diam);
}

std::exception_ptr DisplayFault(AstOrbRecord record) {
    if (ParseInt(TrimControls(FieldChars(record, Field::FlagCode)))) {
        return nullptr;
    }
    try {
        GetFlagCode(record);
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

bool ShowRecord(AstOrbDatabase& database, const DiacriticalNames* names, std::int64_t position,
                RecordDisplay& display, std::string& diameterBox) {
    if (!database.ReadRecord(position)) {
        return false;
    }
    DisplayRecord(database.Current(), names, display, diameterBox);
    return true;
}

} // namespace quorvane
