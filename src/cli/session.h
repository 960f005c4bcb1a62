// What one quorvane-cli command works on: the parsed command line, the model it is a view of, and
// the clipboard.
#pragma once

#include "model/model.h"

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

    // Opens FOLDER's AstOrb.dat (errors as the window raises them) and loads --diacriticals.
    void Open();
    // The INDEX argument, checked against the record count (a bad one is a usage error).
    int IndexArgument() const;

    Model& Workspace() { return model_; }
    const Model& Workspace() const { return model_; }

    // Read for every record of a scan: looked up once, when the session is made.
    bool IsNumberedOnly() const { return numberedOnly_; }

    // Messages, questions included, go to standard error.
    void Inform(const std::string& text);

    // A command's result as the window gives it to the user: its error raised, else the
    // clipboard's new content kept and the message told. False when the command did not finish.
    bool Take(CommandResult& result);

    // Writes the clipboard text: raw bytes with --raw, else UTF-8 with LF line ends.
    void WriteClipboard(std::ostream& out) const;

    const Invocation& Args() const { return invocation_; }

private:
    const Invocation& invocation_;
    bool numberedOnly_ = !invocation_.Has("--all");
    std::ostream& err_;
    Model model_;
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
