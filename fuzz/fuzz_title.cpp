// The asteroid title from a record of either layout and a names table: never an error, whatever
// the bytes.
#include "fuzz_support.h"

#include "astorb/diacriticals.h"
#include "astorb/error.h"
#include "astorb/record.h"
#include "infobox/title.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace quorvane;
using quorvane::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    // 0 to 269: a five-digit record of that many bytes; 270 to 539: a six-digit one of 0 to 269.
    const auto pick = provider.ConsumeIntegralInRange<std::size_t>(0, 2 * kLongestRecordLength + 1);
    const RecordLayout layout =
        pick > kLongestRecordLength ? RecordLayout::SixDigit : RecordLayout::FiveDigit;
    const std::string text = provider.ConsumeBytesAsString(pick % (kLongestRecordLength + 1));
    const AstOrbRecord record{text, layout};
    const bool withTable = provider.ConsumeBool();
    DiacriticalNames table;
    if (withTable) {
        try {
            table.SetText(provider.ConsumeRemainingBytesAsString());
        } catch (const Error&) {
        }
    }
    const DiacriticalNames* names = withTable ? &table : nullptr;
    // An exception leaving AsteroidTitle ends the run: the title never fails.
    const std::string plain = AsteroidTitle(record, names, false, false);
    const std::string marked = AsteroidTitle(record, names, true, false);
    const std::string piped = AsteroidTitle(record, names, true, true);
    AsteroidTitle(record, names, false, true);
    if (names == nullptr) {
        // Without a table every form starts from the record's own name; only a designation is
        // marked up, and only the piped form has a "|" of its own.
        const bool designation = IsProvisionalDesignation(FieldText(record, Field::Name));
        Check(designation || (plain == marked && marked == piped),
              "a name that is no designation was marked up");
        Check(!designation || piped.find("|") != std::string::npos, "a designation was not piped");
    }
    return 0;
}
