#include "infobox/parameters.h"

#include "astorb/float_reader.h"
#include "astorb/record.h"

#include <optional>

namespace quorvane {

namespace {

double BoundedParameter(std::string& box, double upper, double fallback,
                        std::string_view fallbackText, const NumberFormat& format) {
    const std::optional<double> value = FloatReader(format).Parse(TrimControls(box));
    if (!value || *value > upper || !(*value >= 0.0)) {
        box = fallbackText;
        return fallback;
    }
    return *value;
}

} // namespace

double DiameterParameter(std::string& edtDiameter, std::string_view diamCaption,
                         const NumberFormat& format) {
    const std::string_view trimmed = TrimControls(edtDiameter);
    if (trimmed.empty()) {
        return 0.0;
    }
    if (const std::optional<double> value = FloatReader(format).Parse(trimmed)) {
        return *value;
    }
    edtDiameter = diamCaption;
    return 0.0;
}

double AlbedoParameter(std::string& edtAlbedo, const NumberFormat& format) {
    return BoundedParameter(edtAlbedo, 1.0, 0.1, kDefaultAlbedoText, format);
}

double DensityParameter(std::string& edtDensity, const NumberFormat& format) {
    return BoundedParameter(edtDensity, 10.0, 2.0, kDefaultDensityText, format);
}

} // namespace quorvane
