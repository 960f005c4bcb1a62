// quorvane-cli in-process on a fuzzed AstOrb.dat (and sometimes a fuzzed Diacriticals.txt) in
// a scratch folder: every command ends with a status of 0, 1 or 2, and neither file changes.
#include "fuzz_support.h"

#include "astorb/record.h"
#include "cli/cli.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <sstream>

using namespace quorvane;
using quorvane::fuzz::Check;

namespace {

constexpr std::array<const char*, 21> kFields = {
    "Number",        "Name",          "NameUnicode", "H",           "G",
    "BVColour",      "Diameter",      "Diam",        "IRASClass",   "Epoch",
    "MeanAnomaly",   "ArgPerihelion", "AscNode",     "Inclination", "Eccentricity",
    "SemiMajorAxis", "Aten",          "Apollo",      "Amor",        "MarsCrosser",
    "OuterCrosser"};
constexpr std::array<const char*, 9> kPlanets = {"mercury", "venus",  "earth",   "mars", "jupiter",
                                                 "saturn",  "uranus", "neptune", "pluto"};
constexpr std::array<const char*, 7> kTypes = {
    "inner", "inner-grazer", "co-orbital", "crosser", "outer-grazer", "outer", "retrograde"};

int RunOne(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::Run(args, out, err, '.');
    Check(status == 0 || status == 1 || status == 2, "an exit status outside 0, 1 and 2");
    // Only a search that ends on a failed read fails without a word.
    const bool find = std::find(args.begin(), args.end(), "find") != args.end();
    Check(status == 0 || find || !err.str().empty(),
          "a failure that said nothing on standard error");
    return status;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::string& folder = fuzz::ScratchFolder();
    const std::string names = provider.ConsumeBool() ? provider.ConsumeRandomLengthString(400) : "";
    const std::string index = std::to_string(provider.ConsumeIntegralInRange(0, 15));
    const std::string field = provider.PickValueInArray(kFields);
    const std::string text = provider.ConsumeRandomLengthString(12);
    const std::string planet = provider.PickValueInArray(kPlanets);
    const std::string type = provider.PickValueInArray(kTypes);
    const std::string tolerance = std::to_string(provider.ConsumeIntegralInRange(0, 500));
    const std::string separator(1, provider.ConsumeBool() ? '.' : ',');
    const std::string astorb = provider.ConsumeRemainingBytesAsString();

    const std::string astorbPath = folder + "/AstOrb.dat";
    const std::string namesPath = folder + "/Diacriticals.txt";
    fuzz::WriteFile(astorbPath, astorb);
    if (names.empty()) {
        std::filesystem::remove(namesPath);
    } else {
        fuzz::WriteFile(namesPath, names);
    }
    const std::vector<std::string> withNames =
        names.empty() ? std::vector<std::string>{}
                      : std::vector<std::string>{"--diacriticals", folder};
    const std::vector<std::vector<std::string>> commands = {
        {"--decimal-separator", separator, "show", folder, index},
        {"--decimal-separator", separator, "find", folder, index, "--field", field, "--text", text},
        {"find", folder, index, "--field", field, "--text", text, "--backward", "--all"},
        {"--raw", "names", folder},
        {"inclination", folder, index, "--all"},
        {"--decimal-separator", separator, "special", folder, "--planet", planet, "--type", type,
         "--all"},
        {"--decimal-separator", separator, "infobox", folder, index, "--lang", "fr"},
        {"--raw", "infobox", folder, index, "--lang", "en", "--diameter", text, "--density", text},
        {"family", folder, index, "--tolerance", tolerance, "--passes", "2", "--all"},
    };
    for (std::vector<std::string> args : commands) {
        const bool takesNames = std::find(args.begin(), args.end(), "inclination") == args.end();
        if (takesNames) {
            args.insert(args.end(), withNames.begin(), withNames.end());
        }
        RunOne(args);
    }
    Check(fuzz::ReadFile(astorbPath) == astorb, "AstOrb.dat changed");
    Check(names.empty() || fuzz::ReadFile(namesPath) == names, "Diacriticals.txt changed");
    return 0;
}
