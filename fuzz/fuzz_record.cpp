// AstOrb.dat in both record layouts and with either line end. From the input come the file as
// it stands (any first record, damaged or too short included) and files written from its
// fields in each of the four formats: whole, cut short, and with the first record's line end
// damaged. For every file: the format told by the first record's line end, the record count,
// and every read (ReadRecord, the scans' block reader, the display) against the file's own
// bytes. For every record: each field reader gives a value or the program's error, under both
// decimal separators, and the same fields read alike whatever the layout and the line end.
#include "fuzz_astorb.h"
#include "fuzz_support.h"

#include "astorb/database.h"
#include "astorb/diacriticals.h"
#include "astorb/display.h"
#include "astorb/error.h"
#include "astorb/float_reader.h"
#include "astorb/numbers.h"
#include "astorb/record.h"
#include "astorb/scanner.h"
#include "infobox/epoch.h"
#include "infobox/title.h"
#include "reference/plain_float.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

using namespace quorvane;
using quorvane::fuzz::Check;
using quorvane::fuzz::FileFormat;
using quorvane::fuzz::kFileFormats;

namespace {

constexpr Field kAllFields[] = {
    Field::Number,      Field::Name,          Field::H,
    Field::G,           Field::BVColour,      Field::Diameter,
    Field::IRASClass,   Field::FlagCode,      Field::Epoch,
    Field::MeanAnomaly, Field::ArgPerihelion, Field::AscNode,
    Field::Inclination, Field::Eccentricity,  Field::SemiMajorAxis,
};

// The labels the display fills with a field's text as it stands.
struct LabelRow {
    ValueLabel label;
    Field field;
};
constexpr LabelRow kFieldLabels[] = {
    {ValueLabel::Number, Field::Number},
    {ValueLabel::Name, Field::Name},
    {ValueLabel::H, Field::H},
    {ValueLabel::G, Field::G},
    {ValueLabel::BVColour, Field::BVColour},
    {ValueLabel::Diam, Field::Diameter},
    {ValueLabel::IRASClass, Field::IRASClass},
    {ValueLabel::Epoch, Field::Epoch},
    {ValueLabel::MeanAnomaly, Field::MeanAnomaly},
    {ValueLabel::ArgPerihelion, Field::ArgPerihelion},
    {ValueLabel::AscNode, Field::AscNode},
    {ValueLabel::Inclination, Field::Inclination},
    {ValueLabel::Eccentricity, Field::Eccentricity},
    {ValueLabel::SemiMajorAxis, Field::SemiMajorAxis},
};

struct FlagRow {
    ValueLabel label;
    std::int32_t bit;
};
constexpr FlagRow kFlagLabels[] = {
    {ValueLabel::Aten, 1},        {ValueLabel::Apollo, 2},        {ValueLabel::Amor, 4},
    {ValueLabel::MarsCrosser, 8}, {ValueLabel::OuterCrosser, 16},
};

// Every leading and trailing character of code 32 or less removed.
std::string_view Trim(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32) {
        text.remove_prefix(1);
    }
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) {
        text.remove_suffix(1);
    }
    return text;
}

// What a read leaves of record bytes: everything before the first zero byte.
std::string UpToZero(std::string_view bytes) {
    return std::string(bytes.substr(0, bytes.find('\0')));
}

std::string NamesLine(std::string_view number, std::string_view tex) {
    std::string line(29, ' ');
    line.replace(7 - number.size(), number.size(), number);
    return line + std::string(tex) + "\r\n";
}

// Numbers right-aligned in columns 2-7, one of them of six digits.
const DiacriticalNames& NamesTable() {
    static const DiacriticalNames table = [] {
        DiacriticalNames names;
        names.SetText("header\r\nheader\r\n----\r\n" + NamesLine("1", "C\\'er\\`es") +
                      NamesLine("2", "P\\\"allas") + NamesLine("101", "Dvo\\v r\\'ak") +
                      NamesLine("486958", "Arr\\'okoth"));
        return names;
    }();
    return table;
}

std::string Hex(double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%a", value);
    return text;
}

std::string ErrorText(const Error& error) {
    return std::string("error: ") + error.what();
}

constexpr NumberFormat kPoint{'.'};
constexpr NumberFormat kComma{','};

// The float reader a scan keeps, for each decimal separator. A scan makes its reader for the
// records of one file; so does every check here, for the records of one file or one layout
// (fuzz_field_reader takes one reader across both layouts).
struct Readers {
    FloatReader point{kPoint};
    FloatReader comma{kComma};
};

// The plain definition of a float field's value: the trimmed text with every "." read as the
// separator, through the general decimal conversion.
std::optional<double> PlainFieldValue(AstOrbRecord record, Field field,
                                      const NumberFormat& format) {
    std::string text(Trim(FieldChars(record, field)));
    std::replace(text.begin(), text.end(), '.', format.decimalSeparator);
    return reference::ParseFloatPlain(text, format.decimalSeparator);
}

// Everything the field readers, the title, the epoch and the display make of one record that
// the decimal separator does not change, with the checks that hold for any record text.
std::string ObserveFields(AstOrbRecord record) {
    std::string seen;
    const auto add = [&seen](std::string_view part) {
        seen += part;
        seen += '\x1e';
    };
    for (const Field field : kAllFields) {
        const std::string_view chars = FieldChars(record, field);
        Check(chars == fuzz::Slice(record.text, fuzz::SpanOf(record.layout, field)),
              "a field's characters are not those of its columns in the record's layout");
        const std::string text = FieldText(record, field);
        Check(text == Trim(chars), "FieldText is not the field with its blanks and controls cut");
        Check(TrimmedField(record, field) == text,
              "the scans' trimmed field differs from FieldText");
        add(text);
    }
    const bool numbered = IsNumbered(record);
    Check(numbered == !FieldText(record, Field::Number).empty() &&
              numbered == IsNumberedRecord(record),
          "IsNumbered is not a non-blank number field");
    add(numbered ? "numbered" : "unnumbered");

    std::optional<std::int32_t> flags;
    try {
        flags = GetFlagCode(record);
        add(std::to_string(*flags));
    } catch (const Error& error) {
        add(ErrorText(error));
    }
    Check(GetH(record) == FieldText(record, Field::H) &&
              GetIRASClass(record) == FieldText(record, Field::IRASClass),
          "H or the IRAS class is not its field's text");

    const fuzz::Span epoch = fuzz::SpanOf(record.layout, Field::Epoch);
    const std::string year = GetEpochYear(record);
    const std::string month = GetEpochMonth(record);
    const std::string day = GetEpochDay(record);
    Check(year == fuzz::Slice(record.text, {epoch.first, epoch.first + 3}) &&
              month == fuzz::Slice(record.text, {epoch.first + 4, epoch.first + 5}) &&
              day == fuzz::Slice(record.text, {epoch.first + 6, epoch.first + 7}),
          "the epoch pieces are not the epoch's columns");
    Check(EpochDateText(record) == year + "-" + month + "-" + day,
          "the epoch's date text is not its pieces joined");
    add(year + month + day);
    for (const auto reader : {GetEpochMonthNameEN, GetEpochMonthNameFR}) {
        try {
            add(reader(record));
        } catch (const Error& error) {
            add(ErrorText(error));
        }
    }

    // The title never fails: an error leaving it ends the run.
    for (const bool wiki : {false, true}) {
        for (const bool piped : {false, true}) {
            add(AsteroidTitle(record, nullptr, wiki, piped));
        }
        add(AsteroidTitle(record, &NamesTable(), wiki, wiki));
    }

    RecordDisplay labels;
    std::string diameterBox;
    bool displayed = true;
    try {
        DisplayRecord(record, &NamesTable(), labels, diameterBox);
    } catch (const Error& error) {
        displayed = false;
        add(ErrorText(error));
    }
    Check(displayed == flags.has_value(), "the display failed but on the flag code");
    for (const LabelRow& row : kFieldLabels) {
        Check(labels.Value(row.label) == FieldText(record, row.field),
              "a label does not show its field's text");
    }
    Check(labels.nameUnicode ==
              LookupDiacriticalName(&NamesTable(), FieldText(record, Field::Number), false),
          "the Unicode name is not the names table's entry for the number");
    if (displayed) {
        Check(diameterBox == FieldText(record, Field::Diameter),
              "the diameter box does not hold the diameter");
        for (const FlagRow& row : kFlagLabels) {
            Check(labels.Value(row.label) == FlagText[(*flags & row.bit) != 0 ? 1 : 0],
                  "a flag label does not show its bit of the flag code");
        }
    }
    for (const std::string& value : labels.values) {
        add(value);
    }
    for (const char16_t c : labels.nameUnicode) {
        seen += std::to_string(static_cast<unsigned>(c)) + ",";
    }
    add(diameterBox);
    return seen;
}

// What the float accessors, the scan's float reader `quick` and the Julian date make of one
// record in `format`; the accessors' values are the plain definition's, bit for bit.
std::string ObserveNumbers(AstOrbRecord record, const NumberFormat& format,
                           const FloatReader& quick) {
    std::string seen;
    for (const fuzz::FloatRow& row : fuzz::kFloatFields) {
        std::optional<double> value;
        try {
            value = row.read(record, format);
            Check(std::isfinite(*value), "an accessor returned a value that is not finite");
            seen += Hex(*value);
        } catch (const Error& error) {
            seen += ErrorText(error);
        }
        seen += '\x1e';
        const std::optional<double> plain = PlainFieldValue(record, row.field, format);
        Check(plain.has_value() == value.has_value() && (!value || Hex(*plain) == Hex(*value)),
              "an accessor and the plain definition disagree");
        double quickValue = 0.0;
        Check(quick.Read(record, row.field, quickValue) == value.has_value() &&
                  quick.Check(record, row.field) == value.has_value(),
              "the scan's float reader and the accessor disagree on acceptance");
        Check(!value || Hex(quickValue) == Hex(*value),
              "the scan's float reader and the accessor disagree");
    }
    try {
        seen += GetEpochJulianDate(record, format);
    } catch (const Error& error) {
        seen += ErrorText(error);
    }
    return seen;
}

// Both observations of a record, the numbers in '.' and then ','.
std::string ObserveBoth(AstOrbRecord record, const Readers& readers) {
    std::string seen = ObserveFields(record);
    seen += '\x1d';
    seen += ObserveNumbers(record, kPoint, readers.point);
    seen += '\x1d';
    seen += ObserveNumbers(record, kComma, readers.comma);
    return seen;
}

struct FileSeen {
    RecordFormat format;
    std::vector<std::string> records; // ObserveBoth of each whole record
};

// Opens `bytes` as AstOrb.dat and checks every way of reading it; with `observe`, every record
// is observed too. `written`: the format the file was written in, which it must be read in once
// it holds a whole first record.
FileSeen CheckFile(std::string_view bytes, std::optional<RecordFormat> written, bool observe) {
    const std::string path = fuzz::ScratchFolder() + "/AstOrb.dat";
    fuzz::WriteFile(path, bytes);
    AstOrbDatabase database;
    database.ReplaceFile(path);
    const RecordFormat format = database.Format();
    Check(format == fuzz::FormatByLineEnd(bytes),
          "the file's record format is not the one its first record's line end tells");
    Check(DetectRecordFormat(bytes) == format, "DetectRecordFormat differs from the file's format");
    Check(!written || bytes.size() < static_cast<std::size_t>(written->length) ||
              format == *written,
          "a file written in one record format was read in another");

    const auto length = static_cast<std::size_t>(format.length);
    const std::int64_t count = database.RecordCount();
    Check(count == static_cast<std::int64_t>(bytes.size() / length),
          "the record count is not the file size over the record length");
    Check(!database.ReadRecord(-1) && !database.ReadRecord(count) &&
              !database.ReadRecord(INT64_MAX) && database.CurrentRecord().empty() &&
              database.CurrentIndex() == -1,
          "a read outside the file succeeded or changed the current record");
    const auto recordBytes = [&](std::int64_t i) {
        return UpToZero(bytes.substr(static_cast<std::size_t>(i) * length, length));
    };

    FileSeen seen{format, {}};
    const std::optional<Readers> readers =
        observe ? std::optional<Readers>(std::in_place) : std::nullopt;
    for (std::int64_t i = 0; i < count; ++i) {
        Check(database.ReadRecord(i), "a read inside the file failed");
        const std::string expected = recordBytes(i);
        Check(database.CurrentRecord() == expected && database.CurrentIndex() == i &&
                  database.Current().layout == format.layout,
              "ReadRecord did not give the record's bytes up to the first zero, in the file's "
              "layout");
        Check(!database.ReadRecord(count) && database.CurrentRecord() == expected,
              "a failed read changed the current record");
        if (observe) {
            seen.records.push_back(ObserveBoth(database.Current(), *readers));
        }
    }

    for (const bool forward : {true, false}) {
        std::int64_t last = -1;
        {
            RecordBlockReader reader(database, 2);
            for (std::int64_t k = 0; k < count; ++k) {
                const std::int64_t i = forward ? k : count - 1 - k;
                const std::optional<AstOrbRecord> record = reader.Record(i, forward);
                Check(record && record->text == recordBytes(i) && record->layout == format.layout,
                      "the block reader's record is not the file's record");
                last = i;
            }
            Check(!reader.Record(count, forward) && !reader.Record(-1, forward),
                  "the block reader gave a record outside the file");
        }
        Check(last < 0 || (database.CurrentRecord() == recordBytes(last) &&
                           database.CurrentIndex() == last),
              "after the block reader the current record is not the last one it handed out");
    }

    for (int position = -1; position <= static_cast<int>(count); ++position) {
        RecordDisplay labels;
        std::string diameterBox;
        bool shown = false;
        try {
            shown = ShowRecord(database, observe ? &NamesTable() : nullptr, position, labels,
                               diameterBox);
        } catch (const Error&) {
            shown = true;
        }
        Check(shown == (position >= 0 && position < count),
              "the display read a record outside the file, or failed to read one inside it");
        Check(!shown || database.CurrentRecord() == recordBytes(position),
              "the display did not read the record at its position");
    }
    return seen;
}

// A record of layout `to` holding the fields of `piece`, a record (or a piece of one) of layout
// `from`. Each field takes the characters the two layouts have room for (the last five of the
// number, the last twelve of the semi-major axis); where `to` has a column more, `extra` (a
// blank or a control) stands before them or after them. Between the fields stand the piece's
// own bytes, but never a zero byte (it ends the record a reader sees, at different fields in
// the two layouts) nor, in the six-digit layout's last column, a line end.
std::string WriteRecord(std::string_view piece, RecordLayout from, RecordLayout to, char extra,
                        bool extraFirst) {
    std::string record(piece.substr(0, fuzz::CharactersOf(to)));
    record.resize(fuzz::CharactersOf(to), ' ');
    std::replace(record.begin(), record.end(), '\0', ' ');
    if (to == RecordLayout::SixDigit && (record[266] == '\r' || record[266] == '\n')) {
        record[266] = ' ';
    }
    for (const Field field : kAllFields) {
        const fuzz::Span source = fuzz::SpanOf(from, field);
        const fuzz::Span target = fuzz::SpanOf(to, field);
        const std::size_t shared = std::min(fuzz::SpanOf(RecordLayout::FiveDigit, field).Width(),
                                            fuzz::SpanOf(RecordLayout::SixDigit, field).Width());
        std::string content(fuzz::Slice(piece, source));
        content.resize(source.Width(), ' ');
        content.erase(0, content.size() - shared);
        if (target.Width() > shared) {
            content.insert(extraFirst ? 0 : content.size(), 1, extra);
        }
        record.replace(static_cast<std::size_t>(target.first - 1), target.Width(), content);
    }
    return record;
}

// The files written in the four formats from the records of the input (up to five, read in the
// format the input's first record tells), then one of them cut short and one with a damaged
// first line end. The input's last two bytes choose what stands in the six-digit layout's wider
// columns, which file is cut and by how much, and which is damaged, where and how.
void CheckWrittenFiles(std::string_view bytes) {
    const auto control = static_cast<std::uint8_t>(bytes.empty() ? 0 : bytes.back());
    const auto cutControl =
        static_cast<std::uint8_t>(bytes.size() < 2 ? 0 : bytes[bytes.size() - 2]);
    constexpr char kExtras[] = {' ', '\t', '\x01', '\x1f'};
    const bool extraFirst = (control & 1) != 0;
    const char extra = kExtras[(control >> 1) & 3];

    const RecordFormat source = fuzz::FormatByLineEnd(bytes);
    const auto sourceLength = static_cast<std::size_t>(source.length);
    std::array<std::string, kFileFormats.size()> files;
    for (std::size_t offset = 0; offset < bytes.size() && offset < 5 * sourceLength;
         offset += sourceLength) {
        const std::string_view piece = bytes.substr(offset, sourceLength);
        for (std::size_t f = 0; f < kFileFormats.size(); ++f) {
            files[f] +=
                WriteRecord(piece, source.layout, kFileFormats[f].layout, extra, extraFirst);
            files[f] += fuzz::LineEndText(kFileFormats[f].lineEnd);
        }
    }

    std::array<FileSeen, kFileFormats.size()> whole;
    for (std::size_t f = 0; f < kFileFormats.size(); ++f) {
        const RecordFormat written = fuzz::AsRecordFormat(kFileFormats[f]);
        whole[f] = CheckFile(files[f], written, true);
        Check(whole[f].records == whole[0].records,
              "the same fields read differently in another layout or with another line end");
    }

    // One of them cut short by 1 to 280 bytes: a partial last record, or less than one record.
    // The reads check the records left against the bytes, hence against the whole file's.
    const std::size_t cutFile = (control >> 3) & 3;
    const std::size_t cut = 1 + cutControl % 280;
    const std::string_view file = files[cutFile];
    CheckFile(file.substr(0, file.size() > cut ? file.size() - cut : 0),
              fuzz::AsRecordFormat(kFileFormats[cutFile]), false);

    // One with a byte about its first record's line end replaced.
    constexpr char kDamage[] = {'\r', '\n', '\0', 'x'};
    std::string damaged = files[(control >> 5) & 3];
    const std::size_t at = 265 + ((cutControl >> 4) & 3);
    if (at < damaged.size()) {
        damaged[at] = kDamage[cutControl >> 6];
        CheckFile(damaged, std::nullopt, false);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::AsText(data, size);
    // The first bytes as a record of either layout, whole and as a read leaves them at a zero.
    for (const FileFormat format : {kFileFormats[0], kFileFormats[2]}) {
        const Readers readers;
        const std::string_view text = bytes.substr(0, fuzz::LengthOf(format));
        ObserveBoth({text, format.layout}, readers);
        if (text.find('\0') != std::string_view::npos) {
            ObserveBoth({text.substr(0, text.find('\0')), format.layout}, readers);
        }
    }
    CheckFile(bytes, std::nullopt, true);
    CheckWrittenFiles(bytes);
    return 0;
}
