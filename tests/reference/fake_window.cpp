#include "reference/fake_window.h"

#include "text/cp1252.h"

#include <utility>

namespace quorvane {

void FakeWindow::Open(const std::string& path, AfterOpen after) {
    OpenResult open = model.OpenAstOrb(path, after);
    if (!open.notice.empty()) {
        Inform(open.notice);
    }
    Present(open.result);
}

CommandEnd FakeWindow::Present(CommandResult& result) {
    result.RaiseError();
    if (result.clipboard) {
        TakeList(std::move(*result.clipboard));
    }
    if (result.unicodeClipboard) {
        SetUnicodeText(*result.unicodeClipboard);
    }
    if (!result.message.empty()) {
        Inform(result.message);
    }
    return result.end;
}

CommandEnd FakeWindow::RunSpecial() {
    const WaitCursorScope wait(*this);
    CommandResult result = model.OrbitTypeList(planet, type, numberedOnly);
    return Present(result);
}

CommandEnd FakeWindow::RunFamily() {
    const WaitCursorScope wait(*this);
    CommandResult result =
        model.Family({tolerance, numberedOnly},
                     [this](const CommandResult& pass) -> std::optional<FamilyControls> {
                         ProcessPendingEvents();
                         if (!AskYesNo(pass.message)) {
                             return std::nullopt;
                         }
                         return FamilyControls{tolerance, numberedOnly};
                     });
    return Present(result);
}

CommandEnd FakeWindow::RunNames() {
    const WaitCursorScope wait(*this);
    const WindowDisabledScope disabled(*this);
    CommandResult result = model.ExtractNames([this] { ProcessPendingEvents(); });
    return Present(result);
}

CommandEnd FakeWindow::RunInclination() {
    CommandResult result = model.HighestInclination(numberedOnly);
    return Present(result);
}

CommandEnd FakeWindow::RunInfobox(InfoboxLanguage language) {
    CommandResult result = model.Infobox(language);
    return Present(result);
}

CommandEnd FakeWindow::RunFind(ValueLabel label) {
    ++promptsShown;
    promptCaption = model.FindPromptCaption(label);
    promptText = u"What?";
    promptInitialText = model.Search().SearchText;
    if (!findAnswer || !model.AcceptFind(label, *findAnswer)) {
        return CommandEnd::NotRun;
    }
    return RunFindAgain(Model::Direction::Forwards);
}

CommandEnd FakeWindow::RunFindAgain(Model::Direction direction) {
    if (!model.Search().AgainEnabled) {
        return CommandEnd::NotRun;
    }
    const WaitCursorScope wait(*this);
    CommandResult result = model.FindAgain(direction, numberedOnly);
    return Present(result);
}

std::string FakeWindow::Shown() const {
    std::string text = "at " + std::to_string(model.Browser().position) + " showing [";
    for (const std::string& value : model.Display().values) {
        text += Cp1252ToUtf8(value) + "|";
    }
    const ParameterTexts& boxes = model.Parameters();
    text += "] accented name [" + Utf16ToUtf8(model.Display().nameUnicode) + "] boxes [" +
            Cp1252ToUtf8(boxes.diameter) + "|" + Cp1252ToUtf8(boxes.albedo) + "|" +
            Cp1252ToUtf8(boxes.density) + "] record [" +
            Cp1252ToUtf8(model.Database().CurrentRecord()) + "]";
    return text;
}

void FakeWindow::WatchInto(std::vector<std::string>& into) {
    watch = [this, &into](std::string_view entry) {
        into.emplace_back(entry);
        if (entry.starts_with("inform ") || entry.starts_with("ask ") || entry == "pump" ||
            entry == "clipboard") {
            into.push_back("sees " + Shown());
        }
    };
}

void FakeWindow::SetPosition(int position) {
    browsed.push_back(position);
    model.Browse(position).RaiseError();
}

void FakeWindow::Write(std::string entry) {
    log.push_back(std::move(entry));
    if (watch) {
        watch(log.back());
    }
}

void FakeWindow::Inform(const std::string& text) {
    informed.push_back(text);
    shownAtMessages.push_back(model.Display().Value(ValueLabel::Number) + " " +
                              model.Display().Value(ValueLabel::Name));
    Write("inform " + text);
}

bool FakeWindow::AskYesNo(const std::string& text) {
    asked.push_back(text);
    shownAtMessages.push_back(model.Display().Value(ValueLabel::Number) + " " +
                              model.Display().Value(ValueLabel::Name));
    Write("ask " + text);
    if (onAsk) {
        onAsk();
    }
    if (answers.empty()) {
        return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakeWindow::SetText(const std::string& cp1252) {
    clipboard = cp1252;
    Write("clipboard");
}

void FakeWindow::SetUnicodeText(const std::u16string& text) {
    unicodeClipboard = text;
    Write("unicode clipboard");
}

void FakeWindow::Show() {
    ++cursorShown;
    Write("cursor wait");
}

void FakeWindow::Restore() {
    ++cursorRestored;
    Write("cursor default");
}

void FakeWindow::SetWindowEnabled(bool enabled) {
    windowEnabled = enabled;
    Write(enabled ? "window enabled" : "window disabled");
}

void FakeWindow::ProcessPendingEvents() {
    ++pumps;
    if (!log.empty() && log.back() == "pump") {
        if (watch) {
            watch(log.back());
        }
        return;
    }
    Write("pump");
}

CommandEnd WindowEnd(ScanEnd end) {
    switch (end) {
    case ScanEnd::Finished:
        return CommandEnd::Finished;
    case ScanEnd::ReadFailed:
        return CommandEnd::ReadFailed;
    case ScanEnd::NoPlanetChosen:
        return CommandEnd::NotRun;
    case ScanEnd::Raised:
        break;
    }
    return CommandEnd::Raised;
}

CommandEnd WindowEnd(SearchOutcome outcome) {
    switch (outcome) {
    case SearchOutcome::Found:
        return CommandEnd::Finished;
    case SearchOutcome::NotFound:
        return CommandEnd::NotFound;
    case SearchOutcome::ReadFailed:
        return CommandEnd::ReadFailed;
    case SearchOutcome::NotRun:
        break;
    }
    return CommandEnd::NotRun;
}

} // namespace quorvane
