// Runs a quick scan and its plain reference on two windows over the same AstOrb.dat bytes and
// keeps everything either run lets the world see, so a test can require them to be equal.
#pragma once

#include "astorb/error.h"
#include "core/lists_fakes.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorvane::test {

// A window that also notes CurrentRecord at every point where the real window could look at
// it: each message, question, pump of pending messages and clipboard change. (A move is seen
// through the labels it leaves: the window does not paint while a scan runs.)
class WatchingWindow : public FakeWindow {
public:
    void Inform(const std::string& text) override {
        Note("inform");
        FakeWindow::Inform(text);
    }
    bool AskYesNo(const std::string& text) override {
        Note("ask");
        return FakeWindow::AskYesNo(text);
    }
    void ProcessPendingEvents() override {
        Note("pump");
        FakeWindow::ProcessPendingEvents();
    }
    void SetText(const std::string& cp1252) override {
        Note("clipboard");
        FakeWindow::SetText(cp1252);
    }

private:
    void Note(const char* what) {
        log.push_back(std::string(what) + " sees [" + database.CurrentRecord() + "]");
    }
};

struct Observed {
    std::string end;              // the scan's result, or "error: " and the message raised
    std::vector<std::string> log; // a run of browser moves kept as its last move
    LabelTexts labels;
    std::optional<std::string> clipboard;
    std::string currentRecord;
    int position = 0;
    bool windowEnabled = true;
};

// How the window stands when the scan starts.
struct WindowSetup {
    int position = 0;
    int maximumBeyondFile = 0; // > 0: the browser reaches past the last whole record
    bool numberedOnly = true;
    int planet = 0;
    int type = 2;
    int tolerance = 10;
    NumberFormat numbers;
    std::vector<bool> answers;
    std::function<void(FakeWindow&)> onAsk; // e.g. the tolerance moved between passes
};

inline void PrepareWindow(FakeWindow& window, const std::string& path, const WindowSetup& setup) {
    window.database.ReplaceFile(path);
    window.maximum = static_cast<int>(window.database.RecordCount()) - 1 + setup.maximumBeyondFile;
    window.position = setup.position;
    window.numberedOnly = setup.numberedOnly;
    window.planet = setup.planet;
    window.type = setup.type;
    window.tolerance = setup.tolerance;
    window.numbers = setup.numbers;
    window.answers.assign(setup.answers.begin(), setup.answers.end());
    if (setup.onAsk) {
        window.onAsk = [&window, onAsk = setup.onAsk] { onAsk(window); };
    }
}

template <typename Run> Observed Observe(FakeWindow& window, Run run) {
    Observed seen;
    try {
        seen.end = std::to_string(static_cast<int>(run(window)));
    } catch (const Error& error) {
        seen.end = std::string("error: ") + error.what();
    }
    for (const std::string& entry : window.log) {
        const bool move = entry.rfind("move ", 0) == 0;
        if (move && !seen.log.empty() && seen.log.back().rfind("move ", 0) == 0) {
            seen.log.back() = entry;
        } else {
            seen.log.push_back(entry);
        }
    }
    seen.labels = window.labels;
    seen.clipboard = window.clipboard;
    seen.currentRecord = window.database.CurrentRecord();
    seen.position = window.position;
    seen.windowEnabled = window.windowEnabled;
    return seen;
}

inline void ExpectSame(const Observed& quick, const Observed& plain) {
    EXPECT_EQ(quick.end, plain.end);
    EXPECT_EQ(quick.log, plain.log);
    EXPECT_EQ(quick.labels.values, plain.labels.values);
    EXPECT_EQ(quick.labels.diameterBox, plain.labels.diameterBox);
    EXPECT_EQ(quick.clipboard, plain.clipboard);
    EXPECT_EQ(quick.currentRecord, plain.currentRecord);
    EXPECT_EQ(quick.position, plain.position);
    EXPECT_EQ(quick.windowEnabled, plain.windowEnabled);
}

// Runs both forms, each on its own window over the file at `path`, and compares them. Returns
// the plain run's observations, so that a test can also check that the case did what it meant.
template <typename Quick, typename Plain>
Observed CompareRuns(const std::string& path, const WindowSetup& setup, Quick quick, Plain plain) {
    WatchingWindow quickWindow;
    WatchingWindow plainWindow;
    PrepareWindow(quickWindow, path, setup);
    PrepareWindow(plainWindow, path, setup);
    const Observed fast = Observe(quickWindow, quick);
    const Observed reference = Observe(plainWindow, plain);
    ExpectSame(fast, reference);
    return reference;
}

} // namespace quorvane::test
