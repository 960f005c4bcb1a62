// The float reader a scan keeps against the field accessors on a run of records of either
// layout, one reader for the whole run in one number format: each of the six orbital elements
// of every record is accepted and read exactly as the accessor reads it, whatever records (of
// whatever layout) the reader has seen and learned from before.
#include "fuzz_astorb.h"
#include "fuzz_support.h"

#include "astorb/error.h"
#include "astorb/float_reader.h"
#include "astorb/numbers.h"
#include "astorb/record.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <optional>
#include <string>

using namespace quorvane;
using quorvane::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const NumberFormat format{provider.ConsumeBool() ? ',' : '.'};
    const FloatReader reader(format);
    for (int n = 0; n < 8 && provider.remaining_bytes() > 0; ++n) {
        const RecordLayout layout =
            provider.ConsumeBool() ? RecordLayout::SixDigit : RecordLayout::FiveDigit;
        const std::string text = provider.ConsumeBytesAsString(
            provider.ConsumeIntegralInRange<std::size_t>(0, kLongestRecordLength));
        const AstOrbRecord record{text, layout};
        for (const fuzz::FloatRow& row : fuzz::kFloatFields) {
            std::optional<double> value;
            try {
                value = row.read(record, format);
            } catch (const Error&) {
            }
            double quick = 0.0;
            Check(reader.Read(record, row.field, quick) == value.has_value() &&
                      reader.Check(record, row.field) == value.has_value(),
                  "the scan's float reader and the accessor disagree on acceptance");
            Check(!value || quick == *value,
                  "the scan's float reader and the accessor disagree on the value");
        }
    }
    return 0;
}
