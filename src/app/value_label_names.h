// The widgets of the value labels: each label's object name and its caption's, in the order of
// ValueLabel.
#pragma once

#include "astorb/display.h"

#include <array>
#include <string_view>

namespace quorvane::app {

struct ValueLabelNames {
    ValueLabel label;
    std::string_view objectName;
    std::string_view captionObjectName; // empty for the accented name, which has no caption
};

constexpr std::array<ValueLabelNames, kValueLabelCount> kValueLabelNames = {{
    {ValueLabel::Number, "lblNumberVal", "lblNumber"},
    {ValueLabel::Name, "lblNameVal", "lblName"},
    {ValueLabel::NameUnicode, "lblNameUnicodeVal", ""},
    {ValueLabel::H, "lblHVal", "lblH"},
    {ValueLabel::G, "lblGVal", "lblG"},
    {ValueLabel::BVColour, "lblBVColourVal", "lblBVColour"},
    {ValueLabel::Diam, "lblDiamVal", "lblDiameter"},
    {ValueLabel::IRASClass, "lblIRASClassVal", "lblIRASClass"},
    {ValueLabel::Epoch, "lblEpochVal", "lblEpoch"},
    {ValueLabel::MeanAnomaly, "lblMeanAnomalyVal", "lblMeanAnomaly"},
    {ValueLabel::ArgPerihelion, "lblArgPerihelionVal", "lblArgPerihelion"},
    {ValueLabel::AscNode, "lblAscNodeVal", "lblAscNode"},
    {ValueLabel::Inclination, "lblInclinationVal", "lblInclination"},
    {ValueLabel::Eccentricity, "lblEccentricityVal", "lblEccentricity"},
    {ValueLabel::SemiMajorAxis, "lblSemiMajorAxisVal", "lblSemiMajorAxis"},
    {ValueLabel::Aten, "lblAtenVal", "lblAten"},
    {ValueLabel::Apollo, "lblApolloVal", "lblApollo"},
    {ValueLabel::Amor, "lblAmorVal", "lblAmor"},
    {ValueLabel::MarsCrosser, "lblMarsCrosserVal", "lblMarsCrosser"},
    {ValueLabel::OuterCrosser, "lblOuterCrosserVal", "lblOuterCrosser"},
}};

constexpr const ValueLabelNames& NamesOf(ValueLabel label) {
    return kValueLabelNames[static_cast<std::size_t>(label)];
}

} // namespace quorvane::app
