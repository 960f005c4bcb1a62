// The window's design: where each control stands, what it says and what it is named, one
// constant per control, in the order the window creates them.
#pragma once

#include "astorb/display.h"

#include <QKeyCombination>

#include <array>
#include <span>
#include <string_view>

namespace quorvane::app::design {

// The window as designed, before the layout fits it to its controls.
constexpr int kDesignLeft = 199;
constexpr int kDesignTop = 131;
constexpr int kDesignWidth = 674;
constexpr int kDesignHeight = 443;
// The window's border around its client area.
constexpr int kBorderWidth = 6;
// The accented name's column; a plain name too long for its own column pushes it right, with
// this gap between them.
constexpr int kNameUnicodeLeft = 404;
constexpr int kNameGap = 8;

// A control's place in the client area, whose origin is inside the border.
struct Place {
    int left;
    int top;
    int width;
    int height;
};

// A control; `text` (UTF-8) is its caption, or an edit box's first text.
struct ControlDesign {
    std::string_view name;
    Place place;
    std::string_view text = {};
    std::string_view hint = {};
};

// A framed group of radio items; `selected` is the item selected at first.
struct RadioGroupDesign {
    std::string_view name;
    Place place;
    std::string_view caption;
    std::string_view hint;
    std::span<const std::string_view> items;
    int selected;
};

// A caption and its value label on one row: the value label stands at kValueLeft; the caption
// ends where `caption` ends, however wide the font makes it. Names and caption text are the
// value label's own (kValueLabels).
struct ValueRowDesign {
    ValueLabel label;
    Place caption;
};
constexpr int kValueLeft = 309;

// The value label's place on its row.
constexpr Place ValuePlace(const ValueRowDesign& row) {
    return {kValueLeft, row.caption.top, 3, 13};
}

// A command; those with a shortcut take it anywhere in the window.
struct ActionDesign {
    std::string_view name;
    std::string_view text;
    std::string_view hint = {};
    std::string_view status = {};
    QKeyCombination shortcut = {};
};

// An entry of the value labels' popup menu; without a caption of its own it shows its command's.
struct MenuEntryDesign {
    std::string_view name;
    std::string_view text = {};
};

// The commands.
constexpr ActionDesign kActCopy{"actCopy", "&Copier", "Copier",
                                "Copier la sélection et la placer dans le Presse-papiers"};
constexpr ActionDesign kActFind{"actFind", "C&hercher..."};
constexpr ActionDesign kActFindAgain{"actFindAgain", "&Occurence suivante", {}, {}, Qt::Key_F3};
constexpr ActionDesign kActFindBackward{
    "actFindBackward", "Occurence précédente", {}, {}, Qt::SHIFT | Qt::Key_F3};
constexpr ActionDesign kActBrowseForAstOrb{"actBrowseForAstOrb", "&Open...", "Browse",
                                           "Browse for AstOrb.dat"};
constexpr ActionDesign kActBrowseForDiacriticals{"actBrowseForDiacriticals", "&Diacriticals...",
                                                 "Browse", "Browse for Diacriticals.txt"};

// The popup menu; the two again entries show the shortcuts of their commands.
constexpr MenuEntryDesign kMnuCopy{"mnuCopy"};
constexpr MenuEntryDesign kMnuFind{"mnuFind", "Searc&h..."};
constexpr MenuEntryDesign kMnuFindAgain{"mnuFindAgain", "Next &occurence\tF3"};
constexpr MenuEntryDesign kMnuFindAgainBackward{"mnuFindAgainBackward",
                                                "Previous occ&urence\tShift+F3"};

// The labels, fitted to their text.
constexpr ControlDesign kLblAstOrbPath{"lblAstOrbPath", {66, 3, 83, 13}, "AstOrb.dat path:"};
constexpr ControlDesign kLblAstOrbPathVal{"lblAstOrbPathVal", {152, 3, 3, 13}};

// The rows of caption and value label, top to bottom.
constexpr ValueRowDesign kValueRows[] = {
    {ValueLabel::Number, {263, 23, 41, 13}},
    {ValueLabel::Name, {273, 36, 31, 13}},
    {ValueLabel::H, {245, 49, 59, 13}},
    {ValueLabel::G, {264, 62, 40, 13}},
    {ValueLabel::BVColour, {250, 75, 54, 13}},
    {ValueLabel::Diam, {231, 88, 73, 13}},
    {ValueLabel::IRASClass, {213, 101, 91, 13}},
    {ValueLabel::Epoch, {271, 114, 33, 13}},
    {ValueLabel::MeanAnomaly, {230, 127, 74, 13}},
    {ValueLabel::ArgPerihelion, {191, 140, 113, 13}},
    {ValueLabel::AscNode, {223, 153, 81, 13}},
    {ValueLabel::Inclination, {251, 166, 53, 13}},
    {ValueLabel::Eccentricity, {245, 179, 59, 13}},
    {ValueLabel::SemiMajorAxis, {224, 192, 80, 13}},
    {ValueLabel::Aten, {277, 205, 27, 13}},
    {ValueLabel::Apollo, {271, 218, 33, 13}},
    {ValueLabel::Amor, {275, 231, 29, 13}},
    {ValueLabel::MarsCrosser, {236, 244, 68, 13}},
    {ValueLabel::OuterCrosser, {199, 257, 105, 13}},
};

// The accented name, a value label of its own beside the plain one.
constexpr Place kLblNameUnicodeVal{kNameUnicodeLeft, 36, 3, 15};

// The labels whose accelerator focuses a control (when the caption has one).
constexpr ControlDesign kLblTolerance{"lblTolerance", {2, 70, 94, 13}, "&Tolerance (m/s): 10"};
constexpr ControlDesign kLblOtherDiameter{"lblOtherDiameter", {430, 56, 47, 13}, "Diameter:"};
constexpr ControlDesign kLblAlbedo{"lblAlbedo", {430, 95, 37, 13}, "Albe&do:"};
constexpr ControlDesign kLblDensity{"lblDensity", {430, 135, 40, 13}, "Density:"};

// The input controls, in tab order. A button that runs a command shows the command's caption.
constexpr std::array<std::string_view, 9> kPlanetItems = {
    "&Mercury", "&Venus",  "Eart&h",   "M&ars",   "&Jupiter",
    "&Saturn",  "&Uranus", "&Neptune", "&Pluton",
};
constexpr std::array<std::string_view, 7> kTypeItems = {
    "&Inner", "Inner-Gra&zer", "Co-Orbita&l", "C&rosser", "Outer-&Grazer", "&Outer", "Retrograde",
};
// clang-format off
constexpr ControlDesign kScbBrowser{"scbBrowser", {0, 280, 496, 15}};
constexpr ControlDesign kBtnBrowse{"btnBrowse", {0, 0, 61, 19}, kActBrowseForAstOrb.text, "Browse for AstOrb.dat"};
constexpr ControlDesign kBtnWikiFR{"btnWikiFR", {0, 25, 91, 19}, "Copier Wiki (&FR)", "Met le Wikicode dans le presse-papiers"};
constexpr ControlDesign kBtnWikiEN{"btnWikiEN", {98, 25, 91, 19}, "Copy Wiki (&EN)", "Puts the Wikicode on the clipboard"};
constexpr ControlDesign kBtnSpecial{"btnSpecial", {0, 49, 91, 19}, "Spe&cial", "Extracts a list to the clipboard"};
constexpr ControlDesign kBtnFamily{"btnFamily", {98, 49, 91, 19}, "Famil&y", "Extracts family members to the clipboard"};
// In the right-hand column, under the hidden "(Inclinations)" button and one button row (24)
// above "Extract Names", so that no control moves and the window keeps its size.
constexpr ControlDesign kBtnFigure{"btnFigure", {402, 202, 91, 19}, "Figure (&W)...", "Shows the figure of the family found last"};
constexpr ControlDesign kScrTolerance{"scrTolerance", {2, 87, 183, 16}, {}, "Sets the Family tolerance"};
constexpr ControlDesign kChkNumbered{"chkNumbered", {2, 104, 97, 18}, "Num&bered Only", "Limits search to the numbered asteroids"};
constexpr RadioGroupDesign kRgpPlanet{"rgpPlanet", {2, 119, 79, 153}, "Planet", "Which planet is used by the Special button", kPlanetItems, 0};
constexpr RadioGroupDesign kRgpType{"rgpType", {90, 119, 97, 153}, "Type", "Type of asteroid extracted by the Special button", kTypeItems, 2};
constexpr ControlDesign kEdtDiameter{"edtDiameter", {426, 71, 65, 21}, {}, "Diameter to use instead of the database's"};
constexpr ControlDesign kEdtAlbedo{"edtAlbedo", {426, 112, 65, 21}, "0.1", "Albedo to use when computing surface temperature"};
constexpr ControlDesign kEdtDensity{"edtDensity", {426, 151, 65, 21}, "2", "Density to use when computing mass, gravity and escape velocity"};
constexpr ControlDesign kButton1{"Button1", {402, 183, 91, 19}, "(Inclinations)", "Scan database for highest-inclination asteroid"};
constexpr ControlDesign kBtnDiacriticals{"btnDiacriticals", {402, 253, 91, 19}, kActBrowseForDiacriticals.text, "Browse for Diacriticals.txt"};
constexpr ControlDesign kBtnExtractNames{"btnExtractNames", {402, 226, 91, 19}, "Extract Names", "Copies all of the asteroid names to the clipboard"};
// clang-format on

} // namespace quorvane::app::design
