#include "infobox/parameters.h"

#include "astorb/float_reader.h"
#include "astorb/record.h"

#include <optional>

namespace quorvane {

namespace {

double BoundedParameter(ParameterBox& box, double upper, double fallback,
                        std::string_view fallbackText, const NumberFormat& format) {
    const std::string text = box.Text();
    const std::optional<double> value = FloatReader(format).Parse(TrimControls(text));
    if (!value || *value > upper || !(*value >= 0.0)) {
        box.SetText(std::string(fallbackText));
        return fallback;
    }
    return *value;
}

} // namespace

double DiameterParameter(ParameterBox& edtDiameter, std::string_view diamCaption,
                         const NumberFormat& format) {
    const std::string text = edtDiameter.Text();
    const std::string_view trimmed = TrimControls(text);
    if (trimmed.empty()) {
        return 0.0;
    }
    if (const std::optional<double> value = FloatReader(format).Parse(trimmed)) {
        return *value;
    }
    edtDiameter.SetText(std::string(diamCaption));
    return 0.0;
}

double AlbedoParameter(ParameterBox& edtAlbedo, const NumberFormat& format) {
    return BoundedParameter(edtAlbedo, 1.0, 0.1, kDefaultAlbedoText, format);
}

double DensityParameter(ParameterBox& edtDensity, const NumberFormat& format) {
    return BoundedParameter(edtDensity, 10.0, 2.0, kDefaultDensityText, format);
}

} // namespace quorvane
