// The progress of a first opening of astorb.dat.gz: on standard error when that is a terminal,
// and nowhere else.
#include "cli/cli.h"
#include "support/fixtures.h"
#include "support/gzip_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <iostream>
#include <optional>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorvane {
namespace {

struct TerminalRun {
    int status = -1;
    std::string terminal; // what the terminal showed: standard error, with its line ends
};

// Runs the command line in a child process whose standard error is a terminal; nothing when no
// terminal can be had here.
std::optional<TerminalRun> RunOnTerminal(const std::vector<std::string>& args) {
    int master = -1;
    const pid_t child = ::forkpty(&master, nullptr, nullptr, nullptr);
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        const int status = cli::Run(args, std::cout, std::cerr);
        std::cerr.flush();
        ::_exit(status);
    }
    if (child < 0) {
        return std::nullopt;
    }
    TerminalRun run;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(master, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break; // EIO once the child has closed the terminal
        }
        run.terminal.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(master);
    int status = 0;
    ::waitpid(child, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(ProgressCli, FirstOpeningOnATerminalShowsItsProgress) {
    test::TempFolder cache;
    const test::ScopedEnv cacheHome("XDG_CACHE_HOME", cache.str());
    test::TempFolder folder;
    std::string records;
    for (int i = 1; i <= 2000; ++i) {
        records += test::MakeRecord({.number = std::to_string(i), .name = "N" + std::to_string(i)},
                                    RecordLayout::SixDigit);
    }
    folder.Write("astorb.dat.gz", test::Gzip(records));

    const std::optional<TerminalRun> run = RunOnTerminal({"show", folder.str(), "1999"});
    if (!run) {
        GTEST_SKIP() << "no pseudo-terminal here";
    }
    const TerminalRun& first = *run;
    EXPECT_EQ(first.status, 0);
    EXPECT_NE(first.terminal.find("\rReading astorb.dat.gz: 0 %"), std::string::npos)
        << first.terminal;
    const std::string done = "\rReading astorb.dat.gz: 100 %";
    const auto shown = first.terminal.find(done);
    ASSERT_NE(shown, std::string::npos) << first.terminal;
    // The line is blanked out when the opening is done, nothing else follows.
    EXPECT_EQ(first.terminal.substr(shown + done.size()),
              "\r" + std::string(std::string("astorb.dat.gz").size() + 20, ' ') + "\r");

    const std::optional<TerminalRun> cached = RunOnTerminal({"show", folder.str(), "1999"});
    ASSERT_TRUE(cached);
    EXPECT_EQ(cached->status, 0);
    EXPECT_EQ(cached->terminal, "") << "the kept index: nothing to wait for";
}

} // namespace
} // namespace quorvane
