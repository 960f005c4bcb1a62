// Folder texts and the two fixed file names: a folder carries no trailing separator except at
// the root, and a file is named as folder + separator + fixed name. On a file system that tells
// letter cases apart, the fixed names are found the way a case-blind one would find them.
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

#ifdef _WIN32
constexpr char PathSeparator = '\\';
#else
constexpr char PathSeparator = '/';
#endif

// The names as written: folder + separator + "AstOrb.dat" / "Diacriticals.txt".
std::string AstOrbFilePath(const std::string& folder);
std::string DiacriticalsFilePath(const std::string& folder);

// The file of `folder` called `name`: the entry named exactly so, else the one whose name equals
// it ignoring ASCII letter case (of several, the first in byte order of their names); only
// files count, not folders. Empty when there is none.
std::string FindFileInFolder(const std::string& folder, std::string_view name);

// AstOrb.dat in `folder`, in any letter case, else AstOrb.dat.gz in any letter case: a plain file
// always wins over a compressed one. Empty when there is neither.
std::string FindAstOrbFile(const std::string& folder);
// Diacriticals.txt in `folder`, in any letter case (it has no compressed form).
std::string FindDiacriticalsFile(const std::string& folder);

// Whether `path` names a gzip file by its name: it ends in ".gz", in any letter case.
bool IsGzipName(std::string_view path);

// The last component of `path`: what a message names the file by.
std::string FileNameOf(const std::string& path);

// The folder of a chosen file: its path cut at the last separator, without it, except at the
// root, where the separator stays ("/" for "/x.dat", "C:\" for "C:\x.dat").
std::string FolderOfFile(const std::string& filePath);

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

} // namespace quorvane
