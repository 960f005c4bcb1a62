#include "infobox/infobox.h"

#include "astorb/database.h"
#include "astorb/record.h"
#include "infobox/epoch.h"
#include "infobox/patterns.h"
#include "infobox/quantities.h"
#include "infobox/title.h"

namespace quorvane {

namespace {

// Lines joined by CR LF, with none after the last.
class Lines {
public:
    void Add(const std::string& line) {
        if (!first_) {
            text_ += "\r\n";
        }
        first_ = false;
        text_ += line;
    }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
    bool first_ = true;
};

// The English text's numbers, written and read with a point wherever it is made.
constexpr NumberFormat kEnglishNumbers{'.'};

// What the two texts share: the record, its orbit, the parameter boxes, and the format the
// text writes its numbers and reads its boxes with.
struct Inputs {
    AstOrbRecord record;
    const DiacriticalNames* names;
    double a;
    double e;
    double period;
    ParameterBoxes& boxes;
    const NumberFormat& numbers;
};

// Mass, density, gravity and escape velocity of a sphere of diameter `diameter` above 0.
struct PhysicalBlock {
    MassParts mass;
    double density;
    double gravity;
    double escapeVelocity;
};

PhysicalBlock ComputePhysical(double diameter, ParameterBoxes& boxes, const NumberFormat& numbers) {
    const double mass = Mass(diameter, DensityParameter(boxes.texts.density, numbers));
    const MassParts parts = SplitMass(mass);
    // The density line reads its box again, after the mass has used it.
    const double density = DensityParameter(boxes.texts.density, numbers);
    return {parts, density, SurfaceGravity(mass, diameter), EscapeVelocity(mass, diameter)};
}

std::string FrenchText(const Inputs& in) {
    const AstOrbRecord record = in.record;
    const auto number = [&in](std::string_view pattern, long double value) {
        return FormatFloat(pattern, value, in.numbers);
    };
    Lines lines;
    lines.Add("{{Plan\xE8te mineure |");
    lines.Add(" nom=" + AsteroidTitle(record, in.names, true, false));
    lines.Add(" | photo=pas de photo");
    lines.Add(" | d\xE9"
              "couvreur=[[?]]");
    lines.Add(" | date_d\xE9"
              "couverte=[[d mmmm]] [[yyyy]]");
    lines.Add(" | d\xE9signations=&nbsp;");
    lines.Add(" | cat\xE9gorisation=[[ceinture d'ast\xE9ro\xEF"
              "des]]");
    const std::string day = GetEpochDay(record);
    const std::string month = GetEpochMonthNameFR(record);
    lines.Add(" | \xE9poque=[[" + day + " " + month + "]] [[" + GetEpochYear(record) +
              "]] ([[Jour julien|JJ]] " + GetEpochJulianDate(record, in.numbers) + ")");
    lines.Add(" | orbite=" + number("0.000", SemiMajorAxisGm(in.a)) +
              " [[Giga|G]][[m\xE8tre|m]] (" + number("0.000", in.a) +
              " [[Unit\xE9 astronomique|ua]])");
    lines.Add(" | excentricit\xE9=" + number("0.000", in.e));
    lines.Add(" | p\xE9rih\xE9lie=" + number("0.000", PerihelionGm(in.a, in.e)) + " Gm (" +
              number("0.000", PerihelionAU(in.a, in.e)) + " ua)");
    lines.Add(" | aph\xE9lie=" + number("0.000", AphelionGm(in.a, in.e)) + " Gm (" +
              number("0.000", AphelionAU(in.a, in.e)) + " ua)");
    lines.Add(" | r\xE9volution=" + number("0.000", in.period) + " [[jour|d]] (" +
              number("0.00", PeriodInJulianYears(in.period)) +
              " [[Ann\xE9"
              "e julienne|a]])");
    lines.Add(" | vitesse=" + number("0.00", MeanOrbitalSpeed(in.a, in.e, in.period)));
    lines.Add(" | inclinaison=" + number("0.000", GetInclination(record, in.numbers)));
    lines.Add(" | noeud_asc=" + number("0.000", GetAscNode(record, in.numbers)));
    lines.Add(" | arg_p\xE9ri=" + number("0.000", GetArgPerihelion(record, in.numbers)));
    lines.Add(" | anomalie_moy=" + number("0.000", GetMeanAnomaly(record, in.numbers)));

    const double diameter =
        DiameterParameter(in.boxes.texts.diameter, in.boxes.diamCaption, in.numbers);
    if (diameter > 0) {
        const PhysicalBlock block = ComputePhysical(diameter, in.boxes, in.numbers);
        lines.Add(" | dimensions=" + number("0.0", diameter) + " km");
        lines.Add(" | masse=" + number("0.0", block.mass.mantissa) + "{{x10|" +
                  FormatInt(block.mass.exponent) + "}}");
        lines.Add(" | densit\xE9=" + number("0.0", block.density));
        lines.Add(" | gravit\xE9=" + number("0.0000", block.gravity));
        lines.Add(" | lib\xE9ration=" + number("0.0000", block.escapeVelocity));
    } else {
        lines.Add(" | dimensions=? km");
        lines.Add(" | masse=?{{x10|?}}");
        lines.Add(" | densit\xE9=?");
        lines.Add(" | gravit\xE9=?");
        lines.Add(" | lib\xE9ration=?");
    }

    lines.Add(" | rotation=? d");
    const std::string irasClass = GetIRASClass(record);
    lines.Add(" | spectre=" + (irasClass.empty() ? std::string("?") : irasClass));
    lines.Add(" | abs_mag=" + WithDecimalSeparator(GetH(record), in.numbers));
    lines.Add(" | alb\xE9"
              "do=" +
              number("0.00", AlbedoParameter(in.boxes.texts.albedo, in.numbers)));
    lines.Add(" | temp\xE9rature=~" +
              number("0", EquilibriumTemperature(
                              in.a, AlbedoParameter(in.boxes.texts.albedo, in.numbers))) +
              "}}");
    return lines.Take();
}

std::string EnglishText(const Inputs& in) {
    const AstOrbRecord record = in.record;
    const auto number = [&in](std::string_view pattern, long double value) {
        return FormatFloat(pattern, value, in.numbers);
    };
    Lines lines;
    lines.Add("{{Minor Planet |");
    lines.Add(" name=" + AsteroidTitle(record, in.names, true, false));
    lines.Add(" | discoverer=[[?]]");
    lines.Add(" | discovery_date=[[mmmm d]], [[yyyy]]");
    lines.Add(" | designations=&nbsp;");
    lines.Add(" | category=[[Main belt]]");
    const std::string month = GetEpochMonthNameEN(record);
    lines.Add(" | epoch=[[" + month + " " + GetEpochDay(record) + "]], [[" + GetEpochYear(record) +
              "]] ([[Julian day|JD]] " + GetEpochJulianDate(record, in.numbers) + ")");
    lines.Add(" | semimajor=" + number("0.000", SemiMajorAxisGm(in.a)) +
              " [[Giga|G]][[metre|m]] (" + number("0.000", in.a) + " [[Astronomical unit|AU]])");
    lines.Add(" | perihelion=" + number("0.000", PerihelionGm(in.a, in.e)) + " Gm (" +
              number("0.000", PerihelionAU(in.a, in.e)) + " AU)");
    lines.Add(" | aphelion=" + number("0.000", AphelionGm(in.a, in.e)) + " Gm (" +
              number("0.000", AphelionAU(in.a, in.e)) + " AU)");
    lines.Add(" | eccentricity=" + number("0.000", in.e));
    lines.Add(" | period=" + number("0.000", in.period) + " [[day|d]] (" +
              number("0.00", PeriodInJulianYears(in.period)) + " [[Julian year|a]])");
    lines.Add(" | inclination=" + number("0.000", GetInclination(record, in.numbers)) +
              "[[degree (angle)|\xB0]]");
    lines.Add(" | asc_node=" + number("0.000", GetAscNode(record, in.numbers)) + "\xB0");
    lines.Add(" | arg_peri=" + number("0.000", GetArgPerihelion(record, in.numbers)) + "\xB0");
    lines.Add(" | mean_anomaly=" + number("0.000", GetMeanAnomaly(record, in.numbers)) + "\xB0");
    lines.Add(" | speed=" + number("0.00", MeanOrbitalSpeed(in.a, in.e, in.period)) +
              " km/[[second|s]]");

    const double diameter =
        DiameterParameter(in.boxes.texts.diameter, in.boxes.diamCaption, in.numbers);
    if (diameter > 0) {
        const PhysicalBlock block = ComputePhysical(diameter, in.boxes, in.numbers);
        lines.Add(" | dimensions=" + number("0.0", diameter) + " km");
        lines.Add(" | mass=" + number("0.0", block.mass.mantissa) + "{{e|" +
                  FormatInt(block.mass.exponent) + "}} [[kilogram|kg]]");
        lines.Add(" | density=" + number("0.0", block.density) + " g/[[cubic centimetre|cm\xB3]]");
        lines.Add(" | gravity=" + number("0.0000", block.gravity) + " m/s\xB2");
        lines.Add(" | escape_velocity=" + number("0.0000", block.escapeVelocity) + " km/s");
    } else {
        lines.Add(" | dimensions=? km");
        lines.Add(" | mass=?{{e|?}} [[kilogram|kg]]");
        lines.Add(" | density=? g/[[cubic centimetre|cm\xB3]]");
        lines.Add(" | gravity=? m/s\xB2");
        lines.Add(" | escape_velocity=? km/s");
    }

    lines.Add(" | rotation=? d");
    const std::string irasClass = GetIRASClass(record);
    lines.Add(" | spectral_class=" + (irasClass.empty() ? std::string("?") : irasClass));
    lines.Add(" | abs_mag=" + GetH(record));
    lines.Add(" | albedo=" + number("0.00", AlbedoParameter(in.boxes.texts.albedo, in.numbers)));
    lines.Add(" | temperature=~" +
              number("0", EquilibriumTemperature(
                              in.a, AlbedoParameter(in.boxes.texts.albedo, in.numbers))) +
              " [[kelvin|K]]}}");
    return lines.Take();
}

} // namespace

std::optional<std::string> BuildInfobox(AstOrbDatabase& database, const DiacriticalNames* names,
                                        int position, InfoboxLanguage language,
                                        ParameterBoxes& boxes, const NumberFormat& format) {
    if (!database.ReadRecord(position)) {
        return std::nullopt;
    }
    const AstOrbRecord record = database.Current();
    // Both texts take the orbit in the caller's format; only then does the English text turn
    // to its point.
    const double a = GetSemiMajorAxis(record, format);
    const double e = GetEccentricity(record, format);
    const double period = OrbitalPeriod(a);
    if (language == InfoboxLanguage::French) {
        return FrenchText({record, names, a, e, period, boxes, format});
    }
    return EnglishText({record, names, a, e, period, boxes, kEnglishNumbers});
}

} // namespace quorvane
