// The quick whole-database scans and the quick field search, run on the model as the window runs
// them, against their plain forms driving the same fake window, on a fuzzed AstOrb.dat taken as
// it stands or with its records written again in either layout with either line end: the result,
// the messages and questions, what the window shows at each of them and at the end, the clipboard
// and the shared record must all be the same, errors included.
#include "fuzz_astorb.h"
#include "fuzz_support.h"

#include "astorb/error.h"
#include "astorb/numbers.h"
#include "astorb/record.h"
#include "reference/fake_window.h"
#include "reference/plain_scans.h"
#include "reference/plain_search.h"
#include "search/search.h"
#include "text/cp1252.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <filesystem>
#include <functional>

using namespace quorvane;
using quorvane::fuzz::Check;

namespace {

// How the window stands before the command.
struct Settings {
    bool numberedOnly = true;
    bool withNames = false;
    int start = 0;
    int planet = 0;
    int type = 0;
    int tolerance = 0;
};

// Everything a run lets the world see.
struct Seen {
    std::string end;
    std::vector<std::string> log; // as FakeWindow::WatchInto keeps it
    std::string shown;            // what the window shows at the end, the shared record included
    std::optional<std::string> clipboard;
    bool windowEnabled = true;
    bool operator==(const Seen&) const = default;
};

using Command = std::function<std::string(FakeWindow&)>;

Seen Observe(const std::string& folder, const Settings& settings, const Command& command) {
    FakeWindow window;
    window.numberedOnly = settings.numberedOnly;
    window.planet = settings.planet;
    window.type = settings.type;
    window.tolerance = settings.tolerance;
    window.answers = {true, true, false}; // three family passes
    Seen seen;
    try {
        window.Open(folder + "/AstOrb.dat", AfterOpen::ShowNothing);
        if (settings.withNames) {
            window.LoadNames(folder);
        }
        // The display of the start may raise: the window reports it and the user goes on.
        window.model.ShowAt(settings.start);
        window.WatchInto(seen.log);
        seen.end = command(window);
    } catch (const Error& e) {
        seen.end = std::string("error: ") + e.what();
    }
    seen.shown = window.Shown();
    seen.clipboard = window.clipboard;
    seen.windowEnabled = window.windowEnabled;
    return seen;
}

std::string EndText(CommandEnd end) {
    return std::to_string(static_cast<int>(end));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::string& folder = fuzz::ScratchFolder();
    Settings settings;
    settings.numberedOnly = !provider.ConsumeBool();
    settings.withNames = provider.ConsumeBool();
    settings.start = provider.ConsumeIntegralInRange(0, 24);
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
    if (settings.withNames) {
        fuzz::WriteFile(folder + "/Diacriticals.txt",
                        "h\r\nh\r\nh\r\n      1                      C\\'er\\`es\r\n"
                        "      3                      J\\\"uno\r\n");
    }

    const std::vector<std::pair<Command, Command>> pairs{
        {[](FakeWindow& w) { return EndText(w.RunSpecial()); },
         [](FakeWindow& w) { return EndText(WindowEnd(ExtractOrbitTypeListPlain(w.Ports(), w))); }},
        {[](FakeWindow& w) { return EndText(w.RunFamily()); },
         [](FakeWindow& w) { return EndText(WindowEnd(ExtractFamilyPlain(w.Ports(), w))); }},
        {[](FakeWindow& w) { return EndText(w.RunNames()); },
         [](FakeWindow& w) { return EndText(WindowEnd(ExtractNamesPlain(w.Ports()))); }},
        {[](FakeWindow& w) { return EndText(w.RunInclination()); },
         [](FakeWindow& w) { return EndText(WindowEnd(ScanHighestInclinationPlain(w.Ports()))); }},
    };
    for (const auto& [quick, plain] : pairs) {
        Check(Observe(folder, settings, quick) == Observe(folder, settings, plain),
              "a quick scan differs from its plain form");
    }

    // The search as F3 (or Shift+F3) runs it, once the label and text are set; then where the
    // search stopped.
    const std::u16string searched = Cp1252ToUtf16(text);
    const auto direction = backward ? Model::Direction::Backwards : Model::Direction::Forwards;
    const Command quickSearch = [&](FakeWindow& w) {
        w.model.RepeatSearch(label, searched);
        const CommandEnd end = w.RunFindAgain(direction);
        return EndText(end) + " at " + std::to_string(w.model.Search().SearchPosition);
    };
    const Command plainSearch = [&](FakeWindow& w) {
        SearchState state;
        state.SearchText = searched;
        state.SearchLabel = label;
        state.SearchForward = !backward;
        state.AgainEnabled = true;
        const SearchOutcome outcome = FindAgainPlain(state, w.Ports());
        return EndText(WindowEnd(outcome)) + " at " + std::to_string(state.SearchPosition);
    };
    Check(Observe(folder, settings, quickSearch) == Observe(folder, settings, plainSearch),
          "the quick search differs from its plain form");
    if (settings.withNames) {
        std::filesystem::remove(folder + "/Diacriticals.txt");
    }
    return 0;
}
