#include "astorb/paths.h"

#include <sys/stat.h>

namespace quorvane {

std::string AstOrbFilePath(const std::string& folder) {
    return folder + PathSeparator + "AstOrb.dat";
}

std::string DiacriticalsFilePath(const std::string& folder) {
    return folder + PathSeparator + "Diacriticals.txt";
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
