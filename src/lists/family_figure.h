// The family figure: the members of a family found, the asteroid searched from and, behind
// them, the other asteroids of the database near them, in the planes of semi-major axis against
// eccentricity and against sine of inclination; collected in one scan and written as SVG.
#pragma once

#include "astorb/numbers.h"
#include "lists/family_found.h"
#include "lists/figure_axes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

class AstOrbDatabase;
class DiacriticalNames;

enum class FigureLanguage { French, English };

// The most other asteroids a figure shows; beyond that, an evenly spread subset.
inline constexpr std::size_t kFigureOthersShown = 50000;

// Semi-major axis (AU), eccentricity and sine of inclination.
struct FigureOrbit {
    double a = 0.0;
    double e = 0.0;
    double s = 0.0;
};

struct FigureAsteroid {
    std::int64_t index = -1; // record index
    FigureOrbit orbit;
    std::string name; // the title the family list gives it, as plain UTF-8 text
};

// What the figure draws. Each panel shows what lies inside its window: a and e on the left, a
// and sin i on the right.
struct FamilyFigure {
    FigureAsteroid seed;
    std::vector<FigureAsteroid> members; // the other members read, in file order
    std::vector<FigureOrbit> others;     // the other asteroids shown, in file order
    std::int64_t othersInWindow = 0;     // every other asteroid inside either panel's window
    FigureRange a, e, s;                 // the windows
    int tolerance = 0;
    int passes = 0;
    int count = 0;                // the family list's count, the seed included
    std::int64_t records = 0;     // in the database
    std::int64_t recordsRead = 0; // by the scan: fewer than `records` when a read failed
    std::string seedEpoch;        // the date of the seed's elements, "yyyy-mm-dd", UTF-8
};

// Reads the seed, then scans the whole database once, in file order: the members (their
// orbits and titles, `names` giving the accents) and the other asteroids inside the windows,
// at most `othersShown` of them kept (evenly spread in file order when more lie there). A record
// whose a, e or inclination cannot be decoded (read with `format`) is left out; a failed read ends
// the scan with what it has. Nothing when the seed's record cannot be read; a malformed field of
// the seed raises the accessor's error. Leaves CurrentRecord on the last record read, as every scan
// does.
std::optional<FamilyFigure> CollectFamilyFigure(AstOrbDatabase& database,
                                                const DiacriticalNames* names,
                                                const FamilyFound& family,
                                                const NumberFormat& format,
                                                std::size_t othersShown = kFigureOthersShown);

// The figure as a standalone SVG 1.1 file in UTF-8, its texts in `language`. The same figure
// gives the same bytes whatever the locale.
std::string FamilyFigureSvg(const FamilyFigure& figure, FigureLanguage language);

} // namespace quorvane
