// The strict number rules of the record fields and the parameter boxes, checked against the C
// library's conversions on the texts both should read alike, and the float reader's text
// conversion against the plain definition.
#include "fuzz_support.h"

#include "astorb/error.h"
#include "astorb/float_reader.h"
#include "astorb/numbers.h"
#include "astorb/record.h"
#include "infobox/epoch.h"
#include "reference/plain_float.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

using namespace quorvane;
using quorvane::fuzz::Check;

namespace {

bool OnlyChars(std::string_view text, std::string_view allowed) {
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

// The float grammar is a subset of strtod's: whatever the reader accepts with the separator
// alone, strtod reads whole with the same value; a plain decimal text that strtod reads whole
// and finite, the reader accepts too. Values below the smallest normal double may read as zero.
void CheckFloat(std::string_view text, char separator) {
    const std::optional<double> value =
        FloatReader(NumberFormat{separator}, DecimalPoints::Separator).Parse(text);
    if (value) {
        Check(std::isfinite(*value), "the float reader gave a value that is not finite");
    }
    if ((separator != '.' && separator != ',') || text.size() > 512 ||
        (separator == ',' && text.find('.') != std::string_view::npos)) {
        return;
    }
    std::string normal(text);
    for (char& c : normal) {
        if (c == separator) {
            c = '.';
        }
    }
    if (!OnlyChars(normal, "0123456789+-.eE")) {
        Check(!value, "the float reader accepted a character outside the grammar");
        return;
    }
    errno = 0;
    char* end = nullptr;
    const double reference = std::strtod(normal.c_str(), &end);
    const bool whole = !normal.empty() && end == normal.c_str() + normal.size();
    const bool overflow = errno == ERANGE && std::fabs(reference) > 1.0;
    if (value) {
        Check(whole, "the float reader accepted a text strtod does not read whole");
        Check(*value == reference || (*value == 0.0 && std::fabs(reference) < DBL_MIN),
              "the float reader and strtod disagree on the value");
    } else {
        Check(!whole || overflow, "the float reader refused a plain decimal number");
    }
}

void CheckInt(std::string_view text) {
    const std::optional<std::int32_t> value = ParseInt(text);
    if (!OnlyChars(text, "0123456789+-")) {
        Check(!value, "ParseInt accepted a character outside the grammar");
        return;
    }
    const std::string copy(text);
    errno = 0;
    char* end = nullptr;
    const long long reference = std::strtoll(copy.c_str(), &end, 10);
    const bool whole = !copy.empty() && end == copy.c_str() + copy.size();
    const bool inRange = errno != ERANGE && reference >= std::numeric_limits<std::int32_t>::min() &&
                         reference <= std::numeric_limits<std::int32_t>::max();
    Check(value.has_value() == (whole && inRange), "ParseInt and strtoll disagree on acceptance");
    if (value) {
        Check(*value == reference, "ParseInt and strtoll disagree on the value");
    }
}

// Days from 1970-01-01 to a Gregorian date (the era-based civil calendar count), a different
// road to the Julian date than the integer formula of the infobox.
long long DaysFromCivil(long long y, long long m, long long d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

bool IsValidDate(int y, int m, int d) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1 || m < 1 || m > 12 || d < 1) {
        return false;
    }
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= (m == 2 && leap ? 29 : kDays[m - 1]);
}

// The epoch of a record, in the columns of either layout: an eight-digit date is accepted
// exactly when it exists, and its Julian date is that of 0 h on the day; both layouts read it
// alike.
void CheckEpoch(std::string_view text, const NumberFormat& format) {
    std::optional<std::string> julian;
    bool named = true;
    std::string fiveDigitSeen;
    for (const RecordLayout layout : {RecordLayout::FiveDigit, RecordLayout::SixDigit}) {
        // The epoch stands in columns 106-113 of a five-digit record, 107-114 of a six-digit one.
        const std::size_t first = layout == RecordLayout::SixDigit ? 106 : 105;
        std::string record(first + 161, ' ');
        record += '\n';
        record.replace(first, std::min<std::size_t>(text.size(), 8), text.substr(0, 8));
        const AstOrbRecord read{record, layout};
        std::string seen;
        julian.reset();
        try {
            julian = GetEpochJulianDate(read, format);
            seen += *julian;
        } catch (const Error& e) {
            seen += e.what();
        }
        named = true;
        for (const auto monthName : {GetEpochMonthNameEN, GetEpochMonthNameFR}) {
            try {
                seen += "|" + monthName(read);
            } catch (const Error& e) {
                seen += std::string("|") + e.what();
                named = false;
            }
        }
        if (layout == RecordLayout::FiveDigit) {
            fiveDigitSeen = seen;
        } else {
            Check(seen == fiveDigitSeen, "the epoch reads differently in the two layouts");
        }
    }
    // The month name reads its two characters by the strict integer rule, so a blank in them
    // (which the date conversion skips) is refused there.
    const std::string epoch = (std::string(text.substr(0, 8)) + "        ").substr(0, 8);
    Check(!julian || named || !OnlyChars(std::string_view(epoch).substr(4, 2), "0123456789"),
          "a date with a Julian date but no month name");
    if (!OnlyChars(epoch, "0123456789")) {
        return;
    }
    const int y = std::stoi(std::string(epoch.substr(0, 4)));
    const int m = std::stoi(std::string(epoch.substr(4, 2)));
    const int d = std::stoi(std::string(epoch.substr(6, 2)));
    Check(julian.has_value() == IsValidDate(y, m, d), "a date accepted or refused wrongly");
    if (julian) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "%lld.5", DaysFromCivil(y, m, d) + 2440587);
        std::string want = expected;
        for (char& c : want) {
            if (c == '.') {
                c = format.decimalSeparator;
            }
        }
        Check(*julian == want, "the Julian date differs from the civil day count");
    }
}

// The float reader must be the plain definition exactly, acceptance included: with the
// separator alone on the text, and by the fields' rule in place on the text with its points
// replaced.
void CheckQuickPaths(std::string_view text, char separator) {
    const NumberFormat format{separator};
    const std::optional<double> quick = FloatReader(format, DecimalPoints::Separator).Parse(text);
    const std::optional<double> plain = reference::ParseFloatPlain(text, separator);
    Check(quick.has_value() == plain.has_value(),
          "the reader and the plain definition disagree on acceptance");
    if (quick && plain) {
        Check(std::signbit(*quick) == std::signbit(*plain) && (*quick == *plain),
              "the reader and the plain definition disagree on the value");
    }
    std::string replaced(text);
    for (char& c : replaced) {
        if (c == '.') {
            c = separator;
        }
    }
    const std::optional<double> rule =
        FloatReader(format, DecimalPoints::PointOrSeparator).Parse(text);
    const std::optional<double> reference = reference::ParseFloatPlain(replaced, separator);
    Check(rule.has_value() == reference.has_value(),
          "the fields' rule in place disagrees on acceptance");
    if (rule && reference) {
        Check(std::signbit(*rule) == std::signbit(*reference) && *rule == *reference,
              "the fields' rule in place disagrees on the value");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte picks the decimal separator: mostly the two real ones, sometimes any byte.
    const char separator = data[0] < 0x80   ? '.'
                           : data[0] < 0xF0 ? ','
                                            : static_cast<char>(data[0] & 0x7F);
    const std::string_view text = fuzz::AsText(data + 1, size - 1);
    CheckFloat(text, separator);
    CheckQuickPaths(text, separator);
    CheckInt(text);
    const NumberFormat format{separator};
    try {
        const double value = FloatReader(format).Value(text);
        Check(std::isfinite(value), "the fields' rule gave a value that is not finite");
    } catch (const Error&) {
    }
    try {
        StrToInt(text);
    } catch (const Error&) {
    }
    CheckEpoch(text, format);
    Check(WithDecimalSeparator(text, format).size() == text.size(),
          "separator replacement changed length");
    return 0;
}
