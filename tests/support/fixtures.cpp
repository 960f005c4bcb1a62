#include "support/fixtures.h"

#include <atomic>
#include <fstream>
#include <random>
#include <unistd.h>

namespace quorvane::test {

namespace {

void PutRight(std::string& record, int start, int width, const std::string& text) {
    if (text.empty()) {
        return;
    }
    const std::string cut = text.size() > static_cast<std::size_t>(width)
                                ? text.substr(0, static_cast<std::size_t>(width))
                                : text;
    PutAt(record, start + width - static_cast<int>(cut.size()), cut);
}

} // namespace

void PutAt(std::string& record, int start, const std::string& text) {
    record.replace(static_cast<std::size_t>(start - 1), text.size(), text);
}

std::string MakeRecord(const RecordSpec& fields, RecordLayout layout, LineEnd lineEnd) {
    const bool six = layout == RecordLayout::SixDigit;
    // Past the number, every field of the six-digit layout stands one column further right,
    // but the semi-major axis, which starts in the same column and is one wider.
    const int shift = six ? 1 : 0;
    std::string record(six ? 267 : 266, ' ');
    PutRight(record, 1, 5 + shift, fields.number);
    PutAt(record, 7 + shift, fields.name.substr(0, 18));
    PutRight(record, 42 + shift, 5, fields.h);
    PutRight(record, 48 + shift, 5, fields.g);
    PutRight(record, 54 + shift, 4, fields.bv);
    PutRight(record, 59 + shift, 5, fields.diameter);
    PutAt(record, 65 + shift, fields.irasClass.substr(0, 4));
    PutRight(record, 70 + shift, 4, fields.flags);
    PutAt(record, 106 + shift, fields.epoch.substr(0, 8));
    PutRight(record, 115 + shift, 10, fields.meanAnomaly);
    PutRight(record, 126 + shift, 10, fields.argPerihelion);
    PutRight(record, 137 + shift, 10, fields.ascNode);
    PutRight(record, 147 + shift, 10, fields.inclination);
    PutRight(record, 158 + shift, 10, fields.eccentricity);
    PutRight(record, 169, 12 + shift, fields.semiMajorAxis);
    record += lineEnd == LineEnd::CRLF ? "\r\n" : "\n";
    return record;
}

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("quorvane-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
             std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const {
    const auto file = path_ / name;
    std::ofstream out(file, std::ios::binary);
    out << bytes;
    return file.string();
}

std::string TempFolder::WriteAstOrb(const std::vector<RecordSpec>& records, RecordLayout layout,
                                    LineEnd lineEnd) const {
    std::string bytes;
    for (const RecordSpec& fields : records) {
        bytes += MakeRecord(fields, layout, lineEnd);
    }
    return Write("AstOrb.dat", bytes);
}

std::string SamplesFolder() {
    return std::string(QUORVANE_SOURCE_DIR) + "/samples/five-digit";
}

std::string SixDigitSamplesFolder() {
    return std::string(QUORVANE_SOURCE_DIR) + "/samples";
}

} // namespace quorvane::test
