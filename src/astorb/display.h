// The record display: the decoded fields of the record at the browser position, as the value
// labels show them, and the text the diameter box takes.
#pragma once

#include "astorb/record.h"

#include <array>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace quorvane {

class AstOrbDatabase;
class DiacriticalNames;

// The value labels in the window's order, the accented name included.
enum class ValueLabel {
    Number,
    Name,
    NameUnicode,
    H,
    G,
    BVColour,
    Diam,
    IRASClass,
    Epoch,
    MeanAnomaly,
    ArgPerihelion,
    AscNode,
    Inclination,
    Eccentricity,
    SemiMajorAxis,
    Aten,
    Apollo,
    Amor,
    MarsCrosser,
    OuterCrosser,
};

constexpr std::size_t kValueLabelCount = 20;

struct ValueLabelInfo {
    ValueLabel label;
    std::string_view fieldName; // the name a search of the label gives its field ("Diam")
    std::string_view caption;   // the caption beside the value; empty for the accented name
};

// Rows in the order of ValueLabel.
constexpr std::array<ValueLabelInfo, kValueLabelCount> kValueLabels = {{
    {ValueLabel::Number, "Number", "Number:"},
    {ValueLabel::Name, "Name", "Name:"},
    {ValueLabel::NameUnicode, "NameUnicode", ""},
    {ValueLabel::H, "H", "Abs. mag H:"},
    {ValueLabel::G, "G", "Slope G:"},
    {ValueLabel::BVColour, "BVColour", "B-V Colour:"},
    {ValueLabel::Diam, "Diam", "IRAS diameter:"},
    {ValueLabel::IRASClass, "IRASClass", "IRAS classification:"},
    {ValueLabel::Epoch, "Epoch", "Epoch:"},
    {ValueLabel::MeanAnomaly, "MeanAnomaly", "Mean Anomaly:"},
    {ValueLabel::ArgPerihelion, "ArgPerihelion", "Argument of Perihelion:"},
    {ValueLabel::AscNode, "AscNode", "Ascending Node:"},
    {ValueLabel::Inclination, "Inclination", "Inclination:"},
    {ValueLabel::Eccentricity, "Eccentricity", "Eccentricity:"},
    {ValueLabel::SemiMajorAxis, "SemiMajorAxis", "Semi-Major Axis:"},
    {ValueLabel::Aten, "Aten", "Aten:"},
    {ValueLabel::Apollo, "Apollo", "Apollo:"},
    {ValueLabel::Amor, "Amor", "Amor:"},
    {ValueLabel::MarsCrosser, "MarsCrosser", "Mars-Crosser:"},
    {ValueLabel::OuterCrosser, "OuterCrosser", "Outer Planet Crosser:"},
}};

constexpr const ValueLabelInfo& InfoOf(ValueLabel label) {
    return kValueLabels[static_cast<std::size_t>(label)];
}

// The flag label texts, indexed by the bit's state.
constexpr std::array<std::string_view, 2> FlagText = {"", "Yes"};

// What the value labels show: Windows-1252 text for every label but the accented name.
struct RecordDisplay {
    std::array<std::string, kValueLabelCount> values;
    std::u16string nameUnicode;

    const std::string& Value(ValueLabel label) const {
        return values[static_cast<std::size_t>(label)];
    }
    std::string& Value(ValueLabel label) { return values[static_cast<std::size_t>(label)]; }
    friend bool operator==(const RecordDisplay&, const RecordDisplay&) = default;
};

// The display of a record already read, in the labels' order: every label up to the
// semi-major axis, then the flags from the flag code, then the diameter box. A malformed flag
// code raises "'%s' n'est pas une valeur entière correcte" after the labels up to the
// semi-major axis are written, leaving the flags and the diameter box as they were.
void DisplayRecord(AstOrbRecord record, const DiacriticalNames* names, RecordDisplay& display,
                   std::string& diameterBox);

// The part of DisplayRecord before the flags: what a display whose flag code raises writes.
void DisplayFields(AstOrbRecord record, const DiacriticalNames* names, RecordDisplay& display);

// The error that displaying `record` raises (a malformed flag code), or null.
std::exception_ptr DisplayFault(AstOrbRecord record);

// Reads the record at `position` into CurrentRecord and displays it. A failed read changes
// nothing and returns false.
bool ShowRecord(AstOrbDatabase& database, const DiacriticalNames* names, std::int64_t position,
                RecordDisplay& display, std::string& diameterBox);

} // namespace quorvane
