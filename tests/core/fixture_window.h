// The fake window over a small AstOrb.dat of its own, written from record fields, with the one
// change to that file a test needs: cutting it on disk once it is open.
#pragma once

#include "reference/fake_window.h"
#include "support/fixtures.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quorvane::test {

class FixtureWindow : public FakeWindow {
public:
    using FakeWindow::Open;

    // Writes AstOrb.dat from `records` and opens it: the browser at 0, that record shown.
    void Open(const std::vector<RecordSpec>& records,
              RecordLayout layout = RecordLayout::FiveDigit) {
        Open(folder_.WriteAstOrb(records, layout));
    }

    // Cuts the open file after its first `records` records, as a file that shrank after it was
    // opened: the browser keeps its range, and every read past the new end fails.
    void CutFileAfter(int records) {
        const AstOrbDatabase& database = model.Database();
        std::filesystem::resize_file(database.file()->path(),
                                     static_cast<std::uintmax_t>(records) *
                                         static_cast<std::uintmax_t>(database.Format().length));
    }

    const TempFolder& Folder() const { return folder_; }

private:
    TempFolder folder_;
};

// `records` followed by copies of a record of no interest up to `count` records: the part of a
// file that CutFileAfter takes away again.
inline std::vector<RecordSpec> PaddedTo(std::vector<RecordSpec> records, int count) {
    RecordSpec filler;
    filler.number = "99";
    filler.name = "Filler";
    records.resize(static_cast<std::size_t>(count), filler);
    return records;
}

} // namespace quorvane::test
