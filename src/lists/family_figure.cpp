#include "lists/family_figure.h"

#include "astorb/float_reader.h"

#include "astorb/database.h"
#include "astorb/record.h"
#include "astorb/scanner.h"
#include "infobox/epoch.h"
#include "infobox/title.h"
#include "lists/even_sample.h"
#include "lists/family.h"
#include "text/cp1252.h"

#include <algorithm>
#include <cmath>

namespace quorvane {

namespace {

// The windows cover the extent the search computed and the seed, whatever the extent holds.
void SetWindows(FamilyFigure& figure, const FamilyFound& family) {
    const FigureOrbit& seed = figure.seed.orbit;
    const auto cover = [](FigureAxis axis, double least, double greatest, double seedValue) {
        const bool extentKnown = std::isfinite(least) && std::isfinite(greatest);
        return PlotRange(axis, extentKnown ? std::min(least, seedValue) : seedValue,
                         extentKnown ? std::max(greatest, seedValue) : seedValue);
    };
    figure.a = cover(FigureAxis::SemiMajorAxis, family.aMin, family.aMax, seed.a);
    figure.e = cover(FigureAxis::Eccentricity, family.eMin, family.eMax, seed.e);
    figure.s = cover(FigureAxis::SineOfInclination, family.sMin, family.sMax, seed.s);
}

} // namespace

std::optional<FamilyFigure> CollectFamilyFigure(AstOrbDatabase& database,
                                                const DiacriticalNames* names,
                                                const FamilyFound& family,
                                                const NumberFormat& format,
                                                std::size_t othersShown) {
    if (family.seed < 0 || !database.ReadRecord(family.seed)) {
        return std::nullopt;
    }
    FamilyFigure figure;
    {
        const AstOrbRecord record = database.Current();
        figure.seed = {family.seed,
                       {GetSemiMajorAxis(record, format), GetEccentricity(record, format),
                        SineOfInclination(GetInclination(record, format))},
                       AsteroidPlainTitle(record, names)};
        figure.seedEpoch = Cp1252ToUtf8(EpochDateText(record));
    }
    figure.tolerance = family.tolerance;
    figure.passes = family.passes;
    figure.count = family.count;
    figure.records = database.RecordCount();
    SetWindows(figure, family);

    std::vector<std::int64_t> members = family.members;
    std::sort(members.begin(), members.end());
    members.erase(std::unique(members.begin(), members.end()), members.end());
    auto nextMember = std::lower_bound(members.begin(), members.end(), 0);

    EvenSample<FigureOrbit> others(othersShown);
    RecordBlockReader reader(database);
    WithLayout(reader.Layout(), [&](auto layout) {
        const FloatReader fields(format);
        std::int64_t i = 0;
        for (; i < figure.records; ++i) {
            const std::optional<AstOrbRecord> record = reader.RecordOf<decltype(layout)::value>(i);
            if (!record) {
                break;
            }
            const bool member = nextMember != members.end() && *nextMember == i;
            if (member) {
                ++nextMember;
            }
            if (i == family.seed) {
                continue;
            }
            FigureOrbit orbit;
            double inclination = 0.0;
            if (!fields.Read(*record, Field::SemiMajorAxis, orbit.a) ||
                (!member && !figure.a.Contains(orbit.a)) ||
                !fields.Read(*record, Field::Eccentricity, orbit.e) ||
                !fields.Read(*record, Field::Inclination, inclination)) {
                continue;
            }
            orbit.s = SineOfInclination(inclination);
            if (member) {
                figure.members.push_back({i, orbit, AsteroidPlainTitle(*record, names)});
            } else if (figure.e.Contains(orbit.e) || figure.s.Contains(orbit.s)) {
                others.Add(orbit);
            }
        }
        figure.recordsRead = i;
    });
    figure.othersInWindow = static_cast<std::int64_t>(others.Offered());
    figure.others = std::move(others).Take();
    return figure;
}

} // namespace quorvane
