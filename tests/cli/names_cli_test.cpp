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
    struct Row {
        const char* name;
        std::string index;
        std::string lines; // the Name line and the line after it
    };
    // The TeX names of samples/Diacriticals.txt; asteroid n is at index n - 1.
    const std::vector<Row> rows = {
        {"101", "100", "Name: Dvorak\nName (accents): Dvořák\nAbs. mag H:"},
        {"102", "101", "Name: Brasov\nName (accents): Brašov\n"},
        {"103", "102", "Name: Angstrom\nName (accents): Ångström\n"},
        {"104", "103", "Name: Sindrome\nName (accents): Síndrome\n"},
        {"105, unknown sequence kept", "104", "Name: Lodz\nName (accents): Łod\\'z\n"},
        {"300", "299", "Name: Erdos\nName (accents): Erdős\n"},
        {"350", "349", "Name: Oresund\nName (accents): Øresund\n"},
        {"no entry", "0", "Name: Ceres\nName (accents): \nAbs. mag H:"},
    };
    const std::string samples = test::SamplesFolder();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Result result = RunCli({"show", samples, row.index, "--diacriticals", samples});
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_NE(result.out.find(row.lines), std::string::npos) << result.out;
    }
}

TEST(CliNames, NoAccentLineWithoutTheTable) {
    const Result result = RunCli({"show", test::SamplesFolder(), "100"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Name: Dvorak\nAbs. mag H:"), std::string::npos) << result.out;
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
