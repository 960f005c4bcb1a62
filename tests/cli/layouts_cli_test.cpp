// quorvane-cli on the two record layouts: the same asteroids give the same bytes whichever
// layout and line end their file has, plain or gzipped, and the six-digit layout's own numbers
// come through.
#include "cli_harness.h"
#include "support/fixtures.h"
#include "support/gzip_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace quorvane {
namespace {

using test::RunCli;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The five-digit sample rewritten: every record one column wider at its start (which is the
// six-digit layout, the semi-major axis taking the blank before it), and/or with CR LF.
std::string Rewritten(const std::string& fiveDigit, bool sixDigit, bool crlf) {
    std::string bytes;
    for (std::size_t at = 0; at + 267 <= fiveDigit.size(); at += 267) {
        bytes += sixDigit ? " " : "";
        bytes += fiveDigit.substr(at, 266);
        bytes += crlf ? "\r\n" : "\n";
    }
    return bytes;
}

class LayoutsCli : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string samples = test::SamplesFolder();
        const std::string astorb = ReadFile(samples + "/AstOrb.dat");
        const std::string names = ReadFile(samples + "/Diacriticals.txt");
        ASSERT_EQ(astorb.size(), 514u * 267u);
        // Each one also as downloaded today: astorb.dat.gz, its names in lower case too.
        const struct {
            const char* name;
            bool sixDigit;
            bool crlf;
            bool gzip;
        } variants[] = {
            {"five-digit, CR LF", false, true, false},
            {"six-digit", true, false, false},
            {"six-digit, CR LF", true, true, false},
            {"five-digit, gzip", false, false, true},
            {"five-digit, CR LF, gzip", false, true, true},
            {"six-digit, gzip", true, false, true},
            {"six-digit, CR LF, gzip", true, true, true},
        };
        for (const auto& variant : variants) {
            auto& folder = folders.emplace_back(variant.name, std::make_unique<test::TempFolder>());
            const std::string bytes = Rewritten(astorb, variant.sixDigit, variant.crlf);
            if (variant.gzip) {
                folder.second->Write("astorb.dat.gz", test::Gzip(bytes));
                folder.second->Write("diacriticals.txt", names);
            } else {
                folder.second->Write("AstOrb.dat", bytes);
                folder.second->Write("Diacriticals.txt", names);
            }
        }
    }

    std::vector<std::pair<std::string, std::unique_ptr<test::TempFolder>>> folders;
};

// Each command line with FOLDER standing for the database folder and the names folder.
TEST_F(LayoutsCli, SameAsteroidsGiveTheSameBytesInEveryLayout) {
    struct Row {
        std::vector<std::string> args;
        int status; // of the five-digit sample: every row must have something to compare
    };
    const std::string F = "FOLDER";
    const std::vector<Row> rows = {
        {{"show", F, "0"}, 0},
        {{"show", F, "365", "--diacriticals", F}, 0},
        {{"show", F, "233"}, 0},
        {{"show", F, "456"}, 0},
        {{"show", F, "513"}, 0},
        {{"--decimal-separator", ".", "infobox", F, "0", "--lang", "fr"}, 0},
        {{"--decimal-separator", ",", "infobox", F, "0", "--lang", "fr"}, 0},
        {{"--decimal-separator", ".", "infobox", F, "0", "--lang", "en"}, 0},
        {{"--decimal-separator", ",", "infobox", F, "0", "--lang", "en"}, 0},
        {{"--raw", "infobox", F, "365", "--lang", "fr", "--diacriticals", F}, 0},
        {{"--raw", "infobox", F, "233", "--lang", "en", "--diameter", "16.8"}, 0},
        {{"infobox", F, "470", "--lang", "en"}, 0},
        {{"special", F, "--planet", "mars", "--type", "crosser", "--diacriticals", F}, 0},
        {{"special", F, "--planet", "jupiter", "--type", "inner", "--all"}, 0},
        {{"special", F, "--planet", "earth", "--type", "outer-grazer", "--all"}, 0},
        {{"special", F, "--planet", "mercury", "--type", "retrograde", "--all"}, 0},
        {{"special", F, "--planet", "saturn", "--type", "co-orbital"}, 0},
        {{"--raw", "family", F, "220", "--tolerance", "100", "--passes", "1"}, 0},
        {{"family", F, "220", "--tolerance", "150", "--all", "--diacriticals", F}, 0},
        {{"names", F}, 0},
        {{"--raw", "names", F, "--diacriticals", F}, 0},
        {{"inclination", F, "0"}, 0},
        {{"inclination", F, "0", "--all"}, 0},
        {{"find", F, "0", "--field", "Name", "--text", "EROS"}, 0},
        {{"find", F, "233", "--field", "Name", "--text", "ceres", "--backward"}, 0},
        {{"find", F, "0", "--field", "Number", "--text", "33"}, 0},
        {{"find", F, "0", "--field", "NameUnicode", "--text", "yseïs", "--diacriticals", F}, 0},
        {{"find", F, "0", "--field", "Amor", "--text", "yes"}, 0},
        {{"find", F, "0", "--field", "SemiMajorAxis", "--text", "3.01"}, 0},
        {{"find", F, "0", "--field", "Inclination", "--text", "169.25"}, 1},
        {{"find", F, "0", "--field", "Inclination", "--text", "169.25", "--all"}, 0},
        {{"find", F, "0", "--field", "Epoch", "--text", "1927", "--all"}, 0},
        {{"find", F, "440", "--field", "Name", "--text", "1927 LA"}, 1},
    };
    const auto withFolder = [](std::vector<std::string> args, const std::string& folder) {
        for (std::string& arg : args) {
            arg = arg == "FOLDER" ? folder : arg;
        }
        return args;
    };
    for (const Row& row : rows) {
        std::string line;
        for (const std::string& arg : row.args) {
            line += arg + " ";
        }
        SCOPED_TRACE(line);
        const test::CliResult expected = RunCli(withFolder(row.args, test::SamplesFolder()));
        ASSERT_EQ(expected.status, row.status) << expected.err;
        ASSERT_FALSE(expected.out.empty() && expected.err.empty());
        for (const auto& [name, folder] : folders) {
            SCOPED_TRACE(name);
            const test::CliResult result = RunCli(withFolder(row.args, folder->str()));
            EXPECT_EQ(result.status, expected.status);
            EXPECT_EQ(result.out, expected.out);
            EXPECT_EQ(result.err, expected.err);
        }
    }
}

// The bundled six-digit sample: asteroids 1 to 227 and those numbered above as in the
// five-digit one, with the ones numbered past 99999 among them (samples/make-sample.py), then
// the unnumbered ones, the one farthest out last.
TEST(SixDigitSampleCli, NumbersPast99999) {
    const std::string samples = test::SixDigitSamplesFolder();
    struct Row {
        std::vector<std::string> args;
        std::string out;
    };
    const std::vector<Row> rows = {
        {{"find", samples, "0", "--field", "Name", "--text", "eris"}, "454\n"},
        {{"find", samples, "0", "--field", "Number", "--text", "486958"}, "458\n"},
        {{"find", samples, "458", "--field", "Name", "--text", "2014 FE72"}, ""},
        {{"find", samples, "458", "--field", "Name", "--text", "2014 FE72", "--all"}, "524\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args[4] + " " + row.args[6]);
        EXPECT_EQ(RunCli(row.args).out, row.out);
    }
    const test::CliResult show = RunCli({"show", samples, "454"});
    EXPECT_EQ(show.status, 0);
    EXPECT_EQ(show.out.substr(0, show.out.find("Abs.")), "Number: 136199\nName: Eris\n");
    const test::CliResult infobox = RunCli({"infobox", samples, "454", "--lang", "en"});
    EXPECT_NE(infobox.out.find(" name=136199 Eris\n"), std::string::npos) << infobox.out;
    EXPECT_NE(infobox.out.find("([[Julian day|JD]] 2459800.5)"), std::string::npos);
    const test::CliResult far = RunCli({"show", samples, "524"});
    EXPECT_NE(far.out.find("Eccentricity: 0.97798917\nSemi-Major Axis: 1633.39149508\n"),
              std::string::npos)
        << far.out;
    // Perihelion beyond Neptune's aphelion: the numbered ones in number order, then the
    // unnumbered ones, the farthest out last.
    const test::CliResult outer =
        RunCli({"special", samples, "--planet", "neptune", "--type", "outer", "--all"});
    EXPECT_EQ(outer.out.substr(0, outer.out.find("* [[1999 ")),
              "* [[15760 Albion]]\n* [[20000 Varuna]]\n* [[50000 Quaoar]]\n* [[90377 Sedna]]\n"
              "* [[120347 Salacia]]\n* [[136108 Haumea]]\n* [[136199 Eris]]\n"
              "* [[136472 Makemake]]\n* [[174567 Varda]]\n* [[225088 Gonggong]]\n"
              "* [[486958 Arrokoth]]\n* [[541132 Leleakuhonua]]\n");
    EXPECT_TRUE(outer.out.ends_with("\n* [[2014 FE72|2014 FE<sub>72</sub>]]\n")) << outer.out;
    EXPECT_EQ(outer.err, "Done. 63 results in the clipboard.\n");
    const test::CliResult names = RunCli({"names", samples});
    EXPECT_NE(names.out.find("\n227 Philosophia\n243 Ida\n"), std::string::npos);
    EXPECT_NE(names.out.find("\n90377 Sedna\n90482 Orcus\n120347 Salacia\n134340 Pluto\n"
                             "136108 Haumea\n136199 Eris\n136472 Makemake\n174567 Varda\n"
                             "225088 Gonggong\n486958 Arrokoth\n541132 Leleakuhonua\n"),
              std::string::npos);
    EXPECT_TRUE(names.out.ends_with("\n541132 Leleakuhonua\n"));
}

} // namespace
} // namespace quorvane
