// The quick whole-database scans and the quick field search against their plain forms on a
// fuzzed AstOrb.dat, taken as it stands or with its records written again in either layout with
// either line end: the result, the messages, the clipboard, the browser position and the shared
// record must all be the same, errors included.
#include "fuzz_astorb.h"
#include "fuzz_support.h"

#include "astorb/error.h"
#include "astorb/numbers.h"
#include "astorb/record.h"
#include "cli/session.h"
#include "lists/family.h"
#include "lists/inclination.h"
#include "lists/names.h"
#include "lists/orbit_type.h"
#include "reference/plain_scans.h"
#include "reference/plain_search.h"
#include "reference/plain_window.h"
#include "search/search.h"
#include "text/cp1252.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <filesystem>
#include <functional>
#include <sstream>

using namespace quorvane;
using quorvane::fuzz::Check;

namespace {

constexpr NumberFormat kPoint{'.'};

struct Settings {
    int planet = 0;
    int type = 0;
    int tolerance = 0;
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

std::string LabelsText(const LabelTexts& labels) {
    std::string text;
    for (const std::string& value : labels.values) {
        text += value + "\n";
    }
    return text + labels.diameterBox;
}

// The product's scans as the command line applies their outcomes.
using Command = std::function<std::string(cli::Session&)>;
// The plain scans, on ports over the same session's database.
using PlainCommand = std::function<std::string(PlainWindow&)>;

Seen Observe(const cli::Invocation& invocation, int start, const Command& command) {
    std::ostringstream err;
    cli::Session session(invocation, err, kPoint);
    Seen seen;
    try {
        session.Open();
        session.ShowAt(start);
        seen.end = command(session);
    } catch (const Error& e) {
        seen.end = std::string("error: ") + e.what();
    }
    seen.messages = err.str();
    seen.clipboard = session.ClipboardText();
    seen.currentRecord = session.Database().CurrentRecord();
    seen.position = session.Position();
    seen.labels = LabelsText(session.Labels());
    return seen;
}

Seen ObservePlain(const cli::Invocation& invocation, int start, const Settings& settings,
                  const PlainCommand& command) {
    std::ostringstream err;
    cli::Session session(invocation, err, kPoint);
    Seen seen;
    std::optional<PlainWindow> window;
    try {
        session.Open();
        session.ShowAt(start);
        window.emplace(session.Database(), session.Names());
        window->position = session.Position();
        window->maximum = session.Range().maximum;
        window->numberedOnly = session.IsNumberedOnly();
        window->planet = settings.planet;
        window->type = settings.type;
        window->tolerance = settings.tolerance;
        window->numbers = session.Numbers();
        window->answer = [asked = 0](const std::string&) mutable { return ++asked < 3; };
        window->labels = session.Labels();
        seen.end = command(*window);
    } catch (const Error& e) {
        seen.end = std::string("error: ") + e.what();
    }
    seen.messages = err.str() + (window ? window->messages : "");
    seen.currentRecord = session.Database().CurrentRecord();
    if (window) {
        seen.clipboard = window->clipboard;
        seen.position = window->position;
        seen.labels = LabelsText(window->labels);
    } else {
        seen.clipboard = session.ClipboardText();
        seen.position = session.Position();
        seen.labels = LabelsText(session.Labels());
    }
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

    const auto ended = [](const ScanOutcome& outcome) { return EndText(outcome.end); };
    const std::vector<std::pair<Command, PlainCommand>> pairs{
        {[&](cli::Session& session) {
             ScanOutcome outcome = ExtractOrbitTypeList(
                 session.Database(), session.Names(),
                 {settings.planet, settings.type, session.IsNumberedOnly(), session.Range()},
                 session.Numbers());
             session.Apply(outcome);
             return ended(outcome);
         },
         [&](PlainWindow& w) { return EndText(ExtractOrbitTypeListPlain(w.Ports(), w)); }},
        {[&](cli::Session& session) {
             // Three passes, as the plain form's answers ask.
             FamilySearch search(session.Database(), session.Position(), session.Numbers());
             ScanOutcome start = search.Start(session.Names(), settings.tolerance);
             if (!session.Apply(start)) {
                 return ended(start);
             }
             for (int pass = 1; pass <= 3; ++pass) {
                 ScanOutcome outcome = search.RunPass({settings.tolerance, session.IsNumberedOnly(),
                                                       session.Range(), session.Names()});
                 if (!session.Apply(outcome)) {
                     return ended(outcome);
                 }
             }
             ScanOutcome done = search.Finish();
             session.Apply(done);
             return ended(done);
         },
         [&](PlainWindow& w) { return EndText(ExtractFamilyPlain(w.Ports(), w)); }},
        {[&](cli::Session& session) {
             ScanOutcome outcome =
                 ExtractNames(session.Database(), session.Names(), session.Range(),
                              [&session] { return session.Names(); });
             session.Apply(outcome);
             return ended(outcome);
         },
         [](PlainWindow& w) { return EndText(ExtractNamesPlain(w.Ports())); }},
        {[&](cli::Session& session) {
             ScanOutcome outcome = ScanHighestInclination(
                 session.Database(), session.Range(), session.IsNumberedOnly(), session.Numbers());
             session.Apply(outcome);
             return ended(outcome);
         },
         [](PlainWindow& w) { return EndText(ScanHighestInclinationPlain(w.Ports())); }},
    };
    for (const auto& [quick, plain] : pairs) {
        Check(Observe(invocation, start, quick) == ObservePlain(invocation, start, settings, plain),
              "a quick scan differs from its plain form");
    }

    // The search as F3 runs it: the browser moved to the record found or the message.
    const auto search = [&](bool quick) {
        return [&, quick](cli::Session& session) {
            SearchState state;
            state.SearchText = Cp1252ToUtf16(text);
            state.SearchLabel = label;
            state.SearchForward = !backward;
            state.AgainEnabled = true;
            const SearchContext context{session.Database(), session.Names(), session.Range(),
                                        session.IsNumberedOnly()};
            const SearchOutcome outcome =
                quick ? FindNext(state, context) : FindNextPlain(state, context);
            if (outcome == SearchOutcome::Found) {
                session.SetPosition(state.SearchPosition);
            } else if (outcome == SearchOutcome::NotFound) {
                session.Inform(std::string(kNoMoreOccurrences));
            }
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
