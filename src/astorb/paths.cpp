#include "astorb/paths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

namespace quorvane {

namespace {

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

std::string InFolder(const std::string& folder, std::string_view name) {
    std::string path = folder;
    path += PathSeparator;
    path += name;
    return path;
}

} // namespace

std::string AstOrbFilePath(const std::string& folder) {
    return InFolder(folder, "AstOrb.dat");
}

std::string DiacriticalsFilePath(const std::string& folder) {
    return InFolder(folder, "Diacriticals.txt");
}

std::string FindFileInFolder(const std::string& folder, std::string_view name) {
    const std::string exact = InFolder(folder, name);
    if (FileExists(exact)) {
        return exact;
    }
#ifdef _WIN32
    return {};
#else
    // An empty folder names the root, as in the file's path.
    const std::string listed = folder.empty() ? std::string(1, PathSeparator) : folder;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(listed.c_str()), &::closedir);
    if (!dir) {
        return {};
    }
    std::string best;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view entryName = entry->d_name;
        if (!EqualIgnoringAsciiCase(entryName, name) || (!best.empty() && entryName >= best)) {
            continue;
        }
        if (FileExists(InFolder(folder, entryName))) {
            best = entryName;
        }
    }
    return best.empty() ? std::string() : InFolder(folder, best);
#endif
}

std::string FindAstOrbFile(const std::string& folder) {
    std::string plain = FindFileInFolder(folder, "AstOrb.dat");
    return plain.empty() ? FindFileInFolder(folder, "AstOrb.dat.gz") : plain;
}

std::string FindDiacriticalsFile(const std::string& folder) {
    return FindFileInFolder(folder, "Diacriticals.txt");
}

bool IsGzipName(std::string_view path) {
    return path.size() >= 3 && EqualIgnoringAsciiCase(path.substr(path.size() - 3), ".gz");
}

std::string FileNameOf(const std::string& path) {
    const auto cut = path.find_last_of(PathSeparator);
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string FolderOfFile(const std::string& filePath) {
    const auto cut = filePath.find_last_of(PathSeparator);
    if (cut == std::string::npos) {
        return {};
    }
    std::string folder = filePath.substr(0, cut);
    const bool atRoot = folder.empty() || (folder.size() == 2 && folder[1] == ':');
    if (atRoot) {
        folder += PathSeparator;
    }
    return folder;
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool FolderExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace quorvane
