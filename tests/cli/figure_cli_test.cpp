// family --figure: the figure of the members found written beside the unchanged list.
#include "cli_harness.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace quorvane::test {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The Eos family of the sample: record 220, linked in steps of about 150 m/s.
std::vector<std::string> EosFamily(const std::string& folder) {
    return {"family", folder, "220", "--tolerance", "150"};
}

TEST(CliFigure, WritesTheFigureBesideTheUnchangedList) {
    for (const std::string& folder : {SamplesFolder(), SixDigitSamplesFolder()}) {
        SCOPED_TRACE(folder);
        const CliResult plain = RunCli(EosFamily(folder));
        ASSERT_EQ(plain.status, 0) << plain.err;
        struct Row {
            std::vector<std::string> options;
            std::string title;
        };
        const Row rows[] = {
            {{}, "<title>Family of 221 Eos: 181 members within 150 m/s</title>"},
            {{"--figure-lang", "en"},
             "<title>Family of 221 Eos: 181 members within 150 m/s</title>"},
            {{"--figure-lang", "fr"},
             "<title>Famille de 221 Eos : 181 membres \xC3\xA0 150 m/s pr\xC3\xA8s</title>"},
        };
        std::string english;
        for (const Row& row : rows) {
            const TempFolder out;
            const std::string path = out.str() + "/Eos family.svg";
            std::vector<std::string> args = EosFamily(folder);
            args.insert(args.end(), {"--figure", path});
            args.insert(args.end(), row.options.begin(), row.options.end());
            const CliResult result = RunCli(args);
            EXPECT_EQ(result.status, 0) << result.err;
            EXPECT_EQ(result.out, plain.out);
            EXPECT_EQ(result.err, plain.err);
            const std::string svg = ReadAll(path);
            EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
            EXPECT_NE(svg.find(row.title), std::string::npos) << svg.substr(0, 400);
            EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
            if (row.options.empty()) {
                english = svg;
            } else if (row.options[1] == "en") {
                EXPECT_EQ(svg, english) << "English is the default";
            }
        }
    }
}

TEST(CliFigure, AFigureThatCannotBeWrittenFailsTheCommand) {
    const TempFolder out;
    const std::string path = out.str() + "/no such folder/figure.svg";
    std::vector<std::string> args = EosFamily(SamplesFolder());
    args.insert(args.end(), {"--figure", path});
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    const std::string last = "Impossible de cr\xC3\xA9"
                             "er le fichier \"" +
                             path + "\". No such file or directory\n";
    ASSERT_GE(result.err.size(), last.size());
    EXPECT_EQ(result.err.substr(result.err.size() - last.size()), last);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(CliFigure, NoFigureWhenTheFamilyFails) {
    // The seed's semi-major axis is malformed: the search raises and nothing is written.
    const TempFolder data;
    RecordSpec seed;
    seed.number = "1";
    seed.name = "Seed";
    seed.semiMajorAxis = "2.5x";
    data.WriteAstOrb({seed});
    const TempFolder out;
    const std::string path = out.str() + "/figure.svg";
    const CliResult result =
        RunCli({"family", data.str(), "0", "--tolerance", "10", "--figure", path});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "'2.5x' n'est pas une valeur en virgule flottante correcte\n");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(CliFigure, BadFigureOptionsAreUsageErrors) {
    const TempFolder out;
    const std::string path = out.str() + "/figure.svg";
    const std::vector<std::vector<std::string>> extras = {
        {"--figure-lang", "fr"},
        {"--figure", path, "--figure-lang", "de"},
        {"--figure"},
    };
    for (const std::vector<std::string>& extra : extras) {
        std::vector<std::string> args = EosFamily(SamplesFolder());
        args.insert(args.end(), extra.begin(), extra.end());
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 2) << extra.front();
        EXPECT_EQ(result.out, "");
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}

} // namespace
} // namespace quorvane::test
