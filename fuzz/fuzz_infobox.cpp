// A record (an AstOrb.dat of either layout and line end, told from its bytes) and three
// parameter texts through both infoboxes: each either gives a whole text or raises the
// program's error, and the English one leaves the separator as it promises.
#include "fuzz_support.h"

#include "astorb/database.h"
#include "astorb/diacriticals.h"
#include "astorb/error.h"
#include "astorb/numbers.h"
#include "astorb/record.h"
#include "infobox/infobox.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace quorvane;
using quorvane::fuzz::Check;

namespace {

// Numbers right-aligned in columns 2-7, names from column 30.
const DiacriticalNames& NamesTable() {
    static const DiacriticalNames table = [] {
        DiacriticalNames names;
        names.SetText("header\r\nheader\r\n----\r\n      1                      C\\'er\\`es\r\n"
                      "    101                      Dvo\\v r\\'ak\r\n"
                      " 486958                      Arr\\'okoth\r\n");
        return names;
    }();
    return table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const bool withNames = provider.ConsumeBool();
    const char separator = provider.ConsumeBool() ? '.' : ',';
    const std::string diameterText = provider.ConsumeRandomLengthString(16);
    const std::string albedoText = provider.ConsumeRandomLengthString(16);
    const std::string densityText = provider.ConsumeRandomLengthString(16);
    const std::string record = provider.ConsumeRemainingBytesAsString();

    const std::string path = fuzz::ScratchFolder() + "/AstOrb.dat";
    fuzz::WriteFile(path, record);
    AstOrbDatabase database;
    database.ReplaceFile(path);
    const RecordFormat format = database.Format();
    const bool readable = record.size() >= static_cast<std::size_t>(format.length);

    for (const InfoboxLanguage language : {InfoboxLanguage::French, InfoboxLanguage::English}) {
        SetDecimalSeparator(separator);
        ParameterTexts texts{diameterText, albedoText, densityText};
        ParameterBoxes boxes{texts, FieldText({record, format.layout}, Field::Diameter)};
        try {
            const std::optional<std::string> text =
                BuildInfobox(database, withNames ? &NamesTable() : nullptr, 0, language, boxes);
            Check(text.has_value() == readable, "a readable record gave no text, or the reverse");
            if (text) {
                Check(text->size() >= 2 && text->compare(text->size() - 2, 2, "}}") == 0,
                      "the infobox does not end with }}");
                Check(language == InfoboxLanguage::French || DecimalSeparator() == ',',
                      "the English infobox did not leave the separator at \",\"");
            }
        } catch (const Error&) {
            Check(readable, "an error from a record that could not be read");
        }
    }
    return 0;
}
