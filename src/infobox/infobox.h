// The French ("Planète mineure") and English ("Minor Planet") infoboxes of the asteroid shown:
// the command of the two infobox buttons.
#pragma once

#include "astorb/numbers.h"
#include "infobox/parameters.h"

#include <optional>
#include <string>

namespace quorvane {

class AstOrbDatabase;
class DiacriticalNames;

enum class InfoboxLanguage { French, English };

// The three parameter boxes' texts, which the readers correct, and the caption the diameter
// box falls back to.
struct ParameterBoxes {
    ParameterTexts& texts;
    std::string diamCaption; // lblDiamVal's caption
};

// The infobox text of the record at `position`, Windows-1252, lines joined by CR LF, none after
// the last. Empty, with nothing changed, when the record cannot be read. The semi-major axis
// and the eccentricity are read with `format`; the French text is then written and read with
// `format` too, the English one with a point, whatever `format` is. Raises the record's
// conversion errors, the epoch errors and the floating-point faults; the boxes its readers
// corrected stay corrected.
std::optional<std::string> BuildInfobox(AstOrbDatabase& database, const DiacriticalNames* names,
                                        int position, InfoboxLanguage language,
                                        ParameterBoxes& boxes, const NumberFormat& format);

} // namespace quorvane
