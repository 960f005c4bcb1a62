// Folder texts and the two fixed file names: a folder carries no trailing separator except at
// the root, and a file is named as folder + separator + fixed name.
#pragma once

#include <string>

namespace quorvane {

#ifdef _WIN32
constexpr char PathSeparator = '\\';
#else
constexpr char PathSeparator = '/';
#endif

std::string AstOrbFilePath(const std::string& folder);
std::string DiacriticalsFilePath(const std::string& folder);

// The folder of a chosen file: its path cut at the last separator, without it, except at the
// root, where the separator stays ("/" for "/x.dat", "C:\" for "C:\x.dat").
std::string FolderOfFile(const std::string& filePath);

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

} // namespace quorvane
