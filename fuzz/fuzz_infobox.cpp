// A record (an AstOrb.dat of either layout and line end, told from its bytes) and three
// parameter texts through both infoboxes: each either gives a whole text or raises the
// program's error, and an English one, written or abandoned, changes nothing of the French one
// that follows it.
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

// The text of one infobox from boxes holding the given texts, or the error it raised.
struct Infobox {
    AstOrbDatabase& database;
    const DiacriticalNames* names;
    RecordFormat format;
    std::string_view record;
    std::string diameterText, albedoText, densityText;

    std::string Outcome(InfoboxLanguage language, const NumberFormat& numbers) const {
        const bool readable = record.size() >= static_cast<std::size_t>(format.length);
        ParameterTexts texts{diameterText, albedoText, densityText};
        ParameterBoxes boxes{texts, FieldText({record, format.layout}, Field::Diameter)};
        try {
            const std::optional<std::string> text =
                BuildInfobox(database, names, 0, language, boxes, numbers);
            Check(text.has_value() == readable, "a readable record gave no text, or the reverse");
            if (!text) {
                return "no text";
            }
            Check(text->size() >= 2 && text->compare(text->size() - 2, 2, "}}") == 0,
                  "the infobox does not end with }}");
            return *text;
        } catch (const Error& error) {
            Check(readable, "an error from a record that could not be read");
            return std::string("error: ") + error.what();
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const bool withNames = provider.ConsumeBool();
    const NumberFormat numbers{provider.ConsumeBool() ? '.' : ','};
    std::string diameterText = provider.ConsumeRandomLengthString(16);
    std::string albedoText = provider.ConsumeRandomLengthString(16);
    std::string densityText = provider.ConsumeRandomLengthString(16);
    const std::string record = provider.ConsumeRemainingBytesAsString();

    const std::string path = fuzz::ScratchFolder() + "/AstOrb.dat";
    fuzz::WriteFile(path, record);
    AstOrbDatabase database;
    database.ReplaceFile(path);
    const Infobox infobox{database,
                          withNames ? &NamesTable() : nullptr,
                          database.Format(),
                          record,
                          std::move(diameterText),
                          std::move(albedoText),
                          std::move(densityText)};
    const std::string french = infobox.Outcome(InfoboxLanguage::French, numbers);
    infobox.Outcome(InfoboxLanguage::English, numbers);
    Check(infobox.Outcome(InfoboxLanguage::French, numbers) == french,
          "an English infobox changed the French one that follows it");
    return 0;
}
