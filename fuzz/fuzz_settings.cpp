// The remembered folders as the window reads them: a fuzzed Quorvane.conf in a scratch settings
// folder, read through the window's own store, then turned into the two file paths.
#include "fuzz_support.h"

#include "app/settingsstore.h"
#include "astorb/error.h"
#include "astorb/paths.h"

#include <QSettings>

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>

using namespace quorvane;
using quorvane::fuzz::Check;

namespace {

std::string SettingsFile() {
    static const std::string file = [] {
        const std::string user = fuzz::ScratchFolder() + "/user";
        const std::string system = fuzz::ScratchFolder() + "/system";
        std::filesystem::create_directories(user + "/Morvelt");
        std::filesystem::create_directories(system);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(user));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope,
                           QString::fromStdString(system));
        return user + "/Morvelt/Quorvane.conf";
    }();
    return file;
}

// QSettings keeps a parsed file while its size and time stamp stay the same; every input gets
// a time stamp of its own so that each one is read afresh.
void StampUniquely(const std::string& path) {
    static long seconds = 1000000000;
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ++seconds;
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

void ReadValue(const app::SettingsStore& store, const QString& name) {
    try {
        const std::optional<QString> value = store.Read(name);
        if (value) {
            const std::string folder = value->toStdString();
            Check(AstOrbFilePath(folder).size() == folder.size() + 11, "AstOrb.dat path");
            const std::string parent = FolderOfFile(folder);
            Check(parent.size() <= folder.size() + 1, "a folder longer than its file path");
            FolderExists(folder);
        }
        const QString existing = store.ExistingFolder(name);
        Check(existing.isEmpty() || (value && existing == *value),
              "an existing folder that is not the stored text");
    } catch (const Error&) {
    }
}

} // namespace

// A stored @Variant(...) value may announce a block of many gigabytes, or a list of hundreds of
// millions of items for which Qt's stream reserves room before it reads the first one. Without
// the sanitizer such an allocation fails, or is made and never touched: the window reads the
// value with about 30 MB resident, Qt stops reading and the value comes out of another type.
// The sanitizer's allocator aborts on the first instead, and writes the shadow of the second
// (a 19 GB reservation gives 2.4 GB of resident shadow); told to fail every allocation above
// 256 MB, it behaves as a system that cannot commit them, a far bound for a settings file.
extern "C" const char* __asan_default_options() {
    return "allocator_may_return_null=1:max_allocation_size_mb=256";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = SettingsFile();
    fuzz::WriteFile(path, fuzz::AsText(data, size));
    StampUniquely(path);
    const app::SettingsStore store;
    ReadValue(store, app::kAstOrbDatPath);
    ReadValue(store, app::kDiacriticalsPath);
    return 0;
}
