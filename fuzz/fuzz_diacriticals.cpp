// Diacriticals.txt as the names step reads it: split into lines, loaded from a file, looked up
// by the numbers it holds and by others, with both conversions of the names found.
#include "fuzz_support.h"

#include "astorb/diacriticals.h"
#include "astorb/error.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <optional>
#include <vector>

using namespace quorvane;
using quorvane::fuzz::Check;

namespace {

std::string KeyOfLine(const std::string& line) {
    if (line.size() < 2) {
        return {};
    }
    std::string key = line.substr(1, 6);
    const auto first = key.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : key.substr(first);
}

void Lookups(const DiacriticalNames* table, const std::vector<std::string>& numbers) {
    for (const std::string& number : numbers) {
        const std::u16string html = LookupDiacriticalName(table, number, true);
        const std::u16string unicode = LookupDiacriticalName(table, number, false);
        Check(html.empty() == unicode.empty(), "one conversion found a name the other did not");
        Check(table != nullptr || html.empty(), "a name was found without a table");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    std::vector<std::string> numbers;
    const int extra = provider.ConsumeIntegralInRange(0, 3);
    for (int i = 0; i < extra; ++i) {
        numbers.push_back(provider.ConsumeRandomLengthString(8));
    }
    const std::string text = provider.ConsumeRemainingBytesAsString();

    DiacriticalNames table;
    bool loaded = true;
    try {
        table.SetText(text);
    } catch (const Error&) {
        loaded = false;
        Check(table.Count() == 0, "a failed load left lines behind");
    }
    if (loaded) {
        Check(table.Count() > 0 && !table.Line(table.Count() - 1).empty(),
              "a loaded table ends with an empty line");
        for (std::size_t i = 0; i < table.Count(); ++i) {
            Check(table.Line(i).find_first_of("\r\n") == std::string::npos,
                  "a line holds a line end");
            if (i >= 3 && numbers.size() < 16) {
                numbers.push_back(KeyOfLine(table.Line(i)));
            }
        }
    }
    try {
        table.Line(table.Count());
        Check(false, "a line past the end was returned");
    } catch (const Error&) {
    }
    Lookups(&table, numbers);
    Lookups(nullptr, numbers);

    // The same text from a file must give the same table.
    const std::string& folder = fuzz::ScratchFolder();
    fuzz::WriteFile(folder + "/Diacriticals.txt", text);
    std::optional<DiacriticalNames> fromFile;
    try {
        Check(LoadDiacriticals(folder, fromFile), "an existing Diacriticals.txt was not found");
        Check(loaded, "the file loaded where the text did not");
    } catch (const Error&) {
        Check(!loaded, "the file failed where the text loaded");
    }
    Check(fromFile.has_value() && fromFile->Count() == table.Count(),
          "the file and the text give different tables");
    for (std::size_t i = 0; i < table.Count(); ++i) {
        Check(fromFile->Line(i) == table.Line(i), "the file and the text give different lines");
    }
    return 0;
}
