// Building AstOrb.dat records and files for tests.
#pragma once

#include "astorb/record.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace quorvane::test {

// One record's fields as text, placed in their columns; anything left empty stays blank.
struct RecordSpec {
    std::string number;
    std::string name;
    std::string h = "13.40";
    std::string g = "0.15";
    std::string bv;
    std::string diameter;
    std::string irasClass;
    std::string flags = "0";
    std::string epoch = "20051018";
    std::string meanAnomaly = "300";
    std::string argPerihelion = "200";
    std::string ascNode = "100";
    std::string inclination = "5";
    std::string eccentricity = "0.1";
    std::string semiMajorAxis = "2.5";
};

enum class LineEnd { LF, CRLF };

// A record of `layout`: fields right-aligned in their columns (the name left-aligned), the line
// end after them: 267 bytes for the five-digit layout with a line feed, one more for the
// six-digit layout and one more for CR LF. The columns are written out here, apart from the
// program's own table, so that the tests check that table.
std::string MakeRecord(const RecordSpec& fields, RecordLayout layout = RecordLayout::FiveDigit,
                       LineEnd lineEnd = LineEnd::LF);

// A record text that keeps its layout, handed to the field readers as a view.
struct RecordText {
    std::string text;
    RecordLayout layout = RecordLayout::FiveDigit;
    operator AstOrbRecord() const { return {text, layout}; } // NOLINT: a view of itself
};

constexpr std::array<RecordLayout, 2> kBothLayouts = {RecordLayout::FiveDigit,
                                                      RecordLayout::SixDigit};

// Every row of a table paired with each layout, five-digit first.
template <typename Row>
std::vector<std::pair<Row, RecordLayout>> EveryLayout(const std::vector<Row>& rows) {
    std::vector<std::pair<Row, RecordLayout>> cases;
    for (const RecordLayout layout : kBothLayouts) {
        for (const Row& row : rows) {
            cases.emplace_back(row, layout);
        }
    }
    return cases;
}

// A record text of the five-digit layout, as the field readers take it.
inline AstOrbRecord FiveDigit(std::string_view text) {
    return {text, RecordLayout::FiveDigit};
}

// Puts `text` at 1-based column `start` of `record` (no alignment).
void PutAt(std::string& record, int start, const std::string& text);

// A fresh empty folder under the system's temporary folder, removed by the destructor.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }
    // Writes `bytes` to a file of that name in the folder and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    // Writes AstOrb.dat from the records.
    std::string WriteAstOrb(const std::vector<RecordSpec>& records,
                            RecordLayout layout = RecordLayout::FiveDigit,
                            LineEnd lineEnd = LineEnd::LF) const;

private:
    std::filesystem::path path_;
};

// A numbered record with its name and orbit (a in AU, e, i in degrees) as record texts.
inline RecordSpec Orbit(std::string number, std::string name, std::string a, std::string e,
                        std::string inclination = "5") {
    RecordSpec fields;
    fields.number = std::move(number);
    fields.name = std::move(name);
    fields.semiMajorAxis = std::move(a);
    fields.eccentricity = std::move(e);
    fields.inclination = std::move(inclination);
    return fields;
}

// The sample folder the tests use: the five-digit sample database and its names table.
std::string SamplesFolder();

// The sample folder that `make run` opens: a six-digit database.
std::string SixDigitSamplesFolder();

} // namespace quorvane::test
