// quorvane-cli find: the field search from a record index.
#include "cli_harness.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quorvane {
namespace {

using Result = test::CliResult;
using test::RunCli;

std::vector<std::string> Find(const std::string& folder, const std::string& index,
                              std::vector<std::string> options) {
    std::vector<std::string> args = {"find", folder, index};
    args.insert(args.end(), options.begin(), options.end());
    return args;
}

TEST(CliFind, SearchesTheSampleFile) {
    const std::string samples = test::SamplesFolder();
    struct Row {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err;
    };
    // Expected indexes from samples/make-sample.py: asteroid n at index n - 1 up to 227, then
    // those numbered above in number order, 433 Eros the first Amor at index 233 and 434
    // Hungaria after it, 61 Danae and 202 Chryseis accented in Diacriticals.txt, unnumbered
    // records from index 451, 1927 LA the first.
    const std::vector<Row> rows = {
        {"name in any case", Find(samples, "0", {"--field", "Name", "--text", "EROS"}), 0, "233\n",
         ""},
        {"the start record is not examined",
         Find(samples, "233", {"--field", "Name", "--text", "Eros"}), 1, "",
         "No more occurrences.\n"},
        {"backward", Find(samples, "233", {"--field", "Name", "--text", "ceres", "--backward"}), 0,
         "0\n", ""},
        {"backward from record 0",
         Find(samples, "0", {"--field", "Name", "--text", "ceres", "--backward"}), 1, "",
         "No more occurrences.\n"},
        {"flag yes", Find(samples, "0", {"--field", "Amor", "--text", "yes"}), 0, "233\n", ""},
        {"flag no", Find(samples, "233", {"--field", "Amor", "--text", "No"}), 0, "234\n", ""},
        {"Diam", Find(samples, "0", {"--field", "Diam", "--text", "525.4"}), 0, "3\n", ""},
        {"Diameter", Find(samples, "0", {"--field", "Diameter", "--text", "525.4"}), 0, "3\n", ""},
        {"numbered only stops at the unnumbered records",
         Find(samples, "440", {"--field", "Name", "--text", "1927 LA"}), 1, "",
         "No more occurrences.\n"},
        {"--all reaches them",
         Find(samples, "440", {"--field", "Name", "--text", "1927 LA", "--all"}), 0, "451\n", ""},
        {"NameUnicode without a names table searches the Name field",
         Find(samples, "0", {"--field", "NameUnicode", "--text", "chryseis"}), 0, "201\n", ""},
        {"NameUnicode with the names table is case-sensitive",
         Find(samples, "0",
              {"--field", "NameUnicode", "--text", "yseïs", "--diacriticals", samples}),
         0, "201\n", ""},
        // Backward from 227 Philosophia: the walk visits 202 and 61 and runs out of entries. (A
        // walk forward goes on to the entries numbered above 227, whose asteroids do not stand
        // at index n - 1 in the sample, and ends at the first past the end of the file.)
        {"NameUnicode with the names table, wrong case",
         Find(samples, "226",
              {"--field", "NameUnicode", "--text", "YSEÏS", "--backward", "--diacriticals",
               samples}),
         1, "", "No more occurrences.\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Result result = RunCli(row.args);
        EXPECT_EQ(result.status, row.status);
        EXPECT_EQ(result.out, row.out);
        EXPECT_EQ(result.err, row.err);
    }
}

TEST(CliFind, TextArrivesAsUtf8) {
    test::TempFolder folder;
    folder.WriteAstOrb({{.number = "1", .name = "Start"},
                        {.number = "2", .name = "Ren\xE9"},
                        {.number = "3", .name = "\xC9lodie"}});
    const Result result = RunCli(Find(folder.str(), "0", {"--field", "Name", "--text", "éLODIE"}));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "2\n");
}

TEST(CliFind, FailuresAndBadCommandLines) {
    test::TempFolder folder;
    folder.WriteAstOrb({{.number = "1", .name = "A", .flags = "0"},
                        {.number = "2", .name = "B", .flags = "x"},
                        {.number = "3", .name = "C", .flags = "4"}});
    // Asteroid 40 has an entry but lies past the end of the three-record file.
    folder.Write("Diacriticals.txt",
                 "h\r\nh\r\nh\r\n" + std::string("     40") + std::string(22, ' ') + "Far\r\n");
    struct Row {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string errStart;
    };
    const std::vector<Row> rows = {
        {"a failed read ends silently",
         Find(folder.str(), "0",
              {"--field", "NameUnicode", "--text", "Far", "--diacriticals", folder.str()}),
         1, "", ""},
        {"malformed flag code",
         Find(folder.str(), "2", {"--field", "Amor", "--text", "yes", "--backward"}), 1, "",
         "'x' n'est pas une valeur entière correcte\n"},
        {"unknown field", Find(folder.str(), "0", {"--field", "Diameters", "--text", "1"}), 2, "",
         "quorvane-cli: --field must be one of"},
        {"field names are case-sensitive",
         Find(folder.str(), "0", {"--field", "name", "--text", "a"}), 2, "",
         "quorvane-cli: --field must be one of"},
        {"the object name is not a field name",
         Find(folder.str(), "0", {"--field", "lblNameVal", "--text", "a"}), 2, "",
         "quorvane-cli: --field must be one of"},
        {"index outside the file", Find(folder.str(), "3", {"--field", "Name", "--text", "a"}), 2,
         "", "quorvane-cli: INDEX must be"},
        {"missing --text", Find(folder.str(), "0", {"--field", "Name"}), 2, "",
         "quorvane-cli: find needs --text"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Result result = RunCli(row.args);
        EXPECT_EQ(result.status, row.status);
        EXPECT_EQ(result.out, row.out);
        EXPECT_EQ(result.err.substr(0, row.errStart.size()), row.errStart);
        if (row.errStart.empty()) {
            EXPECT_EQ(result.err, "");
        }
    }
}

} // namespace
} // namespace quorvane
