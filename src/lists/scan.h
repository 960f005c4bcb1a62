// What the whole-database scans see of the main window, and the rules they share: the Done
// message, the line end of the lists and the window disabled for the length of a command.
#pragma once

#include "browse/ports.h"

#include <string>

namespace quorvane {

class AstOrbDatabase;
class DiacriticalNames;

// The names table as it stands now. A scan that lets pending window messages run asks again
// after that point, since the table may have been reloaded meanwhile.
class NamesSource {
public:
    virtual ~NamesSource() = default;
    // Null when no table is loaded.
    virtual const DiacriticalNames* CurrentNames() const = 0;
};

// The window's parts that every scan may use. The database is the window's own object, so it
// stays valid when another AstOrb.dat replaces the open file.
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

// How a scan ended. Errors are not among them: they propagate as quorvane::Error.
enum class ScanEnd {
    Finished,      // ran to its end, with its final message
    ReadFailed,    // a record could not be read whole: ended quietly
    NoPlanetChosen // the orbit-type list without a planet: "Must select a planet." was shown
};

// Every line of a list ends with CR LF, the last one included.
inline constexpr const char* kListLineEnd = "\r\n";

// "Done. N results in the clipboard."
std::string DoneMessage(int count);

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

// A record index as a browser position; indexes beyond the int range (a file grown past two
// thousand million records) are clamped rather than wrapped.
int BrowserIndex(long long index);

} // namespace quorvane
