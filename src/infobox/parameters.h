// The three physical parameters of the infobox (diameter, albedo, density): each is read from
// its edit box, and a bad entry is silently replaced in the box and in the value returned.
#pragma once

#include "astorb/numbers.h"

#include <string>
#include <string_view>
#include <utility>

namespace quorvane {

// One parameter edit box of the main window (edtDiameter, edtAlbedo, edtDensity).
class ParameterBox {
public:
    virtual ~ParameterBox() = default;
    // Windows-1252 text.
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& cp1252) = 0;
};

// A box that is only a text: the command-line tool's and the tests' boxes.
class PlainParameterBox : public ParameterBox {
public:
    explicit PlainParameterBox(std::string text = {}) : text_(std::move(text)) {}
    std::string Text() const override { return text_; }
    void SetText(const std::string& cp1252) override { text_ = cp1252; }

private:
    std::string text_;
};

// The box texts written when an entry is refused.
constexpr std::string_view kDefaultAlbedoText = "0.1";
constexpr std::string_view kDefaultDensityText = "2.0";

// Each box is read by the fields' rule of `format`: a "." is always accepted, and so is the
// format's separator (a comma, say).

// The diameter in km. An empty box gives 0 and stays as it is; an unreadable one gives 0 and
// takes `diamCaption` (the caption of lblDiamVal, the record's IRAS diameter text). Any number
// is accepted, negative ones included (a diameter not above 0 means "unknown").
double DiameterParameter(ParameterBox& edtDiameter, std::string_view diamCaption,
                         const NumberFormat& format);

// The albedo, 0 to 1 inclusive; anything else gives 0.1 and the box reads "0.1".
double AlbedoParameter(ParameterBox& edtAlbedo, const NumberFormat& format);

// The density in g/cm3, 0 to 10 inclusive; anything else gives 2.0 and the box reads "2.0".
double DensityParameter(ParameterBox& edtDensity, const NumberFormat& format);

} // namespace quorvane
