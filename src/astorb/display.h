// The record display: the decoded fields of the record at the browser position, written onto
// the value labels and the diameter box.
#pragma once

#include "astorb/record.h"

#include <array>
#include <exception>
#include <string>
#include <string_view>

namespace quorvane {

class AstOrbDatabase;
class DiacriticalNames;

// The value labels in the window's order, lblNameUnicodeVal included.
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
    std::string_view objectName; // the widget's object name
    std::string_view captionObjectName;
    std::string_view caption; // the caption label's text beside it; empty for the Unicode name
};

// Rows in the order of ValueLabel.
constexpr std::array<ValueLabelInfo, kValueLabelCount> kValueLabels = {{
    {ValueLabel::Number, "lblNumberVal", "lblNumber", "Number:"},
    {ValueLabel::Name, "lblNameVal", "lblName", "Name:"},
    {ValueLabel::NameUnicode, "lblNameUnicodeVal", "", ""},
    {ValueLabel::H, "lblHVal", "lblH", "Abs. mag H:"},
    {ValueLabel::G, "lblGVal", "lblG", "Slope G:"},
    {ValueLabel::BVColour, "lblBVColourVal", "lblBVColour", "B-V Colour:"},
    {ValueLabel::Diam, "lblDiamVal", "lblDiameter", "IRAS diameter:"},
    {ValueLabel::IRASClass, "lblIRASClassVal", "lblIRASClass", "IRAS classification:"},
    {ValueLabel::Epoch, "lblEpochVal", "lblEpoch", "Epoch:"},
    {ValueLabel::MeanAnomaly, "lblMeanAnomalyVal", "lblMeanAnomaly", "Mean Anomaly:"},
    {ValueLabel::ArgPerihelion, "lblArgPerihelionVal", "lblArgPerihelion",
     "Argument of Perihelion:"},
    {ValueLabel::AscNode, "lblAscNodeVal", "lblAscNode", "Ascending Node:"},
    {ValueLabel::Inclination, "lblInclinationVal", "lblInclination", "Inclination:"},
    {ValueLabel::Eccentricity, "lblEccentricityVal", "lblEccentricity", "Eccentricity:"},
    {ValueLabel::SemiMajorAxis, "lblSemiMajorAxisVal", "lblSemiMajorAxis", "Semi-Major Axis:"},
    {ValueLabel::Aten, "lblAtenVal", "lblAten", "Aten:"},
    {ValueLabel::Apollo, "lblApolloVal", "lblApollo", "Apollo:"},
    {ValueLabel::Amor, "lblAmorVal", "lblAmor", "Amor:"},
    {ValueLabel::MarsCrosser, "lblMarsCrosserVal", "lblMarsCrosser", "Mars-Crosser:"},
    {ValueLabel::OuterCrosser, "lblOuterCrosserVal", "lblOuterCrosser", "Outer Planet Crosser:"},
}};

constexpr const ValueLabelInfo& InfoOf(ValueLabel label) {
    return kValueLabels[static_cast<std::size_t>(label)];
}

// The flag label texts, indexed by the bit's state.
constexpr std::array<std::string_view, 2> FlagText = {"", "Yes"};

// Where the display writes: the window's labels, or a plain record of them.
class RecordLabels {
public:
    virtual ~RecordLabels() = default;
    // Windows-1252 text for every label but the Unicode name.
    virtual void SetValueText(ValueLabel label, const std::string& cp1252) = 0;
    virtual void SetNameUnicode(const std::u16string& text) = 0;
    virtual void SetDiameterBox(const std::string& cp1252) = 0;
};

// Shows the record at `position`: reads it into CurrentRecord, then fills the labels in order.
// A failed read changes nothing and returns false. A malformed flag code raises "'%s' n'est pas
// une valeur entière correcte" after the labels up to the semi-major axis are written, leaving
// the flags and the diameter box as they were.
bool ShowRecord(AstOrbDatabase& database, const DiacriticalNames* names, int position,
                RecordLabels& labels);

// The label writes of ShowRecord for a record text already read.
void DisplayRecord(AstOrbRecord record, const DiacriticalNames* names, RecordLabels& labels);

// The error that displaying `record` raises (a malformed flag code), or null.
std::exception_ptr DisplayFault(AstOrbRecord record);

// A plain holder of every label text, for the command-line tool and the tests.
struct LabelTexts : RecordLabels {
    std::array<std::string, kValueLabelCount> values;
    std::u16string nameUnicode;
    std::string diameterBox;

    void SetValueText(ValueLabel label, const std::string& cp1252) override {
        values[static_cast<std::size_t>(label)] = cp1252;
    }
    void SetNameUnicode(const std::u16string& text) override { nameUnicode = text; }
    void SetDiameterBox(const std::string& cp1252) override { diameterBox = cp1252; }
    const std::string& Value(ValueLabel label) const {
        return values[static_cast<std::size_t>(label)];
    }
};

} // namespace quorvane
