#include "infobox/infobox.h"

#include "astorb/database.h"
#include "astorb/numbers.h"
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

// What the two texts share: the record, its orbit, and the parameter boxes.
struct Inputs {
    AstOrbRecord record;
    const DiacriticalNames* names;
    double a;
    double e;
    double period;
    ParameterBoxes& boxes;
};

// Mass, density, gravity and escape velocity of a sphere of diameter `diameter` above 0.
struct PhysicalBlock {
    MassParts mass;
    double density;
    double gravity;
    double escapeVelocity;
};

PhysicalBlock ComputePhysical(double diameter, ParameterBoxes& boxes) {
    const double mass = Mass(diameter, DensityParameter(boxes.texts.density));
    const MassParts parts = SplitMass(mass);
    // The density line reads its box again, after the mass has used it.
    const double density = DensityParameter(boxes.texts.density);
    return {parts, density, SurfaceGravity(mass, diameter), EscapeVelocity(mass, diameter)};
}

std::string FrenchText(const Inputs& in) {
    const AstOrbRecord record = in.record;
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
              "]] ([[Jour julien|JJ]] " + GetEpochJulianDate(record) + ")");
    lines.Add(" | orbite=" + FormatFloat("0.000", SemiMajorAxisGm(in.a)) +
              " [[Giga|G]][[m\xE8tre|m]] (" + FormatFloat("0.000", in.a) +
              " [[Unit\xE9 astronomique|ua]])");
    lines.Add(" | excentricit\xE9=" + FormatFloat("0.000", in.e));
    lines.Add(" | p\xE9rih\xE9lie=" + FormatFloat("0.000", PerihelionGm(in.a, in.e)) + " Gm (" +
              FormatFloat("0.000", PerihelionAU(in.a, in.e)) + " ua)");
    lines.Add(" | aph\xE9lie=" + FormatFloat("0.000", AphelionGm(in.a, in.e)) + " Gm (" +
              FormatFloat("0.000", AphelionAU(in.a, in.e)) + " ua)");
    lines.Add(" | r\xE9volution=" + FormatFloat("0.000", in.period) + " [[jour|d]] (" +
              FormatFloat("0.00", PeriodInJulianYears(in.period)) +
              " [[Ann\xE9"
              "e julienne|a]])");
    lines.Add(" | vitesse=" + FormatFloat("0.00", MeanOrbitalSpeed(in.a, in.e, in.period)));
    lines.Add(" | inclinaison=" + FormatFloat("0.000", GetInclination(record)));
    lines.Add(" | noeud_asc=" + FormatFloat("0.000", GetAscNode(record)));
    lines.Add(" | arg_p\xE9ri=" + FormatFloat("0.000", GetArgPerihelion(record)));
    lines.Add(" | anomalie_moy=" + FormatFloat("0.000", GetMeanAnomaly(record)));

    const double diameter = DiameterParameter(in.boxes.texts.diameter, in.boxes.diamCaption);
    if (diameter > 0) {
        const PhysicalBlock block = ComputePhysical(diameter, in.boxes);
        lines.Add(" | dimensions=" + FormatFloat("0.0", diameter) + " km");
        lines.Add(" | masse=" + FormatFloat("0.0", block.mass.mantissa) + "{{x10|" +
                  FormatInt(block.mass.exponent) + "}}");
        lines.Add(" | densit\xE9=" + FormatFloat("0.0", block.density));
        lines.Add(" | gravit\xE9=" + FormatFloat("0.0000", block.gravity));
        lines.Add(" | lib\xE9ration=" + FormatFloat("0.0000", block.escapeVelocity));
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
    lines.Add(" | abs_mag=" + WithDecimalSeparator(GetH(record)));
    lines.Add(" | alb\xE9"
              "do=" +
              FormatFloat("0.00", AlbedoParameter(in.boxes.texts.albedo)));
    lines.Add(
        " | temp\xE9rature=~" +
        FormatFloat("0", EquilibriumTemperature(in.a, AlbedoParameter(in.boxes.texts.albedo))) +
        "}}");
    return lines.Take();
}

std::string EnglishText(const Inputs& in) {
    const AstOrbRecord record = in.record;
    Lines lines;
    lines.Add("{{Minor Planet |");
    lines.Add(" name=" + AsteroidTitle(record, in.names, true, false));
    lines.Add(" | discoverer=[[?]]");
    lines.Add(" | discovery_date=[[mmmm d]], [[yyyy]]");
    lines.Add(" | designations=&nbsp;");
    lines.Add(" | category=[[Main belt]]");
    const std::string month = GetEpochMonthNameEN(record);
    lines.Add(" | epoch=[[" + month + " " + GetEpochDay(record) + "]], [[" + GetEpochYear(record) +
              "]] ([[Julian day|JD]] " + GetEpochJulianDate(record) + ")");
    lines.Add(" | semimajor=" + FormatFloat("0.000", SemiMajorAxisGm(in.a)) +
              " [[Giga|G]][[metre|m]] (" + FormatFloat("0.000", in.a) +
              " [[Astronomical unit|AU]])");
    lines.Add(" | perihelion=" + FormatFloat("0.000", PerihelionGm(in.a, in.e)) + " Gm (" +
              FormatFloat("0.000", PerihelionAU(in.a, in.e)) + " AU)");
    lines.Add(" | aphelion=" + FormatFloat("0.000", AphelionGm(in.a, in.e)) + " Gm (" +
              FormatFloat("0.000", AphelionAU(in.a, in.e)) + " AU)");
    lines.Add(" | eccentricity=" + FormatFloat("0.000", in.e));
    lines.Add(" | period=" + FormatFloat("0.000", in.period) + " [[day|d]] (" +
              FormatFloat("0.00", PeriodInJulianYears(in.period)) + " [[Julian year|a]])");
    lines.Add(" | inclination=" + FormatFloat("0.000", GetInclination(record)) +
              "[[degree (angle)|\xB0]]");
    lines.Add(" | asc_node=" + FormatFloat("0.000", GetAscNode(record)) + "\xB0");
    lines.Add(" | arg_peri=" + FormatFloat("0.000", GetArgPerihelion(record)) + "\xB0");
    lines.Add(" | mean_anomaly=" + FormatFloat("0.000", GetMeanAnomaly(record)) + "\xB0");
    lines.Add(" | speed=" + FormatFloat("0.00", MeanOrbitalSpeed(in.a, in.e, in.period)) +
              " km/[[second|s]]");

    const double diameter = DiameterParameter(in.boxes.texts.diameter, in.boxes.diamCaption);
    if (diameter > 0) {
        const PhysicalBlock block = ComputePhysical(diameter, in.boxes);
        lines.Add(" | dimensions=" + FormatFloat("0.0", diameter) + " km");
        lines.Add(" | mass=" + FormatFloat("0.0", block.mass.mantissa) + "{{e|" +
                  FormatInt(block.mass.exponent) + "}} [[kilogram|kg]]");
        lines.Add(" | density=" + FormatFloat("0.0", block.density) +
                  " g/[[cubic centimetre|cm\xB3]]");
        lines.Add(" | gravity=" + FormatFloat("0.0000", block.gravity) + " m/s\xB2");
        lines.Add(" | escape_velocity=" + FormatFloat("0.0000", block.escapeVelocity) + " km/s");
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
    lines.Add(" | albedo=" + FormatFloat("0.00", AlbedoParameter(in.boxes.texts.albedo)));
    lines.Add(
        " | temperature=~" +
        FormatFloat("0", EquilibriumTemperature(in.a, AlbedoParameter(in.boxes.texts.albedo))) +
        " [[kelvin|K]]}}");
    return lines.Take();
}

} // namespace

std::optional<std::string> BuildInfobox(AstOrbDatabase& database, const DiacriticalNames* names,
                                        int position, InfoboxLanguage language,
                                        ParameterBoxes& boxes) {
    if (!database.ReadRecord(position)) {
        return std::nullopt;
    }
    const AstOrbRecord record = database.Current();
    const double a = GetSemiMajorAxis(record);
    const double e = GetEccentricity(record);
    const double period = OrbitalPeriod(a);
    const Inputs inputs{record, names, a, e, period, boxes};
    if (language == InfoboxLanguage::French) {
        return FrenchText(inputs);
    }
    // Written with a point; it leaves a comma whatever the separator was before, and an error
    // leaves the point: not a scope that puts the old separator back.
    SetDecimalSeparator('.');
    std::string text = EnglishText(inputs);
    SetDecimalSeparator(',');
    return text;
}

} // namespace quorvane
