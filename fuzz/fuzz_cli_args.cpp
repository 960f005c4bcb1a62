// quorvane-cli's command line itself: a fuzzed argument list (arguments separated by zero bytes,
// "@" standing for a folder that holds the first forty records of the sample and its names
// table) must end in status 0, 1 or 2 and leave both files as they were.
#include "fuzz_support.h"

#include "astorb/numbers.h"
#include "astorb/record.h"
#include "cli/cli.h"

#include <filesystem>
#include <sstream>
#include <vector>

using namespace quorvane;
using quorvane::fuzz::Check;

namespace {

struct Folder {
    std::string path;
    std::string astorb;
    std::string names;
};

const Folder& SampleFolder() {
    static const Folder folder = [] {
        Folder made;
        made.path = fuzz::ScratchFolder() + "/sample";
        std::filesystem::create_directories(made.path);
        made.astorb =
            fuzz::ReadFile(QUORVANE_SAMPLES_DIR "/AstOrb.dat").substr(0, 40 * RecordLength);
        made.names = fuzz::ReadFile(QUORVANE_SAMPLES_DIR "/Diacriticals.txt");
        Check(made.astorb.size() == 40 * RecordLength && !made.names.empty(), "the sample files");
        fuzz::WriteFile(made.path + "/AstOrb.dat", made.astorb);
        fuzz::WriteFile(made.path + "/Diacriticals.txt", made.names);
        return made;
    }();
    return folder;
}

std::vector<std::string> Arguments(std::string_view bytes, const std::string& folder) {
    std::vector<std::string> args;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t end = bytes.find('\0', start);
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        std::string arg(bytes.substr(start, end - start));
        args.push_back(arg == "@" ? folder : arg);
        start = end + 1;
    }
    return args;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Folder& folder = SampleFolder();
    const std::vector<std::string> args = Arguments(fuzz::AsText(data, size), folder.path);
    // A family run of many passes is long by request, not by fault.
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "--passes" && args[i + 1].size() > 2) {
            return 0;
        }
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::Run(args, out, err, '.');
    SetDecimalSeparator('.');
    Check(status == 0 || status == 1 || status == 2, "an exit status outside 0, 1 and 2");
    Check(status != 2 || err.str().find("usage: quorvane-cli") != std::string::npos,
          "a bad command line without the usage");
    Check(fuzz::ReadFile(folder.path + "/AstOrb.dat") == folder.astorb, "AstOrb.dat changed");
    Check(fuzz::ReadFile(folder.path + "/Diacriticals.txt") == folder.names,
          "Diacriticals.txt changed");
    return 0;
}
