// The window as the plain scans drive it: every control they read, the browser they move record
// by record, the messages, the clipboard, the cursor and the pump of pending messages. The test
// windows implement these; the product's scans read values and answer outcomes instead.
#pragma once

#include "browse/ports.h"

namespace quorvane {

class AstOrbDatabase;
class DiacriticalNames;

// The names table as it stands now; asked again after every pump of messages.
class NamesSource {
public:
    virtual ~NamesSource() = default;
    // Null when no table is loaded.
    virtual const DiacriticalNames* CurrentNames() const = 0;
};

// The "Planet" and "Type" groups' item indexes, -1 when nothing is selected.
class OrbitTypeChoice {
public:
    virtual ~OrbitTypeChoice() = default;
    virtual int PlanetIndex() const = 0;
    virtual int TypeIndex() const = 0;
};

// The "Tolerance" scroll bar, in m/s.
class ToleranceSetting {
public:
    virtual ~ToleranceSetting() = default;
    virtual int Tolerance() const = 0;
};

struct ScanPorts {
    AstOrbDatabase& database;
    const NamesSource& names;
    Browser& browser;
    const NumberedOnly& numberedOnly;
    Messages& messages;
    Clipboard& clipboard;
    WaitCursor& cursor;
    WindowEnabling& window;
    EventPump& events;
};

// Disables the main window for its lifetime and enables it again on every way out.
class WindowDisabledScope {
public:
    explicit WindowDisabledScope(WindowEnabling& window) : window_(window) {
        window_.SetWindowEnabled(false);
    }
    ~WindowDisabledScope() { window_.SetWindowEnabled(true); }
    WindowDisabledScope(const WindowDisabledScope&) = delete;
    WindowDisabledScope& operator=(const WindowDisabledScope&) = delete;

private:
    WindowEnabling& window_;
};

} // namespace quorvane
