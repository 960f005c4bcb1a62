// Building AstOrb.dat records and files for tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
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

// A 267-byte record: fields right-aligned in their columns (the name left-aligned), line feed
// at the end.
std::string MakeRecord(const RecordSpec& fields);

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
    std::string WriteAstOrb(const std::vector<RecordSpec>& records) const;

private:
    std::filesystem::path path_;
};

// The bundled sample folder.
std::string SamplesFolder();

} // namespace quorvane::test
