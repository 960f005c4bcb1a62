// A scripted stand-in for the main window: it records every browser move, message, question,
// pump and cursor change, in order, and answers questions from a script. The plain scans drive
// it through its ports; RunSpecial and the other runners below run the product's scans on it as
// the window does, applying their outcomes.
#pragma once

#include "astorb/database.h"
#include "astorb/display.h"
#include "astorb/error.h"
#include "lists/family.h"
#include "lists/inclination.h"
#include "lists/names.h"
#include "lists/orbit_type.h"
#include "lists/scan.h"
#include "reference/ports.h"
#include "support/fixtures.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorvane::test {

class FakeWindow : public Browser,
                   public NumberedOnly,
                   public Messages,
                   public Clipboard,
                   public WaitCursor,
                   public WindowEnabling,
                   public EventPump,
                   public NamesSource,
                   public OrbitTypeChoice,
                   public ToleranceSetting {
public:
    // Opens a fresh AstOrb.dat made of `records`; the browser range is the file's.
    void Open(const std::vector<RecordSpec>& records) {
        database.ReplaceFile(folder_.WriteAstOrb(records));
        maximum = static_cast<int>(database.RecordCount()) - 1;
    }

    ScanPorts Ports() {
        return {database, *this, *this, *this, *this, *this, *this, *this, *this, numbers};
    }

    // Browser: a scroll bar whose change reads the record there, as the display does.
    int Position() const override { return position; }
    int Minimum() const override { return minimum; }
    int Maximum() const override { return maximum; }
    void SetPosition(int requested) override {
        moves.push_back(requested);
        log.push_back("move " + std::to_string(requested));
        const int clamped = std::clamp(requested, minimum, std::max(minimum, maximum));
        if (clamped != position) {
            position = clamped;
            if (failDisplay) {
                throw Error("display failed");
            }
            ShowRecord(database, nullptr, position, labels);
        }
    }

    bool IsNumberedOnly() const override { return numberedOnly; }

    void Inform(const std::string& text) override {
        informed.push_back(text);
        log.push_back("inform " + text);
    }
    bool AskYesNo(const std::string& text) override {
        asked.push_back(text);
        log.push_back("ask " + text);
        if (onAsk) {
            onAsk();
        }
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void SetText(const std::string& cp1252) override {
        clipboard = cp1252;
        log.push_back("clipboard");
    }
    void SetUnicodeText(const std::u16string&) override { log.push_back("unicode clipboard"); }

    void Show() override {
        ++cursorShown;
        log.push_back("cursor wait");
    }
    void Restore() override {
        ++cursorRestored;
        log.push_back("cursor default");
    }

    void SetWindowEnabled(bool enabled) override {
        windowEnabled = enabled;
        log.push_back(enabled ? "window enabled" : "window disabled");
    }

    void ProcessPendingEvents() override {
        ++pumps;
        log.push_back("pump");
    }

    const DiacriticalNames* CurrentNames() const override { return nullptr; }

    int PlanetIndex() const override { return planet; }
    int TypeIndex() const override { return type; }
    int Tolerance() const override { return tolerance; }

    AstOrbDatabase database;
    LabelTexts labels;
    int position = 0;
    int minimum = 0;
    int maximum = 0;
    bool failDisplay = false; // the display raises an error when the position changes
    bool numberedOnly = true;
    int planet = 0;
    int type = 2;
    int tolerance = 10;
    NumberFormat numbers;

    std::deque<bool> answers; // no answer left: No
    std::function<void()> onAsk;

    std::vector<int> moves; // every SetPosition argument, as asked
    std::vector<std::string> informed;
    std::vector<std::string> asked;
    std::vector<std::string> log;
    std::optional<std::string> clipboard;
    int cursorShown = 0;
    int cursorRestored = 0;
    bool windowEnabled = true;
    int pumps = 0;

private:
    TempFolder folder_;
};

// The browser as the window's scans read it.
inline BrowserRange RangeOf(const FakeWindow& window) {
    return {window.position, window.minimum, window.maximum};
}

// A scan's outcome applied as the window applies it: the moves, the record read last, the error;
// false when the scan did not finish.
inline bool ApplyMoves(FakeWindow& window, const ScanOutcome& outcome) {
    for (const int move : outcome.moves) {
        window.SetPosition(move);
    }
    PutBackLastRead(window.database, outcome);
    if (outcome.error) {
        std::rethrow_exception(outcome.error);
    }
    return outcome.end == ScanEnd::Finished;
}

// ApplyMoves, then the clipboard and the message.
inline ScanEnd ApplyOutcome(FakeWindow& window, ScanOutcome& outcome) {
    ApplyMoves(window, outcome);
    if (outcome.clipboard) {
        window.TakeList(std::move(*outcome.clipboard));
    }
    if (!outcome.message.empty()) {
        window.Inform(outcome.message);
    }
    return outcome.end;
}

// "Spe&cial" as the window runs it.
inline ScanEnd RunSpecial(FakeWindow& window) {
    const WaitCursorScope wait(window);
    const OrbitTypeControls controls{window.planet, window.type, window.numberedOnly,
                                     RangeOf(window)};
    ScanOutcome outcome = ExtractOrbitTypeList(window.database, nullptr, controls, window.numbers);
    return ApplyOutcome(window, outcome);
}

// "Famil&y": the passes, with the pump and the question after each.
inline ScanEnd RunFamily(FakeWindow& window) {
    const WaitCursorScope wait(window);
    FamilySearch search(window.database, window.position, window.numbers);
    const ScanOutcome start = search.Start(nullptr, window.tolerance);
    if (!ApplyMoves(window, start)) {
        return start.end;
    }
    for (bool again = true; again;) {
        const FamilyPassControls controls{window.tolerance, window.numberedOnly, RangeOf(window),
                                          nullptr};
        const ScanOutcome pass = search.RunPass(controls);
        if (!ApplyMoves(window, pass)) {
            return pass.end;
        }
        window.ProcessPendingEvents();
        again = window.AskYesNo(pass.message);
    }
    ScanOutcome done = search.Finish();
    return ApplyOutcome(window, done);
}

// "Extract Names", the window disabled meanwhile.
inline ScanEnd RunNames(FakeWindow& window) {
    const WaitCursorScope wait(window);
    const WindowDisabledScope disabled(window);
    ScanOutcome outcome = ExtractNames(window.database, nullptr, RangeOf(window), [&window] {
        window.ProcessPendingEvents();
        return static_cast<const DiacriticalNames*>(nullptr);
    });
    return ApplyOutcome(window, outcome);
}

// "(Inclinations)".
inline ScanEnd RunInclination(FakeWindow& window) {
    ScanOutcome outcome = ScanHighestInclination(window.database, RangeOf(window),
                                                 window.numberedOnly, window.numbers);
    return ApplyOutcome(window, outcome);
}

// A numbered record with its name and orbit (a in AU, e, i in degrees) as record texts.
inline RecordSpec Orbit(std::string number, std::string name, std::string a, std::string e,
                        std::string inclination = "5") {
    RecordSpec fields;
    fields.number = std::move(number);
    fields.name = std::move(name);
    fields.semiMajorAxis = std::move(a);
    fields.eccentricity = std::move(e);
    fields.inclination = std::move(inclination);
    return fields;
}

} // namespace quorvane::test
