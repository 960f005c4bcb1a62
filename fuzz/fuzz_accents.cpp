// The TeX-accent conversion of a name, both ways, and the text conversions the names and the
// command line go through (Windows-1252, UTF-16, UTF-8, malformed UTF-8 included).
#include "fuzz_support.h"

#include "text/accents.h"
#include "text/cp1252.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace quorvane;
using quorvane::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::string sequence = provider.ConsumeRandomLengthString(12);
    const std::string replacement = provider.ConsumeRandomLengthString(12);
    const std::string text = provider.ConsumeRemainingBytesAsString();

    const std::u16string html = ConvertTexAccents(text, true);
    const std::u16string unicode = ConvertTexAccents(text, false);
    Check(html.size() <= text.size() * 8 + 8, "the entity form grew beyond its entities");
    Check(unicode.size() <= text.size(), "the Unicode form is longer than the TeX form");
    Check(
        Utf16ToCp1252(unicode).size() ==
            unicode.size() -
                [&] {
                    std::size_t pairs = 0;
                    for (std::size_t i = 0; i + 1 < unicode.size(); ++i) {
                        if (unicode[i] >= 0xD800 && unicode[i] < 0xDC00 &&
                            unicode[i + 1] >= 0xDC00 && unicode[i + 1] < 0xE000) {
                            ++pairs;
                            ++i;
                        }
                    }
                    return pairs;
                }(),
        "8-bit text of a Unicode name lost or gained characters");

    const std::string replaced = ReplaceAll(text, sequence, replacement);
    if (sequence.empty() || text.find(sequence) == std::string::npos) {
        Check(replaced == text, "ReplaceAll changed a text without the sequence");
    }

    // Windows-1252 bytes survive the trip through UTF-16 and through UTF-8.
    Check(Utf16ToCp1252(Cp1252ToUtf16(text)) == text, "Windows-1252 to UTF-16 and back");
    Check(Utf8ToCp1252(Cp1252ToUtf8(text)) == text, "Windows-1252 to UTF-8 and back");
    // Arbitrary bytes as UTF-8: malformed sequences become U+FFFD, and what comes out is valid.
    const std::u16string decoded = Utf8ToUtf16(text);
    Check(Utf8ToUtf16(Utf16ToUtf8(decoded)) == decoded, "UTF-8 decoding is not stable");
    Check(Cp1252UpperCase(text).size() == text.size(), "upper case changed the length");
    return 0;
}
