#include "cli/session.h"

#include "astorb/error.h"
#include "astorb/numbers.h"
#include "astorb/paths.h"
#include "text/cp1252.h"

#include <cstring>
#include <functional>
#include <iostream>
#include <unistd.h>

namespace quorvane::cli {

std::optional<std::string> Invocation::Option(const std::string& name) const {
    const auto it = options.find(name);
    if (it == options.end()) {
        return std::nullopt;
    }
    return it->second;
}

Session::Session(const Invocation& invocation, std::ostream& err, const NumberFormat& numbers)
    : invocation_(invocation), err_(err), model_(numbers) {}

namespace {

// The progress of a first opening, on one line of the terminal, erased when it is done.
class TerminalProgress {
public:
    TerminalProgress(std::ostream& err, std::string name) : err_(err), name_(std::move(name)) {}
    ~TerminalProgress() {
        if (shown_) {
            err_ << '\r' << std::string(name_.size() + 20, ' ') << '\r' << std::flush;
        }
    }
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    bool operator()(std::uint64_t done, std::uint64_t total) {
        const int percent = total == 0 ? 100 : static_cast<int>(done * 100 / total);
        if (percent != percent_) {
            percent_ = percent;
            shown_ = true;
            err_ << "\rReading " << name_ << ": " << percent << " %" << std::flush;
        }
        return true;
    }

private:
    std::ostream& err_;
    std::string name_;
    int percent_ = -1;
    bool shown_ = false;
};

} // namespace

void Session::Open() {
    const std::string& folder = invocation_.positionals.at(0);
    const std::string path = FindAstOrbFile(folder);
    if (path.empty()) {
        RaiseCannotOpen(AstOrbFilePath(folder), "No such file or directory");
    }
    OpenResult open;
    {
        // Only a terminal gets the progress: a script's log keeps the messages alone.
        const bool terminal = &err_ == &std::cerr && ::isatty(STDERR_FILENO) == 1;
        TerminalProgress progress(err_, FileNameOf(path));
        open = model_.OpenAstOrb(path, AfterOpen::ShowNothing,
                                 terminal ? OpenProgress(std::ref(progress)) : OpenProgress());
    }
    if (!open.notice.empty()) {
        Inform(open.notice);
    }
    open.result.RaiseError();
    if (const auto namesFolder = invocation_.Option("--diacriticals")) {
        if (!model_.LoadNames(*namesFolder)) {
            RaiseCannotOpen(DiacriticalsFilePath(*namesFolder), "No such file or directory");
        }
    }
}

int Session::IndexArgument() const {
    const int maximum = model_.Browser().maximum;
    const std::string& text = invocation_.positionals.at(1);
    const auto index = ParseInt(text);
    if (!index || *index < 0 || *index > maximum || text[0] == '+' || text[0] == '-') {
        throw UsageError("INDEX must be a record index from 0 to " + std::to_string(maximum) +
                         ": " + text);
    }
    return *index;
}

void Session::Inform(const std::string& text) {
    err_ << text << '\n';
}

bool Session::Take(CommandResult& result) {
    result.RaiseError();
    if (result.clipboard) {
        clipboard_ = std::move(*result.clipboard);
    }
    if (!result.message.empty()) {
        Inform(result.message);
    }
    return result.Finished();
}

void Session::WriteClipboard(std::ostream& out) const {
    if (!clipboard_) {
        return;
    }
    if (invocation_.raw) {
        clipboard_->ForEachPiece([&out](std::string_view piece) { out << piece; });
        return;
    }
    // Converted piece by piece, so that a list of a million lines is never held twice; a CR
    // that ends a piece waits for the next one, which may begin with its LF.
    bool heldCr = false;
    bool endsWithLf = false;
    std::string text;
    clipboard_->ForEachPiece([&](std::string_view piece) {
        text.assign(heldCr ? "\r" : "");
        text.append(piece);
        heldCr = !text.empty() && text.back() == '\r';
        if (heldCr) {
            text.pop_back();
        }
        if (!text.empty()) {
            endsWithLf = text.back() == '\n';
        }
        out << TerminalText(text);
    });
    if (heldCr) {
        out << TerminalText("\r");
        endsWithLf = false;
    }
    if (!clipboard_->empty() && !endsWithLf) {
        out << '\n';
    }
}

std::string TerminalText(std::string_view cp1252) {
    std::string text = Cp1252ToUtf8(cp1252);
    // Every CR that a LF follows is dropped, the text closing up in place.
    char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t kept = 0;
    std::size_t from = 0;
    while (from < size) {
        const void* found = std::memchr(data + from, '\r', size - from);
        const std::size_t cr =
            found != nullptr ? static_cast<std::size_t>(static_cast<const char*>(found) - data)
                             : size;
        const bool dropped = cr + 1 < size && data[cr + 1] == '\n';
        const std::size_t end = dropped ? cr : std::min(cr + 1, size);
        std::memmove(data + kept, data + from, end - from);
        kept += end - from;
        from = dropped ? cr + 1 : end;
    }
    text.resize(kept);
    return text;
}

} // namespace quorvane::cli
