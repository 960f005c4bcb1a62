// A record of AstOrb.dat through every field accessor, then the same bytes as a whole file
// through the record display, under both decimal separators.
#include "fuzz_support.h"

#include "astorb/database.h"
#include "astorb/diacriticals.h"
#include "astorb/error.h"
#include "astorb/numbers.h"
#include "astorb/record.h"
#include "browse/display.h"

#include <cmath>
#include <optional>

using namespace quorvane;
using quorvane::fuzz::Check;

namespace {

constexpr Field kAllFields[] = {
    Field::Number,      Field::Name,          Field::H,
    Field::G,           Field::BVColour,      Field::Diameter,
    Field::IRASClass,   Field::FlagCode,      Field::Epoch,
    Field::MeanAnomaly, Field::ArgPerihelion, Field::AscNode,
    Field::Inclination, Field::Eccentricity,  Field::SemiMajorAxis,
};

using FloatAccessor = double (*)(std::string_view);
constexpr FloatAccessor kFloatAccessors[] = {GetSemiMajorAxis, GetEccentricity,  GetInclination,
                                             GetAscNode,       GetArgPerihelion, GetMeanAnomaly};

bool IsControlOrBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

void Accessors(std::string_view record) {
    for (const Field field : kAllFields) {
        const FieldColumns columns = ColumnsOf(field);
        const std::string_view chars = FieldChars(record, field);
        Check(chars.size() <= static_cast<std::size_t>(columns.width),
              "field wider than its columns");
        const std::string text = FieldText(record, field);
        Check(text.size() <= chars.size(), "trimmed field longer than the field");
        Check(text.empty() || (!IsControlOrBlank(text.front()) && !IsControlOrBlank(text.back())),
              "trimmed field keeps a blank at an end");
    }
    Check(IsNumbered(record) == !FieldText(record, Field::Number).empty(), "IsNumbered");
    for (const FloatAccessor accessor : kFloatAccessors) {
        try {
            Check(std::isfinite(accessor(record)),
                  "an accessor returned a value that is not finite");
        } catch (const Error&) {
        }
    }
    try {
        GetFlagCode(record);
    } catch (const Error&) {
    }
    Check(GetH(record).size() <= 5 && GetIRASClass(record).size() <= 4, "H or class too wide");
    Check(GetEpochYear(record).size() <= 4 && GetEpochMonth(record).size() <= 2 &&
              GetEpochDay(record).size() <= 2,
          "epoch pieces too wide");
}

const DiacriticalNames& NamesTable() {
    static const DiacriticalNames table = [] {
        DiacriticalNames names;
        names.SetText("header\r\nheader\r\n----\r\n     1                      C\\'er\\`es\r\n"
                      "     2                      P\\\"allas\r\n   101                      "
                      "Dvo\\v r\\'ak\r\n");
        return names;
    }();
    return table;
}

void Display(std::string_view bytes) {
    const std::string path = fuzz::ScratchFolder() + "/AstOrb.dat";
    fuzz::WriteFile(path, bytes);
    AstOrbDatabase database;
    database.ReplaceFile(path);
    const std::int64_t count = database.RecordCount();
    Check(count == static_cast<std::int64_t>(bytes.size() / RecordLength), "record count");
    for (int position = -1; position <= count; ++position) {
        LabelTexts labels;
        bool shown = false;
        try {
            shown = ShowRecord(database, &NamesTable(), position, labels);
        } catch (const Error&) {
            shown = true;
        }
        Check(shown == (position >= 0 && position < count), "a read inside the file failed");
        if (shown) {
            const std::string& record = database.CurrentRecord();
            Check(record.size() <= static_cast<std::size_t>(RecordLength) &&
                      record.find('\0') == std::string::npos,
                  "the shared record is not the bytes before the first zero");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::AsText(data, size);
    for (const char separator : {'.', ','}) {
        SetDecimalSeparator(separator);
        Accessors(bytes.substr(0, RecordLength));
        // The shared record stops at a zero byte; the accessors must cope with what is left.
        Accessors(bytes.substr(0, std::min(bytes.find('\0'), std::size_t{RecordLength})));
    }
    Display(bytes);
    return 0;
}
