#include "infobox/epoch.h"

#include "astorb/error.h"
#include "astorb/numbers.h"
#include "astorb/record.h"
#include "infobox/patterns.h"

#include <optional>

namespace quorvane {

namespace {

constexpr int kMaxYear = 9999;

// One piece of the date: blanks around it are allowed, as the date conversion skips them;
// nothing else but digits.
std::optional<int> DatePiece(std::string_view piece) {
    const std::size_t first = piece.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    piece = piece.substr(first, piece.find_last_not_of(' ') + 1 - first);
    int value = 0;
    for (const char c : piece) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

std::string_view MonthName(AstOrbRecord record, const std::array<std::string_view, 12>& names) {
    const std::int32_t month = StrToInt(GetEpochMonth(record));
    if (month < 1 || month > 12) {
        // No month of that number: the Julian date would refuse the epoch a moment later, so
        // the command ends here with the same error.
        RaiseNotADate(EpochDateText(record));
    }
    return names[static_cast<std::size_t>(month - 1)];
}

} // namespace

std::string GetEpochMonthNameEN(AstOrbRecord record) {
    return std::string(MonthName(record, EnglishMonthNames));
}

std::string GetEpochMonthNameFR(AstOrbRecord record) {
    return std::string(MonthName(record, FrenchMonthNames));
}

std::string EpochDateText(AstOrbRecord record) {
    return GetEpochYear(record) + "-" + GetEpochMonth(record) + "-" + GetEpochDay(record);
}

int JulianDayNumber(int year, int month, int day) {
    const int t = (month - 14) / 12;
    return 1461 * (year + 4800 + t) / 4 + 367 * (month - 2 - 12 * t) / 12 -
           3 * ((year + 4900 + t) / 100) / 4 + day - 32075;
}

std::string GetEpochJulianDate(AstOrbRecord record, const NumberFormat& format) {
    const std::optional<int> year = DatePiece(GetEpochYear(record));
    const std::optional<int> month = DatePiece(GetEpochMonth(record));
    const std::optional<int> day = DatePiece(GetEpochDay(record));
    if (!year || !month || !day || *year < 1 || *year > kMaxYear || *month < 1 || *month > 12 ||
        *day < 1 || *day > DaysInMonth(*year, *month)) {
        RaiseNotADate(EpochDateText(record));
    }
    return FormatFloat("0.0", JulianDayNumber(*year, *month, *day) - 0.5L, format);
}

} // namespace quorvane
