// The title by which every wiki output names an asteroid: number prefix, name (accented from
// the names table when it has one) and the subscript markup of a provisional designation.
#pragma once

#include "astorb/record.h"

#include <string>
#include <string_view>

namespace quorvane {

class DiacriticalNames;

// The title of the asteroid of `record`, as Windows-1252 text. `wikiMarkup` asks for HTML
// entities and the designation subscript; `pipedLink` for "plain|marked-up". Never fails.
std::string AsteroidTitle(AstOrbRecord record, const DiacriticalNames* names, bool wikiMarkup,
                          bool pipedLink);

// The same title as plain Unicode text in UTF-8, for a figure: no markup, and the accented name
// with every letter the names table gives it (none folded to Windows-1252). Never fails.
std::string AsteroidPlainTitle(AstOrbRecord record, const DiacriticalNames* names);

// True for "yyyy LLn...": "19" or "20", two digits, a blank, two capitals A-H or J-Y, and at
// least one character more.
bool IsProvisionalDesignation(std::string_view name);

} // namespace quorvane
