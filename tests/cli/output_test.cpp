// quorvane-cli's two output forms: the exact clipboard bytes, and UTF-8 with LF line ends.
#include "astorb/cp1252.h"
#include "cli_harness.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace quorvane
