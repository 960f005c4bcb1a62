#include "cli/session.h"

#include "astorb/error.h"
#include "astorb/numbers.h"
#include "astorb/paths.h"
#include "astorb/record.h"
#include "text/cp1252.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace quorvane::cli {

std::optional<std::string> Invocation::Option(const std::string& name) const {
    const auto it = options.find(name);
    if (it == options.end()) {
        return std::nullopt;
    }
    return it->second;
}

Session::Session(const Invocation& invocation, std::ostream& err)
    : invocation_(invocation), err_(err) {}

void Session::Open() {
    const std::string path = AstOrbFilePath(invocation_.positionals.at(0));
    if (!FileExists(path)) {
        RaiseCannotOpen(path, "No such file or directory");
    }
    database_.ReplaceFile(path);
    const std::int64_t count = database_.RecordCount();
    if (count < 1) {
        RaiseScrollBarOutOfRange();
    }
    maximum_ = static_cast<int>(std::min<std::int64_t>(count - 1, std::numeric_limits<int>::max()));
    if (const auto folder = invocation_.Option("--diacriticals")) {
        if (!LoadDiacriticals(*folder, names_)) {
            RaiseCannotOpen(DiacriticalsFilePath(*folder), "No such file or directory");
        }
    }
}

int Session::IndexArgument() const {
    const std::string& text = invocation_.positionals.at(1);
    const auto index = ParseInt(text);
    if (!index || *index < 0 || *index > maximum_ || text[0] == '+' || text[0] == '-') {
        throw UsageError("INDEX must be a record index from 0 to " + std::to_string(maximum_) +
                         ": " + text);
    }
    return *index;
}

void Session::SetPosition(int position) {
    position = std::clamp(position, 0, maximum_);
    if (position != position_) {
        ShowAt(position);
    }
}

void Session::ShowAt(int position) {
    position_ = std::clamp(position, 0, maximum_);
    ShowRecord(database_, Names(), position_, labels_);
}

void Session::Inform(const std::string& text) {
    err_ << text << '\n';
}

bool Session::Apply(ScanOutcome& outcome) {
    for (const int move : outcome.moves) {
        SetPosition(move);
    }
    PutBackLastRead(database_, outcome);
    if (outcome.error) {
        std::rethrow_exception(outcome.error);
    }
    if (outcome.clipboard) {
        clipboard_ = std::move(*outcome.clipboard);
    }
    if (!outcome.message.empty()) {
        Inform(outcome.message);
    }
    return outcome.end == ScanEnd::Finished;
}

void Session::SetText(const std::string& cp1252) {
    clipboard_.emplace();
    clipboard_->Append(cp1252);
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
