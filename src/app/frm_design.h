// The window's design: where each control stands and what it says, in one table. The rows are
// in creation order, which is also the tab order of the controls that take the focus.
#pragma once

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

enum class ControlKind {
    Label,      // fitted to its text
    Caption,    // a value label's caption (its text is the value label's), right-aligned to end
                // where its box ends, widened leftwards when the font needs more
    Value,      // a value label, fitted to its text, with the popup menu
    ScrollBar,  // horizontal
    Button,     // a push button; with a command, it runs it and shows its caption
    CheckBox,   // checked at first
    RadioGroup, // a framed group of radio items
    Edit,       // a one-line box holding its text
};

struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    int left;
    int top;
    int width;
    int height;
    std::string_view text = {}; // UTF-8: the caption, or an edit box's first text
    std::string_view hint = {};
    std::string_view buddy = {};   // a label's control, which its accelerator focuses
    std::string_view command = {}; // a button's command (an action's name)
    std::span<const std::string_view> items = {}; // a radio group's items
    int selected = 0;                             // a radio group's selected item
};

constexpr std::array<std::string_view, 9> kPlanetItems = {
    "&Mercury", "&Venus",  "Eart&h",   "M&ars",   "&Jupiter",
    "&Saturn",  "&Uranus", "&Neptune", "&Pluton",
};
constexpr std::array<std::string_view, 7> kTypeItems = {
    "&Inner", "Inner-Gra&zer", "Co-Orbita&l", "C&rosser", "Outer-&Grazer", "&Outer", "Retrograde",
};

using enum ControlKind;

// The controls of the client area, whose origin is inside the border.
// clang-format off
constexpr ControlDesign kControls[] = {
    {"lblAstOrbPath", Label, 66, 3, 83, 13, "AstOrb.dat path:"},
    {"lblAstOrbPathVal", Label, 152, 3, 3, 13},
    {"lblNumber", Caption, 263, 23, 41, 13},
    {"lblNumberVal", Value, 309, 23, 3, 13},
    {"lblName", Caption, 273, 36, 31, 13},
    {"lblNameVal", Value, 309, 36, 3, 13},
    {"lblH", Caption, 245, 49, 59, 13},
    {"lblHVal", Value, 309, 49, 3, 13},
    {"lblG", Caption, 264, 62, 40, 13},
    {"lblGVal", Value, 309, 62, 3, 13},
    {"lblBVColour", Caption, 250, 75, 54, 13},
    {"lblBVColourVal", Value, 309, 75, 3, 13},
    {"lblDiameter", Caption, 231, 88, 73, 13},
    {"lblDiamVal", Value, 309, 88, 3, 13},
    {"lblIRASClass", Caption, 213, 101, 91, 13},
    {"lblIRASClassVal", Value, 309, 101, 3, 13},
    {"lblEpoch", Caption, 271, 114, 33, 13},
    {"lblEpochVal", Value, 309, 114, 3, 13},
    {"lblMeanAnomaly", Caption, 230, 127, 74, 13},
    {"lblMeanAnomalyVal", Value, 309, 127, 3, 13},
    {"lblArgPerihelion", Caption, 191, 140, 113, 13},
    {"lblArgPerihelionVal", Value, 309, 140, 3, 13},
    {"lblAscNode", Caption, 223, 153, 81, 13},
    {"lblAscNodeVal", Value, 309, 153, 3, 13},
    {"lblInclination", Caption, 251, 166, 53, 13},
    {"lblInclinationVal", Value, 309, 166, 3, 13},
    {"lblEccentricity", Caption, 245, 179, 59, 13},
    {"lblEccentricityVal", Value, 309, 179, 3, 13},
    {"lblSemiMajorAxis", Caption, 224, 192, 80, 13},
    {"lblSemiMajorAxisVal", Value, 309, 192, 3, 13},
    {"lblAten", Caption, 277, 205, 27, 13},
    {"lblAtenVal", Value, 309, 205, 3, 13},
    {"lblApollo", Caption, 271, 218, 33, 13},
    {"lblApolloVal", Value, 309, 218, 3, 13},
    {"lblAmor", Caption, 275, 231, 29, 13},
    {"lblAmorVal", Value, 309, 231, 3, 13},
    {"lblMarsCrosser", Caption, 236, 244, 68, 13},
    {"lblMarsCrosserVal", Value, 309, 244, 3, 13},
    {"lblOuterCrosser", Caption, 199, 257, 105, 13},
    {"lblOuterCrosserVal", Value, 309, 257, 3, 13},
    {"lblNameUnicodeVal", Value, kNameUnicodeLeft, 36, 3, 15},
    {"lblTolerance", Label, 2, 70, 94, 13, "&Tolerance (m/s): 10", {}, "scrTolerance"},
    {"lblOtherDiameter", Label, 430, 56, 47, 13, "Diameter:", {}, "edtDiameter"},
    {"lblAlbedo", Label, 430, 95, 37, 13, "Albe&do:", {}, "edtAlbedo"},
    {"lblDensity", Label, 430, 135, 40, 13, "Density:", {}, "edtDensity"},
    {"scbBrowser", ScrollBar, 0, 280, 496, 15},
    {"btnBrowse", Button, 0, 0, 61, 19, {}, "Browse for AstOrb.dat", {}, "actBrowseForAstOrb"},
    {"btnWikiFR", Button, 0, 25, 91, 19, "Copier Wiki (&FR)", "Met le Wikicode dans le presse-papiers"},
    {"btnWikiEN", Button, 98, 25, 91, 19, "Copy Wiki (&EN)", "Puts the Wikicode on the clipboard"},
    {"btnSpecial", Button, 0, 49, 91, 19, "Spe&cial", "Extracts a list to the clipboard"},
    {"btnFamily", Button, 98, 49, 91, 19, "Famil&y", "Extracts family members to the clipboard"},
    {"scrTolerance", ScrollBar, 2, 87, 183, 16, {}, "Sets the Family tolerance"},
    {"chkNumbered", CheckBox, 2, 104, 97, 18, "Num&bered Only", "Limits search to the numbered asteroids"},
    {"rgpPlanet", RadioGroup, 2, 119, 79, 153, "Planet", "Which planet is used by the Special button", {}, {}, kPlanetItems, 0},
    {"rgpType", RadioGroup, 90, 119, 97, 153, "Type", "Type of asteroid extracted by the Special button", {}, {}, kTypeItems, 2},
    {"edtDiameter", Edit, 426, 71, 65, 21, {}, "Diameter to use instead of the database's"},
    {"edtAlbedo", Edit, 426, 112, 65, 21, "0.1", "Albedo to use when computing surface temperature"},
    {"edtDensity", Edit, 426, 151, 65, 21, "2", "Density to use when computing mass, gravity and escape velocity"},
    {"Button1", Button, 402, 183, 91, 19, "(Inclinations)", "Scan database for highest-inclination asteroid"},
    {"btnDiacriticals", Button, 402, 253, 91, 19, {}, "Browse for Diacriticals.txt", {}, "actBrowseForDiacriticals"},
    {"btnExtractNames", Button, 402, 226, 91, 19, "Extract Names", "Copies all of the asteroid names to the clipboard"},
};
// clang-format on

// The window's commands; those with a shortcut take it anywhere in the window.
struct ActionDesign {
    std::string_view name;
    std::string_view text;
    std::string_view hint = {};
    std::string_view status = {};
    QKeyCombination shortcut = {};
};

constexpr ActionDesign kActions[] = {
    {"actCopy", "&Copier", "Copier", "Copier la sélection et la placer dans le Presse-papiers"},
    {"actFind", "C&hercher..."},
    {"actFindAgain", "&Occurence suivante", {}, {}, Qt::Key_F3},
    {"actFindBackward", "Occurence précédente", {}, {}, Qt::SHIFT | Qt::Key_F3},
    {"actBrowseForAstOrb", "&Open...", "Browse", "Browse for AstOrb.dat"},
    {"actBrowseForDiacriticals", "&Diacriticals...", "Browse", "Browse for Diacriticals.txt"},
};

// The popup menu of the value labels: each entry runs its command, under its own caption (the
// command's when it has none) showing the command's shortcut.
struct MenuEntryDesign {
    std::string_view name;
    std::string_view text;
    std::string_view command;
    bool enabled = true;
};

constexpr MenuEntryDesign kPopupMenu[] = {
    {"mnuCopy", {}, "actCopy"},
    {"mnuFind", "Searc&h...", "actFind"},
    {"mnuFindAgain", "Next &occurence\tF3", "actFindAgain", false},
    {"mnuFindAgainBackward", "Previous occ&urence\tShift+F3", "actFindBackward", false},
};

} // namespace quorvane::app::design
