// The worked example of the English infobox: the record, the boxes, and the text expected
// byte for byte; shared by the core and command-line tests.
#pragma once

#include "astorb/numbers.h"
#include "support/fixtures.h"

#include <string>
#include <vector>

namespace quorvane::test {

// Number 12345, name 1998 KN3, H 13.40, blank IRAS class, epoch 20051018, a 2.5, e 0.1,
// angles 5, 100, 200, 300 (the fixture's defaults); the boxes hold 10, 0.1 and 2.
inline RecordSpec ExampleRecord() {
    return {.number = "12345", .name = "1998 KN3"};
}

inline std::string JoinLines(const std::vector<std::string>& lines, const std::string& end) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += (i == 0 ? "" : end) + lines[i];
    }
    return text;
}

// Windows-1252 lines.
inline std::vector<std::string> ExampleEnglishLines() {
    return {
        "{{Minor Planet |",
        " name=(12345) 1998 KN<sub>3</sub>",
        " | discoverer=[[?]]",
        " | discovery_date=[[mmmm d]], [[yyyy]]",
        " | designations=&nbsp;",
        " | category=[[Main belt]]",
        " | epoch=[[October 18]], [[2005]] ([[Julian day|JD]] 2453661.5)",
        " | semimajor=373.995 [[Giga|G]][[metre|m]] (2.500 [[Astronomical unit|AU]])",
        " | perihelion=336.595 Gm (2.250 AU)",
        " | aphelion=411.394 Gm (2.750 AU)",
        " | eccentricity=0.100",
        " | period=1443.805 [[day|d]] (3.95 [[Julian year|a]])",
        " | inclination=5.000[[degree (angle)|\xB0]]",
        " | asc_node=100.000\xB0",
        " | arg_peri=200.000\xB0",
        " | mean_anomaly=300.000\xB0",
        " | speed=18.79 km/[[second|s]]",
        " | dimensions=10.0 km",
        " | mass=1.0{{e|15}} [[kilogram|kg]]",
        " | density=2.0 g/[[cubic centimetre|cm\xB3]]",
        " | gravity=0.0028 m/s\xB2",
        " | escape_velocity=0.0053 km/s",
        " | rotation=? d",
        " | spectral_class=?",
        " | abs_mag=13.40",
        " | albedo=0.10",
        " | temperature=~176 [[kelvin|K]]}}",
    };
}

// The French text of the same record on a comma system, first lines.
inline std::vector<std::string> ExampleFrenchFirstLines() {
    return {
        "{{Plan\xE8te mineure |",
        " nom=(12345) 1998 KN<sub>3</sub>",
        " | photo=pas de photo",
        " | d\xE9"
        "couvreur=[[?]]",
        " | date_d\xE9"
        "couverte=[[d mmmm]] [[yyyy]]",
        " | d\xE9signations=&nbsp;",
        " | cat\xE9gorisation=[[ceinture d'ast\xE9ro\xEF"
        "des]]",
        " | \xE9poque=[[18 octobre]] [[2005]] ([[Jour julien|JJ]] 2453661,5)",
        " | orbite=373,995 [[Giga|G]][[m\xE8tre|m]] (2,500 [[Unit\xE9 astronomique|ua]])",
        " | excentricit\xE9=0,100",
    };
}

} // namespace quorvane::test
