#include "astorb/diacriticals.h"

#include "astorb/error.h"
#include "astorb/paths.h"
#include "text/accents.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace quorvane {

void DiacriticalNames::SetText(std::string_view text) {
    lines_.clear();
    const auto nul = text.find('\0');
    text = text.substr(0, nul);
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines_.emplace_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        lines_.emplace_back(text.substr(start));
    }
    while (true) {
        if (lines_.empty()) {
            RaiseListIndexOutOfBounds(-1);
        }
        if (!lines_.back().empty()) {
            break;
        }
        lines_.pop_back();
    }
}

const std::string& DiacriticalNames::Line(std::size_t i) const {
    if (i >= lines_.size()) {
        RaiseListIndexOutOfBounds(static_cast<int>(i));
    }
    return lines_[i];
}

bool LoadDiacriticals(const std::string& folder, std::optional<DiacriticalNames>& table) {
    const std::string path = FindDiacriticalsFile(folder);
    if (path.empty()) {
        return false;
    }
    table.emplace();
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file) {
        RaiseCannotOpen(path, std::strerror(errno));
    }
    std::string text;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        text.append(buffer, got);
    }
    if (std::ferror(file.get())) {
        RaiseCannotOpen(path, std::strerror(errno));
    }
    table->SetText(text);
    return true;
}

std::u16string LookupDiacriticalName(const DiacriticalNames* table, std::string_view number,
                                     bool htmlEntities) {
    if (number.empty() || table == nullptr || table->Count() < 4) {
        return {};
    }
    std::string sought = "      " + std::string(number);
    sought.erase(0, sought.size() - 6);
    for (std::size_t i = 3; i < table->Count(); ++i) {
        const std::string& line = table->Line(i);
        const std::string_view key =
            line.size() > 1 ? std::string_view(line).substr(1, 6) : std::string_view();
        // std::string_view compares bytes as unsigned char, a prefix sorting first.
        const int order = key.compare(sought);
        if (order > 0) {
            return {};
        }
        if (order == 0) {
            const std::string_view name =
                line.size() > 29 ? std::string_view(line).substr(29, 999) : std::string_view();
            return ConvertTexAccents(name, htmlEntities);
        }
    }
    return {};
}

} // namespace quorvane
