// The window's side of a search: the fixture window over a small AstOrb.dat, a names table
// written beside it, and the search commands as the window runs them.
#pragma once

#include "core/fixture_window.h"
#include "search/search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvane::test {

class SearchBench : public FixtureWindow {
public:
    // No file yet: a test that writes its own opens it.
    SearchBench() = default;
    explicit SearchBench(const std::vector<RecordSpec>& records,
                         RecordLayout layout = RecordLayout::FiveDigit) {
        Open(records, layout);
    }

    // Loads a names table: three header lines, then the entry lines as given.
    void LoadNames(const std::vector<std::string>& entries) {
        std::string text = "header\r\nheader\r\n----\r\n";
        for (const std::string& entry : entries) {
            text += entry + "\r\n";
        }
        Folder().Write("Diacriticals.txt", text);
        ASSERT_TRUE(FakeWindow::LoadNames(Folder().str()));
    }

    // Find on `label` from the record at `from`, the prompt confirmed with `text`.
    CommandEnd Find(ValueLabel label, const std::u16string& text, int from) {
        SetPosition(from);
        findAnswer = text;
        return RunFind(label);
    }
    CommandEnd Next() { return RunFindAgain(Model::Direction::Forwards); }
    CommandEnd Previous() { return RunFindAgain(Model::Direction::Backwards); }

    const SearchState& State() const { return model.Search(); }
    // How many wait cursors are shown now.
    int CursorDepth() const { return cursorShown - cursorRestored; }

    // The Number field of the record read last, trimmed.
    std::string LastNumberRead() const {
        return FieldText(model.Database().Current(), Field::Number);
    }
    std::string LastNameRead() const { return FieldText(model.Database().Current(), Field::Name); }
};

// A names-table entry: the number right-aligned in characters 2 to 7, the name from character 30.
inline std::string NameEntry(int number, const std::string& name) {
    std::string line(29, ' ');
    const std::string digits = std::to_string(number);
    line.replace(7 - digits.size(), digits.size(), digits);
    return line + name;
}

} // namespace quorvane::test
