// Reading the diameter, albedo and density boxes.
#include "astorb/numbers.h"
#include "infobox/parameters.h"
#include "support/infobox_example.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

enum class Reader { Diameter, Albedo, Density };

TEST(ParameterReaders, AcceptCorrectAndRewrite) {
    struct Row {
        const char* name;
        Reader reader;
        char separator;
        std::string text;
        double value;
        std::string boxAfter;
    };
    const std::string caption = "848.4"; // lblDiamVal, the record's IRAS diameter
    const Row rows[] = {
        {"diameter empty: 0, box left", Reader::Diameter, '.', "", 0.0, ""},
        {"diameter blanks: 0, box left", Reader::Diameter, '.', " \t ", 0.0, " \t "},
        {"diameter with blanks around", Reader::Diameter, '.', " 10.5 ", 10.5, " 10.5 "},
        {"diameter letters take the IRAS text", Reader::Diameter, '.', "abc", 0.0, caption},
        {"diameter negative kept", Reader::Diameter, '.', "-5", -5.0, "-5"},
        {"diameter exponent", Reader::Diameter, '.', "1e3", 1000.0, "1e3"},
        {"diameter comma refused on a point system", Reader::Diameter, '.', "10,5", 0.0, caption},
        {"diameter comma on a comma system", Reader::Diameter, ',', "10,5", 10.5, "10,5"},
        {"diameter point on a comma system", Reader::Diameter, ',', "10.5", 10.5, "10.5"},
        {"albedo empty", Reader::Albedo, '.', "", 0.1, "0.1"},
        {"albedo letters", Reader::Albedo, '.', "x", 0.1, "0.1"},
        {"albedo upper bound", Reader::Albedo, '.', "1", 1.0, "1"},
        {"albedo lower bound", Reader::Albedo, '.', "0", 0.0, "0"},
        {"albedo above 1", Reader::Albedo, '.', "1.01", 0.1, "0.1"},
        {"albedo negative", Reader::Albedo, '.', "-0.1", 0.1, "0.1"},
        {"albedo comma on a comma system", Reader::Albedo, ',', "0,25", 0.25, "0,25"},
        {"albedo comma on a point system", Reader::Albedo, '.', "0,25", 0.1, "0.1"},
        {"density upper bound", Reader::Density, '.', "10", 10.0, "10"},
        {"density above 10", Reader::Density, '.', "10.5", 2.0, "2.0"},
        {"density zero", Reader::Density, '.', "0", 0.0, "0"},
        {"density negative", Reader::Density, '.', "-1", 2.0, "2.0"},
        {"density empty", Reader::Density, '.', "", 2.0, "2.0"},
        {"density comma, point system", Reader::Density, '.', "2,5", 2.0, "2.0"},
        {"density comma, comma system", Reader::Density, ',', "2,5", 2.5, "2,5"},
        {"density overflowing number", Reader::Density, '.', "1e999", 2.0, "2.0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const NumberFormat format{row.separator};
        std::string box = row.text;
        double value = -1.0;
        switch (row.reader) {
        case Reader::Diameter:
            value = DiameterParameter(box, caption, format);
            break;
        case Reader::Albedo:
            value = AlbedoParameter(box, format);
            break;
        case Reader::Density:
            value = DensityParameter(box, format);
            break;
        }
        EXPECT_EQ(value, row.value);
        EXPECT_EQ(box, row.boxAfter);
    }
}

TEST(ParameterReaders, UnreadableDiameterWithoutIrasDiameterEmptiesTheBox) {
    std::string box = "km";
    EXPECT_EQ(DiameterParameter(box, "", NumberFormat{}), 0.0);
    EXPECT_EQ(box, "");
}

} // namespace
} // namespace quorvane
