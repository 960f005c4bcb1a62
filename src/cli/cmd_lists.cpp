#include "astorb/numbers.h"
#include "cli/session.h"
#include "lists/family.h"
#include "lists/inclination.h"
#include "lists/names.h"
#include "lists/orbit_type.h"

#include <array>
#include <limits>
#include <optional>
#include <ostream>
#include <string_view>

namespace quorvane::cli {

namespace {

// The --planet and --type values, in the order of the window's radio group items.
constexpr std::array<std::string_view, 9> kPlanetNames = {
    "mercury", "venus", "earth", "mars", "jupiter", "saturn", "uranus", "neptune", "pluto",
};
constexpr std::array<std::string_view, 7> kTypeNames = {
    "inner", "inner-grazer", "co-orbital", "crosser", "outer-grazer", "outer", "retrograde",
};

// The window's tolerance scroll bar runs from 0 to 200.
constexpr int kMaxTolerance = 200;

template <std::size_t N>
int ItemIndex(const std::array<std::string_view, N>& names, const Session& session,
              const std::string& option) {
    const std::string value = session.Args().Option(option).value_or("");
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == value) {
            return static_cast<int>(i);
        }
    }
    std::string known;
    for (const std::string_view name : names) {
        known += (known.empty() ? "" : "|") + std::string(name);
    }
    throw UsageError(option + " must be one of " + known + ": " + value);
}

// A whole number written with digits only, within [low, high].
int NumberOption(const Session& session, const std::string& option, int low, int high) {
    const std::string text = session.Args().Option(option).value_or("");
    const auto value = ParseInt(text);
    if (!value || text[0] == '+' || text[0] == '-' || *value < low || *value > high) {
        throw UsageError(option + " must be a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ": " + text);
    }
    return *value;
}

// What a list command prints: the clipboard text, or nothing when the scan ended on a failed
// read (exit status 1, as the window ends it without a word).
int ListOutcome(bool finished, const Session& session, std::ostream& out) {
    if (!finished) {
        return 1;
    }
    session.WriteClipboard(out);
    return 0;
}

} // namespace

int RunSpecial(Session& session, std::ostream& out) {
    OrbitTypeControls controls;
    controls.planetIndex = ItemIndex(kPlanetNames, session, "--planet");
    controls.typeIndex = ItemIndex(kTypeNames, session, "--type");
    controls.numberedOnly = session.IsNumberedOnly();
    controls.browser = session.Range();
    ScanOutcome outcome =
        ExtractOrbitTypeList(session.Database(), session.Names(), controls, session.Numbers());
    return ListOutcome(session.Apply(outcome), session, out);
}

int RunFamily(Session& session, std::ostream& out) {
    const int seed = session.IndexArgument();
    const int tolerance = NumberOption(session, "--tolerance", 0, kMaxTolerance);
    // Without --passes, passes repeat until one adds nothing.
    std::optional<int> passes;
    if (session.Args().Option("--passes")) {
        passes = NumberOption(session, "--passes", 1, std::numeric_limits<int>::max());
    }
    session.ShowAt(seed);
    FamilySearch search(session.Database(), seed, session.Numbers());
    ScanOutcome start = search.Start(session.Names(), tolerance);
    if (!session.Apply(start)) {
        return ListOutcome(false, session, out);
    }
    for (int run = 1;; ++run) {
        FamilyPassControls controls;
        controls.tolerance = tolerance;
        controls.numberedOnly = session.IsNumberedOnly();
        controls.browser = session.Range();
        controls.names = session.Names();
        ScanOutcome pass = search.RunPass(controls);
        if (!session.Apply(pass)) {
            return ListOutcome(false, session, out);
        }
        if (passes ? run >= *passes : pass.count == 0) {
            break;
        }
    }
    ScanOutcome done = search.Finish();
    return ListOutcome(session.Apply(done), session, out);
}

int RunNames(Session& session, std::ostream& out) {
    ScanOutcome outcome = ExtractNames(session.Database(), session.Names(), session.Range(),
                                       [&session] { return session.Names(); });
    return ListOutcome(session.Apply(outcome), session, out);
}

int RunInclination(Session& session, std::ostream& out) {
    session.ShowAt(session.IndexArgument());
    ScanOutcome outcome = ScanHighestInclination(session.Database(), session.Range(),
                                                 session.IsNumberedOnly(), session.Numbers());
    session.Apply(outcome);
    out << session.Position() << '\n';
    return 0;
}

} // namespace quorvane::cli
