// The three physical parameters of the infobox (diameter, albedo, density): each is read from
// its edit box's text, and a bad entry is silently replaced in that text and in the value
// returned.
#pragma once

#include "astorb/numbers.h"

#include <string>
#include <string_view>

namespace quorvane {

// The texts of the window's three parameter boxes (edtDiameter, edtAlbedo, edtDensity), as
// Windows-1252, with their first contents.
struct ParameterTexts {
    std::string diameter;
    std::string albedo = "0.1";
    std::string density = "2";
    friend bool operator==(const ParameterTexts&, const ParameterTexts&) = default;
};

// The box texts written when an entry is refused.
constexpr std::string_view kDefaultAlbedoText = "0.1";
constexpr std::string_view kDefaultDensityText = "2.0";

// Each box is read by the fields' rule of `format`: a "." is always accepted, and so is the
// format's separator (a comma, say).

// The diameter in km. An empty box gives 0 and stays as it is; an unreadable one gives 0 and
// takes `diamCaption` (the caption of lblDiamVal, the record's IRAS diameter text). Any number
// is accepted, negative ones included (a diameter not above 0 means "unknown").
double DiameterParameter(std::string& edtDiameter, std::string_view diamCaption,
                         const NumberFormat& format);

// The albedo, 0 to 1 inclusive; anything else gives 0.1 and the box reads "0.1".
double AlbedoParameter(std::string& edtAlbedo, const NumberFormat& format);

// The density in g/cm3, 0 to 10 inclusive; anything else gives 2.0 and the box reads "2.0".
double DensityParameter(std::string& edtDensity, const NumberFormat& format);

} // namespace quorvane
