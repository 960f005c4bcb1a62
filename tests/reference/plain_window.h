// The window's ports over an open database, for running the plain scans where no test window
// is at hand (the bench, the fuzz targets): a browser whose moves display the record there, the
// controls as fields, and the clipboard and messages written down.
#pragma once

#include "astorb/database.h"
#include "astorb/display.h"
#include "reference/ports.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>

namespace quorvane {

class PlainWindow : public Browser,
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
    PlainWindow(AstOrbDatabase& database, const DiacriticalNames* names)
        : database_(database), names_(names) {}

    AstOrbDatabase& Database() { return database_; }
    ScanPorts Ports() {
        return {database_, *this, *this, *this, *this, *this, *this, *this, *this, numbers};
    }

    int Position() const override { return position; }
    int Minimum() const override { return minimum; }
    int Maximum() const override { return maximum; }
    void SetPosition(int requested) override {
        const int clamped = std::clamp(requested, minimum, std::max(minimum, maximum));
        if (clamped != position) {
            position = clamped;
            ShowRecord(database_, names_, position, labels);
        }
    }
    bool IsNumberedOnly() const override { return numberedOnly; }
    // Every message and question on a line of its own.
    void Inform(const std::string& text) override { messages += text + "\n"; }
    bool AskYesNo(const std::string& text) override {
        messages += text + "\n";
        return answer(text);
    }
    void SetText(const std::string& cp1252) override { clipboard = cp1252; }
    void SetUnicodeText(const std::u16string&) override {}
    void Show() override {}
    void Restore() override {}
    void SetWindowEnabled(bool) override {}
    void ProcessPendingEvents() override {}
    const DiacriticalNames* CurrentNames() const override { return names_; }
    int PlanetIndex() const override { return planet; }
    int TypeIndex() const override { return type; }
    int Tolerance() const override { return tolerance; }

    int position = 0;
    int minimum = 0;
    int maximum = 0;
    bool numberedOnly = true;
    int planet = 0;
    int type = 2;
    int tolerance = 10;
    NumberFormat numbers;
    std::function<bool(const std::string&)> answer = [](const std::string&) { return false; };
    LabelTexts labels;
    std::optional<std::string> clipboard;
    std::string messages;

private:
    AstOrbDatabase& database_;
    const DiacriticalNames* names_;
};

} // namespace quorvane
