// A scripted stand-in for the main window as the whole-database scans see it: it records every
// browser move, message, question, pump and cursor change, in order, and answers questions
// from a script.
#pragma once

#include "astorb/database.h"
#include "astorb/error.h"
#include "lists/family.h"
#include "lists/orbit_type.h"
#include "lists/scan.h"
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

    ScanPorts Ports() { return {database, *this, *this, *this, *this, *this, *this, *this, *this}; }

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
            database.ReadRecord(position);
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
    int position = 0;
    int minimum = 0;
    int maximum = 0;
    bool failDisplay = false; // the display raises an error when the position changes
    bool numberedOnly = true;
    int planet = 0;
    int type = 2;
    int tolerance = 10;

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
