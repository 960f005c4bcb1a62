#include "support/fault_support.h"

#include <fstream>
#include <sys/stat.h>

namespace quorvane::test {

RecordSpec Ceres() {
    RecordSpec fields;
    fields.number = "1";
    fields.name = "Ceres";
    fields.h = "3.34";
    fields.g = "0.12";
    fields.bv = "0.72";
    fields.diameter = "848.4";
    fields.irasClass = "G";
    fields.flags = "0";
    fields.epoch = "20051018";
    fields.meanAnomaly = "115.390000";
    fields.argPerihelion = "73.150000";
    fields.ascNode = "80.407000";
    fields.inclination = "10.583000";
    fields.eccentricity = "0.07890000";
    fields.semiMajorAxis = "2.76630000";
    return fields;
}

std::string WithField(std::string record, Field field, const std::string& text,
                      RecordLayout layout) {
    const FieldColumns columns = ColumnsOf(layout, field);
    std::string cell(static_cast<std::size_t>(columns.width), ' ');
    cell.replace(cell.size() - text.size(), text.size(), text);
    test::PutAt(record, columns.start, cell);
    return record;
}

Fingerprint FingerprintOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return {};
    }
    Fingerprint print;
    print.size = info.st_size;
    print.modifiedNs =
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    if (S_ISDIR(info.st_mode)) {
        return print;
    }
    std::ifstream file(path, std::ios::binary);
    constexpr std::int64_t kTail = 64 * 1024;
    if (print.size > 64 * 1024 * 1024) {
        file.seekg(print.size - kTail);
    }
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    char c = 0;
    while (file.get(c)) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    print.hash = hash;
    return print;
}

} // namespace quorvane::test
