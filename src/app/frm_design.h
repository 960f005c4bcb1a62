// The window's design: where its controls stand and what they say.
#pragma once

#include "browse/display.h"

#include <array>

namespace quorvane::app {

constexpr int kBorderWidth = 6;
constexpr int kRowHeight = 13;

struct CaptionRow {
    int left;
    int top;
    int width;
};

// Caption labels, right-aligned to end at x = 304, in the order of ValueLabel; the Unicode name
// label has no caption (its row is unused).
constexpr std::array<CaptionRow, kValueLabelCount> kCaptionRows = {{
    {263, 23, 41},   {273, 36, 31},  {0, 0, 0},      {245, 49, 59},  {264, 62, 40},
    {250, 75, 54},   {231, 88, 73},  {213, 101, 91}, {271, 114, 33}, {230, 127, 74},
    {191, 140, 113}, {223, 153, 81}, {251, 166, 53}, {245, 179, 59}, {224, 192, 80},
    {277, 205, 27},  {271, 218, 33}, {275, 231, 29}, {236, 244, 68}, {199, 257, 105},
}};

constexpr int kValueLeft = 309;
constexpr int kNameUnicodeLeft = 404;
// Between a plain name too long for its column and the accented name beside it.
constexpr int kNameGap = 8;

} // namespace quorvane::app
