// The quick whole-database scans and the quick field search against their plain forms on a
// fuzzed AstOrb.dat, taken as it stands or with its records written again in either layout with
// either line end: the result, the messages, the clipboard, the browser position and the shared
// record must all be the same, errors included.
#include "fuzz_astorb.h"
#include "fuzz_support.h"

#include "astorb/cp1252.h"
#include "astorb/error.h"
#include "astorb/numbers.h"
#include "astorb/record.h"
#include "browse/search.h"
#include "browse/search_plain.h"
#include "cli/session.h"
#include "lists/inclination.h"
#include "lists/names.h"
#include "lists/plain_scans.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <filesystem>
#include <functional>
#include <sstream>

using namespace quorvane;
using quorvane::fuzz::Check;

namespace {

struct Settings : OrbitTypeChoice, ToleranceSetting {
    int planet = 0;
    int type = 0;
    int tolerance = 0;
    int PlanetIndex() const override { return planet; }
    int TypeIndex() const override { return type; }
    int Tolerance() const override { return tolerance; }
};

// Everything a run lets the world see.
struct Seen {
    std::string end;
    std::string messages;
    std::optional<std::string> clipboard;
    std::string currentRecord;
    int position = 0;
    std::string labels; // every label and the diameter box, as the window would show them
    bool operator==(const Seen&) const = default;
};

using Command = std::function<std::string(cli::Session&, const ScanPorts&)>;

Seen Observe(const cli::Invocation& invocation, int start, const Command& command) {
    std::ostringstream err;
    cli::Session session(invocation, err);
    session.answerYesNo = [asked = 0](const std::string&) mutable { return ++asked < 3; };
    Seen seen;
    try {
        session.Open();
        session.ShowAt(start);
        seen.end = command(session, session.Ports());
    } catch (const Error& e) {
        seen.end = std::string("error: ") + e.what();
    }
    seen.messages = err.str();
    seen.clipboard = session.ClipboardText();
    seen.currentRecord = session.Database().CurrentRecord();
    seen.position = session.Position();
    const LabelTexts& labels = session.Labels();
    for (const std::string& value : labels.values) {
        seen.labels += value + "\n";
    }
    seen.labels += labels.diameterBox;
    return seen;
}

std::string EndText(ScanEnd end) {
    return std::to_string(static_cast<int>(end));
}

std::string SearchText(SearchOutcome outcome, const SearchState& state) {
    return std::to_string(static_cast<int>(outcome)) + " at " +
           std::to_string(state.SearchPosition) + (state.SearchForward ? " forward" : " backward");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::string& folder = fuzz::ScratchFolder();
    const bool all = provider.ConsumeBool();
    const bool withNames = provider.ConsumeBool();
    const int start = provider.ConsumeIntegralInRange(0, 24);
    Settings settings;
    settings.planet = provider.ConsumeIntegralInRange(-1, 9);
    settings.type = provider.ConsumeIntegralInRange(-1, 7);
    settings.tolerance = provider.ConsumeIntegralInRange(0, 200);
    const auto label =
        static_cast<ValueLabel>(provider.ConsumeIntegralInRange<int>(0, kValueLabelCount - 1));
    const bool backward = provider.ConsumeBool();
    // 0: the file as it stands; 1 to 4: its records in one of the four formats.
    const int format = provider.ConsumeIntegralInRange(0, 4);
    const std::string text = provider.ConsumeRandomLengthString(8);
    std::string astorb = provider.ConsumeRemainingBytesAsString();
    if (format > 0) {
        astorb = fuzz::Relay(astorb, fuzz::kFileFormats[static_cast<std::size_t>(format - 1)]);
    }
    if (astorb.size() < static_cast<std::size_t>(RecordLength)) {
        return 0;
    }
    SetDecimalSeparator('.');
    fuzz::WriteFile(folder + "/AstOrb.dat", astorb);
    if (withNames) {
        fuzz::WriteFile(folder + "/Diacriticals.txt",
                        "h\r\nh\r\nh\r\n      1                      C\\'er\\`es\r\n"
                        "      3                      J\\\"uno\r\n");
    }
    cli::Invocation invocation;
    invocation.command = "scan";
    invocation.positionals = {folder};
    if (all) {
        invocation.switches.insert("--all");
    }
    if (withNames) {
        invocation.options["--diacriticals"] = folder;
    }

    const std::vector<std::pair<Command, Command>> pairs{
        {[&](cli::Session&, const ScanPorts& p) {
             return EndText(ExtractOrbitTypeList(p, settings));
         },
         [&](cli::Session&, const ScanPorts& p) {
             return EndText(ExtractOrbitTypeListPlain(p, settings));
         }},
        {[&](cli::Session&, const ScanPorts& p) { return EndText(ExtractFamily(p, settings)); },
         [&](cli::Session&, const ScanPorts& p) {
             return EndText(ExtractFamilyPlain(p, settings));
         }},
        {[](cli::Session&, const ScanPorts& p) { return EndText(ExtractNames(p)); },
         [](cli::Session&, const ScanPorts& p) { return EndText(ExtractNamesPlain(p)); }},
        {[](cli::Session&, const ScanPorts& p) { return EndText(ScanHighestInclination(p)); },
         [](cli::Session&, const ScanPorts& p) { return EndText(ScanHighestInclinationPlain(p)); }},
    };
    for (const auto& [quick, plain] : pairs) {
        Check(Observe(invocation, start, quick) == Observe(invocation, start, plain),
              "a quick scan differs from its plain form");
    }

    const auto search = [&](bool quick) {
        return [&, quick](cli::Session& session, const ScanPorts&) {
            SearchState state;
            state.SearchText = Cp1252ToUtf16(text);
            state.SearchLabel = label;
            state.SearchForward = !backward;
            state.AgainEnabled = true;
            const SearchContext context{
                session.Database(), session.Names(), session, session, session, session};
            const SearchOutcome outcome =
                quick ? FindNext(state, context) : FindNextPlain(state, context);
            return SearchText(outcome, state);
        };
    };
    Check(Observe(invocation, start, search(true)) == Observe(invocation, start, search(false)),
          "the quick search differs from its plain form");
    if (withNames) {
        std::filesystem::remove(folder + "/Diacriticals.txt");
    }
    return 0;
}
