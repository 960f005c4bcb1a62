// The words of the family figure in French and in English: axis titles, legend, title and the
// description a media library shows, numbers written as each language writes them.
#pragma once

#include "lists/family_figure.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvane {

// One language's fixed texts, UTF-8.
struct FigureWords {
    std::string_view semiMajorAxis;
    std::string_view eccentricity;
    std::string_view sineOfInclination;
    std::string_view member;
    std::string_view seed;
    std::string_view others;
    char decimalMark;
    std::string_view thousandsSeparator;
};

const FigureWords& FigureWordsOf(FigureLanguage language);

// 1400000 as "1,400,000" or "1 400 000" (with no-break spaces).
std::string GroupedNumber(std::int64_t value, FigureLanguage language);

// "Family of 200 Dynamene: 20 members within 60 m/s".
std::string FigureTitle(const FamilyFigure& figure, FigureLanguage language);

// The legend of the grey dots: "other asteroids", and how many are shown of how many when the
// figure shows a subset.
std::string OthersLegend(const FamilyFigure& figure, FigureLanguage language);

// What is drawn: the search, the panels, the grey dots and the database.
std::string FigureDescription(const FamilyFigure& figure, FigureLanguage language);

} // namespace quorvane
