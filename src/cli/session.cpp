#include "cli/session.h"

#include "astorb/cp1252.h"
#include "astorb/error.h"
#include "astorb/numbers.h"
#include "astorb/paths.h"
#include "astorb/record.h"

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
    display_.Show(database_, Names(), position_, labels_);
}

void Session::Inform(const std::string& text) {
    err_ << text << '\n';
}

bool Session::AskYesNo(const std::string& text) {
    err_ << text << '\n';
    return answerYesNo(text);
}

void Session::SetUnicodeText(const std::u16string& text) {
    clipboard_ = Utf16ToCp1252(text);
}

void Session::WriteClipboard(std::ostream& out) const {
    if (!clipboard_) {
        return;
    }
    if (invocation_.raw) {
        out << *clipboard_;
        return;
    }
    // Converted piece by piece, so that a list of a million lines is not held twice more.
    constexpr std::size_t kPiece = 1 << 16;
    const std::string& text = *clipboard_;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = std::min(text.size(), start + kPiece);
        if (end < text.size() && text[end - 1] == '\r') {
            ++end; // a CR LF pair stays in one piece
        }
        out << TerminalText(std::string_view(text).substr(start, end - start));
        start = end;
    }
    if (!text.empty() && text.back() != '\n') {
        out << '\n';
    }
}

std::string TerminalText(std::string_view cp1252) {
    const std::string text = Cp1252ToUtf8(cp1252);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        out += text[i];
    }
    return out;
}

} // namespace quorvane::cli
