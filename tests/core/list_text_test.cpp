// The list text keeps every byte in order wherever its pieces live: in memory, or partly in
// its temporary file once the text outgrows the memory it may hold.
#include "core/fast_generator.h"
#include "text/list_text.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <string>
#include <utility>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorvane {
namespace {

std::string Pieces(const ListText& list) {
    std::string text;
    list.ForEachPiece([&text](std::string_view piece) { text.append(piece); });
    return text;
}

TEST(ListText, EveryByteInOrderInMemoryAndInTheFile) {
    // Memory limits from none at all to more than the text.
    for (const std::size_t memory :
         {std::size_t{0}, std::size_t{100}, std::size_t{3} << 20, std::size_t{64} << 20}) {
        SCOPED_TRACE(memory);
        test::SmallRandom random(memory + 1);
        ListText list(memory);
        std::string expected;
        // Lines of every length, a few longer than the pieces the text is kept in.
        for (int k = 0; k < 60000; ++k) {
            const std::size_t length = k % 9973 == 0 ? (std::size_t{3} << 19)
                                                     : static_cast<std::size_t>(random.Below(120));
            std::string line(length, static_cast<char>('a' + k % 26));
            line += "\r\n";
            list += line;
            expected += line;
        }
        EXPECT_EQ(list.size(), expected.size());
        EXPECT_EQ(list.Join(), expected);
        EXPECT_EQ(Pieces(list), expected) << "read twice";
        // More text after a reading goes after what is there.
        list += "tail";
        expected += "tail";
        EXPECT_EQ(Pieces(list), expected);

        ListText moved(std::move(list));
        EXPECT_EQ(moved.Join(), expected);
        ListText assigned(0);
        assigned += "replaced";
        assigned = std::move(moved);
        EXPECT_EQ(assigned.Join(), expected);
    }
}

TEST(ListText, TemporaryFolderThatCannotHoldTheFile) {
    // TMPDIR names a folder that does not exist: the text still comes back whole.
    const char* saved = std::getenv("TMPDIR");
    const std::string previous = saved != nullptr ? saved : "";
    ::setenv("TMPDIR", "/nonexistent/quorvane-test", 1);
    ListText list(0);
    std::string expected;
    for (int k = 0; k < 5000; ++k) {
        const std::string line = std::string(300, static_cast<char>('a' + k % 26)) + "\r\n";
        list += line;
        expected += line;
    }
    const std::string joined = list.Join();
    if (saved != nullptr) {
        ::setenv("TMPDIR", previous.c_str(), 1);
    } else {
        ::unsetenv("TMPDIR");
    }
    EXPECT_EQ(joined, expected);
}

TEST(ListText, EmptyListHandsOutNothing) {
    ListText list(0);
    EXPECT_TRUE(list.empty());
    int pieces = 0;
    list.ForEachPiece([&pieces](std::string_view) { ++pieces; });
    EXPECT_EQ(pieces, 0);
    EXPECT_EQ(list.Join(), "");
}

TEST(ListText, FileThatFillsUpLosesNothing) {
    // In a child whose files may not grow past 3 MiB, a list of 10 MiB: what the file could
    // not take stays in memory, and the text comes back whole.
    std::string expected;
    for (int k = 0; expected.size() < (std::size_t{10} << 20); ++k) {
        expected += std::to_string(k) + " " + std::string(static_cast<std::size_t>(k % 97), 'x');
        expected += "\r\n";
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{std::size_t{3} << 20, std::size_t{3} << 20};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ListText list(0);
        for (std::size_t at = 0; at < expected.size(); at += 4096) {
            list += std::string_view(expected).substr(at, 4096);
        }
        const bool same = list.Join() == expected && Pieces(list) == expected;
        std::_Exit(same ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

} // namespace
} // namespace quorvane
