#include "astorb/numbers.h"
#include "cli/session.h"

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
    const int planet = ItemIndex(kPlanetNames, session, "--planet");
    const int type = ItemIndex(kTypeNames, session, "--type");
    CommandResult result =
        session.Workspace().OrbitTypeList(planet, type, session.IsNumberedOnly());
    return ListOutcome(session.Take(result), session, out);
}

int RunFamily(Session& session, std::ostream& out) {
    const int seed = session.IndexArgument();
    const FamilyControls controls{NumberOption(session, "--tolerance", 0, kMaxTolerance),
                                  session.IsNumberedOnly()};
    // Without --passes, passes repeat until one adds nothing.
    std::optional<int> passes;
    if (session.Args().Option("--passes")) {
        passes = NumberOption(session, "--passes", 1, std::numeric_limits<int>::max());
    }
    Model& model = session.Workspace();
    CommandResult shown = model.ShowAt(seed);
    session.Take(shown);
    int run = 0;
    CommandResult result =
        model.Family(controls, [&](const CommandResult& pass) -> std::optional<FamilyControls> {
            session.Inform(pass.message);
            ++run;
            if (passes ? run >= *passes : pass.count == 0) {
                return std::nullopt;
            }
            return controls;
        });
    return ListOutcome(session.Take(result), session, out);
}

int RunNames(Session& session, std::ostream& out) {
    CommandResult result = session.Workspace().ExtractNames([] {});
    return ListOutcome(session.Take(result), session, out);
}

int RunInclination(Session& session, std::ostream& out) {
    Model& model = session.Workspace();
    CommandResult shown = model.ShowAt(session.IndexArgument());
    session.Take(shown);
    CommandResult result = model.HighestInclination(session.IsNumberedOnly());
    session.Take(result);
    out << model.Browser().position << '\n';
    return 0;
}

} // namespace quorvane::cli
