// quorvane-cli show with the names table: the accented name after the Name line.
#include "cli_harness.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quorvane {
namespace {

using Result = test::CliResult;
using test::RunCli;

TEST(CliNames, ShowPrintsTheAccentedNameAfterTheName) {
    const std::string samples = test::SamplesFolder();
    const std::string sixDigit = test::SixDigitSamplesFolder();
    struct Row {
        const char* name;
        const std::string& folder;
        std::string index;
        std::string lines; // the Name line and the line after it
    };
    // The TeX names of the samples' Diacriticals.txt; asteroid n is at index n - 1 up to 227.
    const std::vector<Row> rows = {
        {"61, a diaeresis", samples, "60", "Name: Danae\nName (accents): Danaë\nAbs. mag H:"},
        {"202, a dotless i and the blank after it", samples, "201",
         "Name: Chryseis\nName (accents): Chryseïs\n"},
        {"775, a grave accent", samples, "257", "Name: Lumiere\nName (accents): Lumière\n"},
        {"1259, on a capital", samples, "276", "Name: Ogyalla\nName (accents): Ógyalla\n"},
        {"1861, from the second table", samples, "319",
         "Name: Komensky\nName (accents): Komenský\n"},
        {"2345, a caron, then a dotless i and its blank", samples, "338",
         "Name: Fucik\nName (accents): Fučík\n"},
        {"2747, a caron on a capital", samples, "360",
         "Name: Cesky Krumlov\nName (accents): Český Krumlov\n"},
        {"2811, a dotless i ending the name", samples, "365",
         "Name: Stremchovi\nName (accents): Střemchoví\n"},
        {"3571, a caron on a letter Windows-1252 has", samples, "391",
         "Name: Milanstefanik\nName (accents): Milanštefánik\n"},
        {"541132, unknown sequences kept", sixDigit, "459",
         "Name: Leleakuhonua\nName (accents): Lele\\=ak\\=uhonua\n"},
        {"no entry", samples, "0", "Name: Ceres\nName (accents): \nAbs. mag H:"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Result result = RunCli({"show", row.folder, row.index, "--diacriticals", row.folder});
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_NE(result.out.find(row.lines), std::string::npos) << result.out;
    }
}

TEST(CliNames, NoAccentLineWithoutTheTable) {
    const Result result = RunCli({"show", test::SamplesFolder(), "365"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Name: Stremchovi\nAbs. mag H:"), std::string::npos) << result.out;
    EXPECT_EQ(result.out.find("accents"), std::string::npos);
}

TEST(CliNames, EmptyNamesFileIsReported) {
    test::TempFolder folder;
    folder.Write("Diacriticals.txt", "\r\n\r\n");
    const Result result =
        RunCli({"show", test::SamplesFolder(), "100", "--diacriticals", folder.str()});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "Indice de liste hors limites (-1)\n");
}

} // namespace
} // namespace quorvane
