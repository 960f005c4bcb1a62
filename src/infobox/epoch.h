// The epoch of the record as the infoboxes write it: its pieces, the month names in English
// and French, and the Julian Date of 0 h on that day.
#pragma once

#include "astorb/numbers.h"
#include "astorb/record.h"

#include <array>
#include <string>
#include <string_view>

namespace quorvane {

// Month 01 is row 0. Windows-1252 text.
constexpr std::array<std::string_view, 12> EnglishMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};
constexpr std::array<std::string_view, 12> FrenchMonthNames = {
    "janvier",
    "f\xE9vrier",
    "mars",
    "avril",
    "mai",
    "juin",
    "juillet",
    "ao\xFBt",
    "septembre",
    "octobre",
    "novembre",
    "d\xE9"
    "cembre",
};

// The month name of the record's epoch. A month that is not a decimal integer raises "'%s'
// n'est pas une valeur entière correcte" (%s: the two month characters); a number outside 1 to
// 12 is no date, and raises the date error of GetEpochJulianDate.
std::string GetEpochMonthNameEN(AstOrbRecord record);
std::string GetEpochMonthNameFR(AstOrbRecord record);

// The year, month and day pieces joined as "yyyy-mm-dd" (untrimmed): the text the date error
// quotes.
std::string EpochDateText(AstOrbRecord record);

// The Julian Date of 0 h on the epoch's Gregorian date, with the pattern "0.0" in `format`
// ("2453661.5" for 2005-10-18 with a point). An epoch that is no valid date raises "'%s' ne
// correspond pas à une date et une heure correctes" with %s the joined text of EpochDateText.
std::string GetEpochJulianDate(AstOrbRecord record, const NumberFormat& format);

// The Julian Day Number of a Gregorian date, by the Fliegel-Van Flandern integer formula.
int JulianDayNumber(int year, int month, int day);

} // namespace quorvane
