// quorvane-cli: the command line itself and the show command.
#include "cli_harness.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quorvane {
namespace {

using Result = test::CliResult;
using test::RunCli;

TEST(CliShow, PrintsTheFirstSampleRecord) {
    const Result result = RunCli({"show", test::SamplesFolder(), "0"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "Number: 1\n"
                          "Name: Ceres\n"
                          "Abs. mag H: 3.33\n"
                          "Slope G: 0.12\n"
                          "B-V Colour: \n"
                          "IRAS diameter: 939.4\n"
                          "IRAS classification: \n"
                          "Epoch: 20220809\n"
                          "Mean Anomaly: 334.327170\n"
                          "Argument of Perihelion: 73.531625\n"
                          "Ascending Node: 80.266436\n"
                          "Inclination: 10.586795\n"
                          "Eccentricity: 0.07863576\n"
                          "Semi-Major Axis: 2.76661904\n"
                          "Aten: \n"
                          "Apollo: \n"
                          "Amor: \n"
                          "Mars-Crosser: \n"
                          "Outer Planet Crosser: \n");
}

TEST(CliShow, FlagsOfEros) {
    const Result result = RunCli({"show", test::SamplesFolder(), "233"});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("Name: Eros\n"), std::string::npos);
    EXPECT_NE(result.out.find("Amor: Yes\nMars-Crosser: Yes\nOuter Planet Crosser: \n"),
              std::string::npos);
}

TEST(CliShow, ErrorsAndExitStatus) {
    test::TempFolder empty;
    test::TempFolder shortFile;
    shortFile.Write("AstOrb.dat", std::string(266, ' '));
    test::TempFolder badFlags;
    badFlags.WriteAstOrb({{.number = "1", .name = "Ceres", .flags = "abc"}});
    struct Row {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string err;
    };
    const std::vector<Row> rows = {
        {"no AstOrb.dat",
         {"show", empty.str(), "0"},
         1,
         "Impossible d'ouvrir le fichier \"" + empty.str() +
             "/AstOrb.dat\". No such file or directory\n"},
        {"shorter than a record",
         {"show", shortFile.str(), "0"},
         1,
         "Propriété barre de défilement hors limites\n"},
        {"malformed flag code",
         {"show", badFlags.str(), "0"},
         1,
         "'abc' n'est pas une valeur entière correcte\n"},
        {"index past the end", {"show", test::SamplesFolder(), "514"}, 2, ""},
        {"negative index", {"show", test::SamplesFolder(), "-1"}, 2, ""},
        {"index not a number", {"show", test::SamplesFolder(), "x"}, 2, ""},
        {"missing index", {"show", test::SamplesFolder()}, 2, ""},
        {"unknown command", {"shw", test::SamplesFolder(), "0"}, 2, ""},
        {"unknown option", {"show", test::SamplesFolder(), "0", "--lang", "fr"}, 2, ""},
        {"no command", {}, 2, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Result result = RunCli(row.args);
        EXPECT_EQ(result.status, row.status);
        EXPECT_EQ(result.out, "");
        if (row.status == 2) {
            EXPECT_NE(result.err.find("usage: quorvane-cli"), std::string::npos);
        } else {
            EXPECT_EQ(result.err, row.err);
        }
    }
}

TEST(CliShow, GeneralOptionsBeforeOrAfterTheCommand) {
    const std::string folder = test::SamplesFolder();
    const Result before =
        RunCli({"--raw", "--decimal-separator", ",", "infobox", folder, "0", "--lang", "fr"});
    const Result after =
        RunCli({"infobox", folder, "0", "--lang", "fr", "--raw", "--decimal-separator", ","});
    EXPECT_EQ(before.status, 0);
    EXPECT_EQ(before.out, after.out);
    EXPECT_NE(before.out.find("\r\n | excentricit\xe9=0,079\r\n"), std::string::npos);
    EXPECT_EQ(RunCli({"show", folder, "0", "--decimal-separator", ",,"}).status, 2);
}

TEST(CliShow, HelpGoesToStandardOutput) {
    for (const auto& args :
         {std::vector<std::string>{"--help"}, std::vector<std::string>{"show", "--help"}}) {
        const Result result = RunCli(args);
        EXPECT_EQ(result.status, 0);
        EXPECT_NE(result.out.find("usage: quorvane-cli"), std::string::npos);
        EXPECT_EQ(result.err, "");
    }
}

} // namespace
} // namespace quorvane
