// Test doubles of the window's seams for the field search, and a bench that holds a small
// AstOrb.dat, an optional names table and the search state.
#pragma once

#include "astorb/database.h"
#include "astorb/diacriticals.h"
#include "astorb/record.h"
#include "reference/ports.h"
#include "search/search.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quorvane::test {

class FakeCursor : public WaitCursor {
public:
    void Show() override {
        ++shown;
        ++depth;
    }
    void Restore() override {
        ++restored;
        --depth;
    }
    int shown = 0;
    int restored = 0;
    int depth = 0;
};

// A scroll bar from 0 to `maximum`; SetPosition records each move (the display is the window's).
class FakeBrowser : public Browser {
public:
    explicit FakeBrowser(const FakeCursor& cursor) : cursor_(cursor) {}
    int Position() const override { return position; }
    int Minimum() const override { return 0; }
    int Maximum() const override { return maximum; }
    void SetPosition(int to) override {
        moves.push_back(to);
        cursorDepthAtMove = cursor_.depth;
        position = to;
    }
    int position = 0;
    int maximum = 0;
    std::vector<int> moves;
    int cursorDepthAtMove = 0;

private:
    const FakeCursor& cursor_;
};

struct FakeNumberedOnly : NumberedOnly {
    bool IsNumberedOnly() const override { return ticked; }
    bool ticked = false;
};

struct FakeMessages : Messages {
    void Inform(const std::string& text) override { informed.push_back(text); }
    bool AskYesNo(const std::string& text) override {
        ADD_FAILURE() << "the search asks no question: " << text;
        return false;
    }
    std::vector<std::string> informed;
};

// The modal one-line text prompt of Find.
class SearchPrompt {
public:
    virtual ~SearchPrompt() = default;
    // Shows `caption`, `prompt` and `text` as the initial value. True when the user confirmed,
    // `text` then holding what was entered; false, `text` untouched, when cancelled.
    virtual bool Ask(const std::u16string& caption, const std::u16string& prompt,
                     std::u16string& text) = 0;
};

// Answers with `answer` (nullopt cancels) and remembers what it was shown.
struct FakePrompt : SearchPrompt {
    bool Ask(const std::u16string& shownCaption, const std::u16string& shownPrompt,
             std::u16string& text) override {
        ++asked;
        caption = shownCaption;
        prompt = shownPrompt;
        initialText = text;
        if (!answer) {
            return false;
        }
        text = *answer;
        return true;
    }
    std::optional<std::u16string> answer;
    int asked = 0;
    std::u16string caption;
    std::u16string prompt;
    std::u16string initialText;
};

// The window's side of a search: the open file, the names, the controls and the state.
struct SearchBench {
    TempFolder folder;
    AstOrbDatabase database;
    std::optional<DiacriticalNames> names;
    FakeCursor cursor;
    FakeBrowser browser{cursor};
    FakeNumberedOnly numberedOnly;
    FakeMessages messages;
    FakePrompt prompt;
    SearchState state;

    explicit SearchBench(const std::vector<RecordSpec>& records,
                         RecordLayout layout = RecordLayout::FiveDigit) {
        database.ReplaceFile(folder.WriteAstOrb(records, layout));
        browser.maximum = static_cast<int>(records.size()) - 1;
    }

    // Loads a names table: three header lines, then the entry lines as given.
    void LoadNames(const std::vector<std::string>& entries) {
        std::string text = "header\r\nheader\r\n----\r\n";
        for (const std::string& entry : entries) {
            text += entry + "\r\n";
        }
        names.emplace();
        names->SetText(text);
    }

    SearchContext Context() {
        return {database,
                names ? &*names : nullptr,
                {browser.position, 0, browser.maximum},
                numberedOnly.ticked};
    }

    // Find on `label` from the record at `from`, the prompt confirmed with `text`.
    SearchOutcome Find(ValueLabel label, const std::u16string& text, int from) {
        browser.position = from;
        prompt.answer = text;
        return FindInLabel(label);
    }
    // Find on `label` as the window runs it: the prompt, then the search forwards.
    SearchOutcome FindInLabel(ValueLabel label) {
        std::u16string text = state.SearchText;
        if (!prompt.Ask(SearchPromptCaption(label), u"What?", text) ||
            !AcceptFindText(state, label, text)) {
            return SearchOutcome::NotRun;
        }
        return Next();
    }
    // F3 and Shift+F3 as the window runs them: nothing while the again entries are disabled;
    // else the wait cursor around the search, then the browser moved to the record found or
    // "No more occurrences.".
    SearchOutcome Next() { return Run(false); }
    SearchOutcome Previous() { return Run(true); }

    SearchOutcome Run(bool backward) {
        if (!state.AgainEnabled) {
            return SearchOutcome::NotRun;
        }
        const WaitCursorScope wait(cursor);
        const SearchOutcome outcome =
            backward ? FindPrevious(state, Context()) : FindNext(state, Context());
        if (outcome == SearchOutcome::Found) {
            browser.SetPosition(state.SearchPosition);
        } else if (outcome == SearchOutcome::NotFound) {
            messages.Inform(std::string(kNoMoreOccurrences));
        }
        return outcome;
    }

    // The Number field of the record read last, trimmed.
    std::string LastNumberRead() const { return FieldText(database.Current(), Field::Number); }
    std::string LastNameRead() const { return FieldText(database.Current(), Field::Name); }
};

// A names-table entry: the number right-aligned in characters 2 to 7, the name from character 30.
inline std::string NameEntry(int number, const std::string& name) {
    std::string line(29, ' ');
    const std::string digits = std::to_string(number);
    line.replace(7 - digits.size(), digits.size(), digits);
    return line + name;
}

} // namespace quorvane::test
