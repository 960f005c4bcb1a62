// The orbit-type list ("Spe&cial"): every asteroid whose orbit stands in a chosen relation to a
// planet's orbit, or whose orbit is retrograde, as a wikicode bullet list on the clipboard.
#pragma once

#include "astorb/numbers.h"
#include "astorb/record.h"
#include "lists/scan.h"

#include <array>
#include <string_view>

namespace quorvane {

// The perihelion and aphelion distances of a planet's mean orbit, in AU.
struct PlanetOrbit {
    double perihelion;
    double aphelion;
};

// One row per item of the "Planet" group, in item order. Fixed constants, not recomputed.
inline constexpr std::array<PlanetOrbit, 9> PlanetOrbits = {{
    {0.30749951, 0.46669835},               // 0 Mercury
    {0.718432696, 0.728231284},             // 1 Venus
    {0.98328978, 1.01671022},               // 2 Earth
    {1.381333463, 1.665991157},             // 3 Mars
    {4.95155843300049, 5.45516758699951},   // 4 Jupiter
    {9.02063223992981, 10.0535084000702},   // 5 Saturn
    {18.2860559584163, 20.0964719015837},   // 6 Uranus
    {29.810795268526, 30.327131691474},     // 7 Neptune
    {29.65834067190334, 49.30503286809666}, // 8 Pluto: its perihelion lies inside Neptune's
}};

// Numbered as the items of the "Type" group.
enum class OrbitType {
    Inner = 0,
    InnerGrazer = 1,
    CoOrbital = 2,
    Crosser = 3,
    OuterGrazer = 4,
    Outer = 5,
    Retrograde = 6,
};

// What the orbit-type list reads of the window: the "Planet" and "Type" groups' item indexes
// (-1 when nothing is selected), "Numbered only" and the browser.
struct OrbitTypeControls {
    int planetIndex = 0;
    int typeIndex = 2;
    bool numberedOnly = true;
    BrowserRange browser;
};

// The planet row for a selected item: any index above 7 is Pluto. `planetIndex` must be >= 0.
const PlanetOrbit& PlanetOrbitAt(int planetIndex);

// The planet-relative test of one of the six types (false for Retrograde), on the asteroid's
// perihelion q and aphelion Q. Every comparison is strict, so an orbit whose q or Q equals the
// planet's falls into none.
bool IsOrbitOfType(OrbitType type, double q, double Q, const PlanetOrbit& planet);

// Strictly above 90 degrees.
bool IsRetrograde(double inclinationDegrees);

// Whether the record is listed for the type index (any index outside 0..6 lists nothing). The
// semi-major axis and eccentricity are decoded by the fields' rule of `format` whatever the
// type, the inclination only for Retrograde; a malformed one raises the float conversion error.
bool RecordHasOrbitType(AstOrbRecord record, int typeIndex, const PlanetOrbit& planet,
                        const NumberFormat& format);

// The "Planet" group is enabled exactly when the selected type is not Retrograde.
bool PlanetGroupEnabled(int typeIndex);

// btnSpecialClick's scan, from record 0: the "* [[title]]" line of every listed record, the
// browser moved to the last one listed, and the Done message. Without a planet it lists nothing
// and answers "Must select a planet.". The type index and "Numbered only" are read once: nothing
// can change them while the scan runs, since it lets no message through. Fields are read as
// RecordHasOrbitType reads them with `format`.
ScanOutcome ExtractOrbitTypeList(AstOrbDatabase& database, const DiacriticalNames* names,
                                 const OrbitTypeControls& controls, const NumberFormat& format);

} // namespace quorvane
