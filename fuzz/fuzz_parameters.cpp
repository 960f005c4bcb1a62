// The three parameter boxes of the infobox: whatever is typed, the readers give a value in range
// (or the diameter's "unknown"), correct the box only where they must, and the number patterns
// write the result.
#include "fuzz_support.h"

#include "astorb/numbers.h"
#include "infobox/parameters.h"
#include "infobox/patterns.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>

using namespace quorvane;
using quorvane::fuzz::Check;

namespace {

constexpr const char* kPatterns[] = {"0", "0.0", "0.00", "0.000", "0.0000"};

void Format(double value, const NumberFormat& format) {
    for (const char* pattern : kPatterns) {
        const std::string text = FormatFloat(pattern, value, format);
        Check(!text.empty() && text.size() < 400, "a pattern wrote nothing or too much");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const NumberFormat format{provider.ConsumeBool() ? '.' : ','};
    const std::string caption = provider.ConsumeRandomLengthString(8);
    const std::string albedoText = provider.ConsumeRandomLengthString(40);
    const std::string densityText = provider.ConsumeRandomLengthString(40);
    const std::string diameterText = provider.ConsumeRemainingBytesAsString();

    std::string diameterBox = diameterText;
    const double diameter = DiameterParameter(diameterBox, caption, format);
    Check(std::isfinite(diameter), "a diameter that is not finite");
    Check(diameterBox == diameterText || (diameter == 0.0 && diameterBox == caption),
          "the diameter box changed without being refused");

    std::string albedoBox = albedoText;
    const double albedo = AlbedoParameter(albedoBox, format);
    Check(albedo >= 0.0 && albedo <= 1.0, "an albedo outside 0 to 1");
    Check(albedoBox == albedoText || (albedo == 0.1 && albedoBox == kDefaultAlbedoText),
          "the albedo box changed without being refused");

    std::string densityBox = densityText;
    const double density = DensityParameter(densityBox, format);
    Check(density >= 0.0 && density <= 10.0, "a density outside 0 to 10");
    Check(densityBox == densityText || (density == 2.0 && densityBox == kDefaultDensityText),
          "the density box changed without being refused");

    // A corrected box reads back as the value it was given.
    Check(AlbedoParameter(albedoBox, format) == albedo &&
              DensityParameter(densityBox, format) == density,
          "a box does not read back as its value");
    Format(diameter, format);
    Format(albedo, format);
    Format(density, format);
    FormatInt(static_cast<int>(diameter > 2e9 || diameter < -2e9 ? 0 : diameter));
    return 0;
}
