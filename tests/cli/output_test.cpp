// quorvane-cli's two output forms: the exact clipboard bytes, and UTF-8 with LF line ends.
#include "cli/session.h"
#include "cli_harness.h"
#include "support/fixtures.h"
#include "text/cp1252.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quorvane {
namespace {

// A names list far longer than the pieces the terminal form is converted in, with accented
// letters and CR LF pairs at every possible place relative to the piece boundaries.
TEST(CliOutput, LongListIsTheSameTextInBothForms) {
    test::TempFolder folder;
    std::vector<test::RecordSpec> records;
    for (int n = 1; n <= 12000; ++n) {
        std::string name = "R\xe9seau";
        name += std::string(static_cast<std::size_t>(n % 7), 'e');
        records.push_back({.number = std::to_string(n), .name = name});
    }
    folder.WriteAstOrb(records);
    const test::CliResult raw = test::RunCli({"--raw", "names", folder.str()});
    const test::CliResult text = test::RunCli({"names", folder.str()});
    ASSERT_EQ(raw.status, 0);
    ASSERT_EQ(text.status, 0);
    ASSERT_GT(raw.out.size(), 2u * 65536u);

    std::string expected;
    for (std::size_t i = 0; i < raw.out.size(); ++i) {
        if (raw.out[i] == '\r' && i + 1 < raw.out.size() && raw.out[i + 1] == '\n') {
            continue;
        }
        expected += raw.out[i];
    }
    EXPECT_EQ(text.out, Cp1252ToUtf8(expected));
    EXPECT_EQ(text.out.substr(0, 11), "1 R\xc3\xa9seaue\n");
}

// A list long enough to wait partly in its temporary file, read back in pieces of a mebibyte:
// with lines of 17 bytes a CR LF pair straddles the first boundary (17 divides 2^20 + 1), and
// the terminal form still joins it into one LF.
TEST(CliOutput, ListReadBackFromItsFileKeepsEveryLineEnd) {
    std::string raw;
    ListText list(0);
    for (int k = 0; raw.size() < (std::size_t{3} << 20); ++k) {
        const std::string line = "R\xe9seau " + std::to_string(100000 + k % 900000) + "]]\r\n";
        ASSERT_EQ(line.size(), 17u);
        list += line;
        raw += line;
    }
    ASSERT_EQ(raw[(std::size_t{1} << 20) - 1], '\r');
    std::string expected;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') {
            continue;
        }
        expected += raw[i];
    }
    struct Case {
        bool raw;
        std::string expected;
    };
    for (const Case& c : {Case{true, raw}, Case{false, Cp1252ToUtf8(expected)}}) {
        cli::Invocation invocation;
        invocation.raw = c.raw;
        std::ostringstream err;
        cli::Session session(invocation, err, NumberFormat{});
        ListText copy(0);
        list.ForEachPiece([&copy](std::string_view piece) { copy += piece; });
        CommandResult result;
        result.clipboard.emplace(std::move(copy));
        session.Take(result);
        std::ostringstream out;
        session.WriteClipboard(out);
        EXPECT_TRUE(out.str() == c.expected) << (c.raw ? "raw" : "terminal");
    }
}

TEST(CliOutput, TerminalTextDropsTheCrOfEveryCrLf) {
    const std::pair<std::string, std::string> rows[] = {
        {"", ""},
        {"a\r\nb\r\n", "a\nb\n"},
        {"a\rb", "a\rb"},
        {"\r", "\r"},
        {"\r\r\n\n", "\r\n\n"},
        {"\r\n\r\n", "\n\n"},
        {"R\xe9seau\x9c\r\n", "R\xc3\xa9seau\xc5\x93\n"},
    };
    for (const auto& [cp1252, utf8] : rows) {
        EXPECT_EQ(cli::TerminalText(cp1252), utf8) << cp1252;
    }
}

} // namespace
} // namespace quorvane
