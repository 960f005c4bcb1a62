// Runs a quick command and its plain reference on two fake windows over the same AstOrb.dat bytes
// and keeps everything either run lets the world see, so a test can require them to be equal.
#pragma once

#include "astorb/error.h"
#include "reference/fake_window.h"
#include "search/search.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace quorvane::test {

// How a command ended, in words; a plain form's end as the window ends the command.
inline std::string EndText(CommandEnd end) {
    switch (end) {
    case CommandEnd::Finished:
        return "finished";
    case CommandEnd::NotRun:
        return "not run";
    case CommandEnd::ReadFailed:
        return "read failed";
    case CommandEnd::Raised:
        return "raised";
    case CommandEnd::Cancelled:
        return "cancelled";
    case CommandEnd::NotFound:
        return "not found";
    }
    return "?";
}

inline std::string EndText(ScanEnd end) {
    return EndText(WindowEnd(end));
}

inline std::string EndText(SearchOutcome outcome) {
    return EndText(WindowEnd(outcome));
}

// A run that tells more than how it ended says it itself.
inline std::string EndText(std::string text) {
    return text;
}

struct Observed {
    std::string end;              // how the command ended, or "error: " and the message raised
    std::vector<std::string> log; // as FakeWindow::WatchInto keeps it
    RecordDisplay display;
    ParameterTexts parameters;
    std::optional<std::string> clipboard;
    std::string currentRecord;
    int position = 0;
    bool windowEnabled = true;
};

// How the window stands when the command starts.
struct WindowSetup {
    int position = 0;
    // Bytes the file is cut to once both windows have opened it (a file that shrank after it was
    // opened); none: kept whole.
    std::optional<std::uintmax_t> cutTo;
    bool numberedOnly = true;
    int planet = 0;
    int type = 2;
    int tolerance = 10;
    NumberFormat numbers;
    std::vector<bool> answers;
    std::function<void(FakeWindow&)> onAsk; // e.g. the tolerance moved between passes
};

// Opens the file and browses to the start, as a user would; an error the display of the start
// raises is reported and the user goes on from there.
inline void PrepareWindow(FakeWindow& window, const std::string& path, const WindowSetup& setup,
                          std::vector<std::string>& log) {
    window.model.SetNumberFormat(setup.numbers);
    window.Open(path);
    window.model.Browse(setup.position);
    window.numberedOnly = setup.numberedOnly;
    window.planet = setup.planet;
    window.type = setup.type;
    window.tolerance = setup.tolerance;
    window.answers.assign(setup.answers.begin(), setup.answers.end());
    if (setup.onAsk) {
        window.onAsk = [&window, onAsk = setup.onAsk] { onAsk(window); };
    }
    window.WatchInto(log);
}

template <typename Run>
Observed Observe(FakeWindow& window, std::vector<std::string>& log, Run run) {
    Observed seen;
    log.clear();
    try {
        seen.end = EndText(run(window));
    } catch (const Error& error) {
        seen.end = std::string("error: ") + error.what();
    }
    seen.log = log;
    seen.display = window.model.Display();
    seen.parameters = window.model.Parameters();
    seen.clipboard = window.clipboard;
    seen.currentRecord = window.model.Database().CurrentRecord();
    seen.position = window.Position();
    seen.windowEnabled = window.windowEnabled;
    return seen;
}

inline void ExpectSame(const Observed& quick, const Observed& plain) {
    EXPECT_EQ(quick.end, plain.end);
    EXPECT_EQ(quick.log, plain.log);
    EXPECT_EQ(quick.display.values, plain.display.values);
    EXPECT_EQ(quick.display.nameUnicode, plain.display.nameUnicode);
    EXPECT_EQ(quick.parameters.diameter, plain.parameters.diameter);
    EXPECT_EQ(quick.parameters.albedo, plain.parameters.albedo);
    EXPECT_EQ(quick.parameters.density, plain.parameters.density);
    EXPECT_EQ(quick.clipboard, plain.clipboard);
    EXPECT_EQ(quick.currentRecord, plain.currentRecord);
    EXPECT_EQ(quick.position, plain.position);
    EXPECT_EQ(quick.windowEnabled, plain.windowEnabled);
}

// Runs both forms, each on its own window over the file at `path`, and compares them. Returns
// the plain run's observations, so that a test can also check that the case did what it meant.
template <typename Quick, typename Plain>
Observed CompareRuns(const std::string& path, const WindowSetup& setup, Quick quick, Plain plain) {
    FakeWindow quickWindow;
    FakeWindow plainWindow;
    std::vector<std::string> quickLog;
    std::vector<std::string> plainLog;
    PrepareWindow(quickWindow, path, setup, quickLog);
    PrepareWindow(plainWindow, path, setup, plainLog);
    std::string whole;
    if (setup.cutTo) {
        std::ifstream in(path, std::ios::binary);
        whole.assign(std::istreambuf_iterator<char>(in), {});
        std::filesystem::resize_file(path, *setup.cutTo);
    }
    const Observed fast = Observe(quickWindow, quickLog, quick);
    const Observed reference = Observe(plainWindow, plainLog, plain);
    if (setup.cutTo) {
        // The next case opens the file as it was.
        std::ofstream(path, std::ios::binary | std::ios::trunc) << whole;
    }
    ExpectSame(fast, reference);
    return reference;
}

} // namespace quorvane::test
