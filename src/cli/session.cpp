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
    ShowRecord(database_, Names(), position_, labels_);
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
    std::string text = TerminalText(*clipboard_);
    if (!text.empty() && text.back() != '\n') {
        text += '\n';
    }
    out << text;
}

std::string TerminalText(const std::string& cp1252) {
    std::string text = Cp1252ToUtf8(cp1252);
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
