// quorvane-cli's command line itself: a fuzzed argument list (arguments separated by zero
// bytes; "@" stands for a folder holding forty records of the six-digit sample, nine of them
// numbered from 90000 on, with its names table, "#" for one holding the first forty records of the
// five-digit sample with CR LF line ends) must end in status 0, 1 or 2 and leave every file as it
// was.
#include "fuzz_support.h"

#include "cli/cli.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <utility>
#include <vector>

using namespace quorvane;
using quorvane::fuzz::Check;

namespace {

struct Folder {
    std::string path;
    std::string astorb;
    std::string names;
};

Folder MakeFolder(const std::string& name, std::string astorb, const std::string& names) {
    Folder made{fuzz::ScratchFolder() + "/" + name, std::move(astorb), names};
    std::filesystem::create_directories(made.path);
    fuzz::WriteFile(made.path + "/AstOrb.dat", made.astorb);
    fuzz::WriteFile(made.path + "/Diacriticals.txt", made.names);
    return made;
}

struct Folders {
    Folder sixDigit;  // "@"
    Folder fiveDigit; // "#"
};

const Folders& SampleFolders() {
    static const Folders folders = [] {
        const std::string names = fuzz::ReadFile(QUORVANE_SAMPLES_DIR "/Diacriticals.txt");
        // Six-digit records: the first thirty, those numbered from 90000 (six digits for most),
        // and the last, whose semi-major axis fills all thirteen columns.
        const std::string six = fuzz::ReadFile(QUORVANE_SAMPLES_DIR "/AstOrb.dat");
        constexpr std::size_t kSix = 268;
        const std::size_t sixCount = six.size() / kSix;
        Check(six.size() % kSix == 0 && sixCount >= 40 && six[kSix - 1] == '\n' && !names.empty(),
              "the six-digit sample");
        std::string astorb = six.substr(0, 30 * kSix);
        for (std::size_t i = 30; i + 1 < sixCount && astorb.size() < 39 * kSix; ++i) {
            const std::string number = six.substr(i * kSix, 6);
            if (std::strtol(number.c_str(), nullptr, 10) >= 90000) {
                astorb += six.substr(i * kSix, kSix);
            }
        }
        astorb += six.substr((sixCount - 1) * kSix, kSix);

        const std::string five = fuzz::ReadFile(QUORVANE_SAMPLES_DIR "/five-digit/AstOrb.dat");
        constexpr std::size_t kFive = 267;
        Check(five.size() >= 40 * kFive && five[kFive - 1] == '\n', "the five-digit sample");
        std::string crlf;
        for (std::size_t i = 0; i < 40; ++i) {
            crlf += five.substr(i * kFive, kFive - 1) + "\r\n";
        }
        return Folders{MakeFolder("six-digit", astorb, names),
                       MakeFolder("five-digit", crlf, names)};
    }();
    return folders;
}

std::vector<std::string> Arguments(std::string_view bytes, const Folders& folders) {
    std::vector<std::string> args;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t end = bytes.find('\0', start);
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        std::string arg(bytes.substr(start, end - start));
        if (arg == "@") {
            arg = folders.sixDigit.path;
        } else if (arg == "#") {
            arg = folders.fiveDigit.path;
        }
        args.push_back(arg);
        start = end + 1;
    }
    return args;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Folders& folders = SampleFolders();
    const std::vector<std::string> args = Arguments(fuzz::AsText(data, size), folders);
    // A family run of many passes is long by request, not by fault.
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "--passes" && args[i + 1].size() > 2) {
            return 0;
        }
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::Run(args, out, err, '.');
    Check(status == 0 || status == 1 || status == 2, "an exit status outside 0, 1 and 2");
    Check(status != 2 || err.str().find("usage: quorvane-cli") != std::string::npos,
          "a bad command line without the usage");
    for (const Folder* folder : {&folders.sixDigit, &folders.fiveDigit}) {
        Check(fuzz::ReadFile(folder->path + "/AstOrb.dat") == folder->astorb, "AstOrb.dat changed");
        Check(fuzz::ReadFile(folder->path + "/Diacriticals.txt") == folder->names,
              "Diacriticals.txt changed");
    }
    return 0;
}
