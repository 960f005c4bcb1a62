// quorvane-cli infobox: the clipboard text of the window's infobox buttons.
#include "cli_harness.h"
#include "support/infobox_example.h"
#include "text/cp1252.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quorvane {
namespace {

using Result = test::CliResult;
using test::RunCli;

class CliInfobox : public testing::Test {
protected:
    void SetUp() override { folder.WriteAstOrb({test::ExampleRecord()}); }
    test::TempFolder folder;
};

TEST_F(CliInfobox, RawIsTheClipboardBytes) {
    const Result result =
        RunCli({"--raw", "infobox", folder.str(), "0", "--lang", "en", "--diameter", "10"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, test::JoinLines(test::ExampleEnglishLines(), "\r\n"));
    EXPECT_EQ(result.err, "");
}

TEST_F(CliInfobox, WithoutRawUtf8AndLineFeeds) {
    const Result result = RunCli({"--decimal-separator", ",", "infobox", folder.str(), "0",
                                  "--lang", "fr", "--diameter", "10"});
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string beginning =
        Cp1252ToUtf8(test::JoinLines(test::ExampleFrenchFirstLines(), "\n"));
    EXPECT_EQ(result.out.substr(0, beginning.size()), beginning);
    EXPECT_NE(result.out.find("\n | temp\xC3\xA9rature=~176}}\n"), std::string::npos);
    EXPECT_EQ(result.out.find('\r'), std::string::npos);
    EXPECT_EQ(result.out.back(), '\n');
}

TEST_F(CliInfobox, DefaultsComeFromTheDisplayedRecord) {
    // The sample's Ceres: diameter 939.4, no class; albedo 0.1 and density 2 by default.
    const Result result = RunCli({"infobox", test::SamplesFolder(), "0", "--lang", "en"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find(" | dimensions=939.4 km\n"
                              " | mass=8.7{{e|20}} [[kilogram|kg]]\n"
                              " | density=2.0 g/[[cubic centimetre|cm\xC2\xB3]]\n"
                              " | gravity=0.2626 m/s\xC2\xB2\n"
                              " | escape_velocity=0.4966 km/s\n"
                              " | rotation=? d\n"
                              " | spectral_class=?\n"
                              " | abs_mag=3.33\n"
                              " | albedo=0.10\n"
                              " | temperature=~167 [[kelvin|K]]}}\n"),
              std::string::npos)
        << result.out;
}

TEST_F(CliInfobox, ParameterTextsAreReadLikeTheBoxes) {
    struct Row {
        const char* name;
        std::vector<std::string> options;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {"refused albedo and density",
         {"--albedo", "1.01", "--density", "10.5"},
         {" | density=2.0 g/", " | albedo=0.10\n"}},
        {"bounds accepted",
         {"--albedo", "1", "--density", "10"},
         {" | density=10.0 g/", " | albedo=1.00\n"}},
        {"comma density refused in English", {"--density", "2,5"}, {" | density=2.0 g/"}},
        {"unreadable diameter", {"--diameter", "abc"}, {" | dimensions=? km\n"}},
        {"empty diameter", {"--diameter", ""}, {" | dimensions=? km\n"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> args = {
            "--decimal-separator", ",", "infobox", folder.str(), "0", "--lang", "en",
            "--diameter",          "10"};
        args.insert(args.end(), row.options.begin(), row.options.end());
        const Result result = RunCli(args);
        EXPECT_EQ(result.status, 0) << result.err;
        for (const std::string& piece : row.expected) {
            EXPECT_NE(result.out.find(piece), std::string::npos) << piece;
        }
    }
}

TEST_F(CliInfobox, ErrorsAndUsage) {
    test::TempFolder badEpoch;
    badEpoch.WriteAstOrb({{.number = "1", .name = "Ceres", .epoch = "20050230"}});
    struct Row {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string err; // for status 1
    };
    const Row rows[] = {
        {"density 0",
         {"infobox", folder.str(), "0", "--lang", "fr", "--diameter", "10", "--density", "0"},
         1,
         "Division par z\xC3\xA9ro en virgule flottante\n"},
        {"invalid epoch",
         {"infobox", badEpoch.str(), "0", "--lang", "en"},
         1,
         "'2005-02-30' ne correspond pas \xC3\xA0 une date et une heure correctes\n"},
        {"unknown language", {"infobox", folder.str(), "0", "--lang", "de"}, 2, ""},
        {"language missing", {"infobox", folder.str(), "0"}, 2, ""},
        {"index missing", {"infobox", folder.str(), "--lang", "en"}, 2, ""},
        {"index past the end", {"infobox", folder.str(), "1", "--lang", "en"}, 2, ""},
        {"option without value", {"infobox", folder.str(), "0", "--lang", "en", "--albedo"}, 2, ""},
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

} // namespace
} // namespace quorvane
