// quorvane-cli: special, family, names and inclination.
#include "cli_harness.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quorvane {
namespace {

using test::RecordSpec;

using Result = test::CliResult;
using test::Orbit;
using test::RunCli;

// Mars crossers, a retrograde orbit, an unnumbered crosser and a numbered one after it.
class ListsCli : public ::testing::Test {
protected:
    void SetUp() override {
        folder.WriteAstOrb(
            {Orbit("1", "Crossa", "1.5", "0.5"), Orbit("2", "Co-orbo", "1.5", "0.05"),
             Orbit("3", "Retro", "2.5", "0.1", "170"), Orbit("4", "1991 AB2", "1.5", "0.05"),
             Orbit("", "2004 AB1", "1.5", "0.5"), Orbit("5", "Crossb", "1.5", "0.5", "120")});
    }
    test::TempFolder folder;
};

TEST_F(ListsCli, SpecialListsTheChosenTypeAndPlanet) {
    struct Row {
        const char* name;
        std::vector<std::string> options;
        std::string out;
        std::string err;
    };
    const std::vector<Row> rows = {
        {"mars crossers, numbered only",
         {"--planet", "mars", "--type", "crosser"},
         "* [[1 Crossa]]\n",
         "Done. 1 results in the clipboard.\n"},
        {"mars crossers, all records",
         {"--planet", "mars", "--type", "crosser", "--all"},
         "* [[1 Crossa]]\n* [[2004 AB1|2004 AB<sub>1</sub>]]\n* [[5 Crossb]]\n",
         "Done. 3 results in the clipboard.\n"},
        {"co-orbital, a designation with its number",
         {"--planet", "mars", "--type", "co-orbital"},
         "* [[2 Co-orbo]]\n* [[(4) 1991 AB2|(4) 1991 AB<sub>2</sub>]]\n",
         "Done. 2 results in the clipboard.\n"},
        {"retrograde, whatever the planet",
         {"--planet", "mercury", "--type", "retrograde", "--all"},
         "* [[3 Retro]]\n* [[5 Crossb]]\n",
         "Done. 2 results in the clipboard.\n"},
        {"nothing qualifies",
         {"--planet", "pluto", "--type", "outer"},
         "",
         "Done. 0 results in the clipboard.\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> args = {"special", folder.str()};
        args.insert(args.end(), row.options.begin(), row.options.end());
        const Result result = RunCli(args);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out, row.out);
        EXPECT_EQ(result.err, row.err);
    }
}

TEST_F(ListsCli, RawOutputIsTheClipboardBytes) {
    const Result result = RunCli(
        {"--raw", "special", folder.str(), "--planet", "mars", "--type", "crosser", "--all"});
    EXPECT_EQ(result.out, "* [[1 Crossa]]\r\n* [[2004 AB1|2004 AB<sub>1</sub>]]\r\n"
                          "* [[5 Crossb]]\r\n");
}

TEST_F(ListsCli, BadCommandLines) {
    const std::string dir = folder.str();
    const std::vector<std::vector<std::string>> rows = {
        {"special", dir, "--planet", "terra", "--type", "inner"},
        {"special", dir, "--planet", "Mars", "--type", "inner"},
        {"special", dir, "--planet", "mars", "--type", "grazer"},
        {"special", dir, "--planet", "mars"},
        {"family", dir, "0", "--tolerance", "201"},
        {"family", dir, "0", "--tolerance", "-1"},
        {"family", dir, "0", "--tolerance", "1.5"},
        {"family", dir, "0", "--tolerance", ""},
        {"family", dir, "0", "--tolerance", "10", "--passes", "0"},
        {"family", dir, "0", "--tolerance", "10", "--passes", "x"},
        {"family", dir, "6", "--tolerance", "10"},
        {"inclination", dir, "9"},
        {"names", dir, "--all"},
    };
    for (const auto& args : rows) {
        SCOPED_TRACE(args[0] + " " + args.back());
        const Result result = RunCli(args);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("quorvane-cli: ", 0), 0u) << result.err;
    }
}

// The seed at index 2; Beta lies 26.6 m/s from it and Alpha 26.6 m/s from Beta only.
class FamilyCli : public ::testing::Test {
protected:
    void SetUp() override {
        folder.WriteAstOrb({Orbit("1", "Alpha", "2.5", "0.102"), Orbit("2", "Beta", "2.5", "0.101"),
                            Orbit("3", "Seed", "2.5", "0.1"), Orbit("4", "Delta", "2.5", "0.2")});
    }
    test::TempFolder folder;
};

TEST_F(FamilyCli, PassesRepeatUntilOneAddsNothingOrAsGiven) {
    const std::string header = "[[3 Seed family]] members; tolerance 30 m/s\n";
    const std::string one = "Pass complete. 1 asteroids added. Another pass?\n";
    const std::string none = "Pass complete. 0 asteroids added. Another pass?\n";
    struct Row {
        const char* name;
        std::vector<std::string> passes;
        std::string out;
        std::string err;
    };
    const std::vector<Row> rows = {
        {"until nothing is added",
         {},
         header + "* [[2 Beta]] 26.6\n* [[1 Alpha]] 26.6\n",
         one + one + none + "Done. 3 results in the clipboard.\n"},
        {"one pass",
         {"--passes", "1"},
         header + "* [[2 Beta]] 26.6\n",
         one + "Done. 2 results in the clipboard.\n"},
        {"four passes, the last two adding nothing",
         {"--passes", "4"},
         header + "* [[2 Beta]] 26.6\n* [[1 Alpha]] 26.6\n",
         one + one + none + none + "Done. 3 results in the clipboard.\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> args = {"family", folder.str(), "2", "--tolerance", "30"};
        args.insert(args.end(), row.passes.begin(), row.passes.end());
        const Result result = RunCli(args);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out, row.out);
        EXPECT_EQ(result.err, row.err);
    }
}

TEST_F(FamilyCli, DecimalSeparatorOfTheDistances) {
    const Result result = RunCli({"--raw", "--decimal-separator", ",", "family", folder.str(), "2",
                                  "--tolerance", "30", "--passes", "1"});
    EXPECT_EQ(result.out, "[[3 Seed family]] members; tolerance 30 m/s\r\n* [[2 Beta]] 26,6\r\n");
}

TEST_F(FamilyCli, MalformedCandidateIsAnError) {
    test::TempFolder bad;
    bad.WriteAstOrb({Orbit("1", "Seed", "2.5", "0.1"), Orbit("2", "Bad", "2.5x", "0.1")});
    const Result result = RunCli({"family", bad.str(), "0", "--tolerance", "10"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "'2.5x' n'est pas une valeur en virgule flottante correcte\n");
}

TEST(NamesCli, NamedNumberedAsteroidsInFileOrder) {
    test::TempFolder folder;
    folder.WriteAstOrb({Orbit("1", "Ceres", "2.7", "0.1"), Orbit("2", "1991 AB", "2.7", "0.1"),
                        Orbit("3", "Juno", "2.7", "0.1"), Orbit("", "2004 AB1", "2.7", "0.1"),
                        Orbit("4", "Vesta", "2.7", "0.1")});
    const Result result = RunCli({"names", folder.str()});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "1 Ceres\n3 Juno\n");
    EXPECT_EQ(result.err, "Done. 2 results in the clipboard.\n");
}

TEST(NamesCli, SampleDatabase) {
    const Result result = RunCli({"names", test::SamplesFolder()});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.rfind("1 Ceres\n2 Pallas\n3 Juno\n", 0), 0u);
    EXPECT_NE(result.err.find(" results in the clipboard.\n"), std::string::npos);
}

TEST(InclinationCli, PrintsTheFinalIndexAndDoneOnlyAtTheEnd) {
    test::TempFolder folder;
    folder.WriteAstOrb({Orbit("1", "A", "2.5", "0.1", "10"), Orbit("2", "B", "2.5", "0.1", "170"),
                        Orbit("3", "C", "2.5", "0.1", "40"), Orbit("", "D", "2.5", "0.1", "60"),
                        Orbit("4", "E", "2.5", "0.1", "50")});
    struct Row {
        const char* name;
        std::vector<std::string> args;
        std::string out;
        std::string err;
    };
    const std::vector<Row> rows = {
        {"numbered only", {"0"}, "2\n", "Done.\n"},
        {"all records", {"0", "--all"}, "3\n", "Done.\n"},
        {"from the highest", {"3", "--all"}, "3\n", "Done.\n"},
        // The read after the last record fails: no "Done.", the index all the same.
        {"from the last record", {"4"}, "4\n", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> args = {"inclination", folder.str()};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const Result result = RunCli(args);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out, row.out);
        EXPECT_EQ(result.err, row.err);
    }
}

} // namespace
} // namespace quorvane
