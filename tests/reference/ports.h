// The window as the plain scans and the plain search drive it: every control they read, the
// browser they move record by record, the messages, the clipboard, the cursor and the pump of
// pending messages. The fake window implements these; the product's commands run on the model
// instead, which answers results that the front ends render.
#pragma once

#include "astorb/numbers.h"
#include "text/list_text.h"

#include <string>

namespace quorvane {

class AstOrbDatabase;
class DiacriticalNames;

// The browser scroll bar: its position is the index of the record shown.
class Browser {
public:
    virtual ~Browser() = default;
    virtual int Position() const = 0;
    virtual int Minimum() const = 0;
    virtual int Maximum() const = 0;
    // Clamps to the range; when the position changes, the record there is displayed (which
    // reads it and may raise the display's error).
    virtual void SetPosition(int position) = 0;
};

// The "Numbered only" check box.
class NumberedOnly {
public:
    virtual ~NumberedOnly() = default;
    virtual bool IsNumberedOnly() const = 0;
};

// The program's own modal messages, caption "Quorvane"; texts are UTF-8.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void Inform(const std::string& text) = 0;
    // Yes and No buttons; true for every answer but No.
    virtual bool AskYesNo(const std::string& text) = 0;
};

// Replaces the clipboard's content.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // 8-bit text, Windows-1252 bytes, as the wikicode outputs are.
    virtual void SetText(const std::string& cp1252) = 0;
    // The same, taking the text over: a front end that keeps the text needs no copy of it.
    virtual void TakeText(std::string&& cp1252) { SetText(cp1252); }
    // The same for a list a scan has built; a front end that writes it out as it goes needs
    // no copy of it in one piece.
    virtual void TakeList(ListText&& list) { TakeText(list.Join()); }
    // A Unicode text (the copied value of a label).
    virtual void SetUnicodeText(const std::u16string& text) = 0;
};

// The application-wide wait cursor.
class WaitCursor {
public:
    virtual ~WaitCursor() = default;
    virtual void Show() = 0;
    virtual void Restore() = 0;
};

// Enabling and disabling the whole main window.
class WindowEnabling {
public:
    virtual ~WindowEnabling() = default;
    virtual void SetWindowEnabled(bool enabled) = 0;
};

// Lets pending window messages run once.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void ProcessPendingEvents() = 0;
};

// Shows the wait cursor for its lifetime, restoring it on every way out.
class WaitCursorScope {
public:
    explicit WaitCursorScope(WaitCursor& cursor) : cursor_(cursor) { cursor_.Show(); }
    ~WaitCursorScope() { cursor_.Restore(); }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;

private:
    WaitCursor& cursor_;
};

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
    // The window's number format, which every field and number goes by.
    const NumberFormat& numbers;
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
