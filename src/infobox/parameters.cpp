#include "infobox/parameters.h"

#include "astorb/numbers.h"
#include "astorb/record.h"

#include <optional>

namespace quorvane {

namespace {

// A point is always accepted; the process-wide separator (a comma, say) as well.
std::optional<double> ParseBoxText(std::string_view trimmed) {
    return ParseFloat(WithDecimalSeparator(trimmed), DecimalSeparator());
}

double BoundedParameter(std::string& box, double upper, double fallback,
                        std::string_view fallbackText) {
    const std::optional<double> value = ParseBoxText(TrimControls(box));
    if (!value || *value > upper || !(*value >= 0.0)) {
        box = fallbackText;
        return fallback;
    }
    return *value;
}

} // namespace

double DiameterParameter(std::string& edtDiameter, std::string_view diamCaption) {
    const std::string_view trimmed = TrimControls(edtDiameter);
    if (trimmed.empty()) {
        return 0.0;
    }
    if (const std::optional<double> value = ParseBoxText(trimmed)) {
        return *value;
    }
    edtDiameter = diamCaption;
    return 0.0;
}

double AlbedoParameter(std::string& edtAlbedo) {
    return BoundedParameter(edtAlbedo, 1.0, 0.1, kDefaultAlbedoText);
}

double DensityParameter(std::string& edtDensity) {
    return BoundedParameter(edtDensity, 10.0, 2.0, kDefaultDensityText);
}

} // namespace quorvane
