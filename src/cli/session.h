// What one quorvane-cli command works on: the parsed command line, the open database, the names
// table, the browser and labels a scan's outcome is applied to, and the clipboard.
#pragma once

#include "astorb/database.h"
#include "astorb/diacriticals.h"
#include "astorb/display.h"
#include "astorb/numbers.h"
#include "lists/scan.h"

#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvane::cli {

// A bad command line: the usage goes to standard error, exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Invocation {
    bool raw = false;
    std::string command;
    std::vector<std::string> positionals;       // FOLDER, then INDEX where the command takes one
    std::map<std::string, std::string> options; // "--lang" -> "fr"
    std::set<std::string> switches;             // "--all", "--backward"

    bool Has(const std::string& name) const { return switches.count(name) != 0; }
    std::optional<std::string> Option(const std::string& name) const;
};

class Session {
public:
    // `numbers`: --decimal-separator, else the regional separator at start-up.
    Session(const Invocation& invocation, std::ostream& err, const NumberFormat& numbers);

    // Opens FOLDER/AstOrb.dat (errors as the window raises them) and loads --diacriticals.
    void Open();
    // The INDEX argument, checked against the record count (a bad one is a usage error).
    int IndexArgument() const;

    AstOrbDatabase& Database() { return database_; }
    const DiacriticalNames* Names() const { return names_ ? &*names_ : nullptr; }
    // The browser as a scan starts from it.
    BrowserRange Range() const { return {position_, 0, maximum_}; }
    // The labels as the window would show them now.
    const LabelTexts& Labels() const { return labels_; }

    // Browser: the position starts at 0 without any display; SetPosition displays on change.
    int Position() const { return position_; }
    void SetPosition(int position);
    // Displays the record at `position` whether or not it is the current one.
    void ShowAt(int position);

    // Read for every record of a scan: looked up once, when the session is made.
    bool IsNumberedOnly() const { return numberedOnly_; }
    // The number format every command writes and reads its numbers with.
    const NumberFormat& Numbers() const { return numbers_; }

    // Messages, questions included, go to standard error.
    void Inform(const std::string& text);

    // A scan's outcome as the window applies it: the browser moves (a display error ends it
    // there), the record read last, the error, the clipboard, the message. False when the
    // scan did not finish.
    bool Apply(ScanOutcome& outcome);

    void SetText(const std::string& cp1252);
    // The clipboard's bytes in one piece; nothing when nothing was copied.
    std::optional<std::string> ClipboardText() const {
        return clipboard_ ? std::optional<std::string>(clipboard_->Join()) : std::nullopt;
    }

    // Writes the clipboard text: raw bytes with --raw, else UTF-8 with LF line ends.
    void WriteClipboard(std::ostream& out) const;

    const Invocation& Args() const { return invocation_; }

private:
    const Invocation& invocation_;
    bool numberedOnly_ = !invocation_.Has("--all");
    std::ostream& err_;
    NumberFormat numbers_;
    AstOrbDatabase database_;
    std::optional<DiacriticalNames> names_;
    LabelTexts labels_;
    int position_ = 0;
    int maximum_ = 0;
    std::optional<ListText> clipboard_;
};

// Text from the core for the terminal: Windows-1252 to UTF-8, CR LF to LF.
std::string TerminalText(std::string_view cp1252);

// The commands; each returns the exit status.
int RunShow(Session& session, std::ostream& out);
int RunInfobox(Session& session, std::ostream& out);
int RunSpecial(Session& session, std::ostream& out);
int RunFamily(Session& session, std::ostream& out);
int RunNames(Session& session, std::ostream& out);
int RunInclination(Session& session, std::ostream& out);
int RunFind(Session& session, std::ostream& out);

} // namespace quorvane::cli
