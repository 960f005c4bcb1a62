#include "astorb/error.h"
#include "astorb/numbers.h"
#include "cli/session.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
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

// --figure-lang: English unless "fr"; only beside --figure.
FigureLanguage FigureLanguageOption(const Session& session) {
    const std::optional<std::string> lang = session.Args().Option("--figure-lang");
    if (lang && !session.Args().Option("--figure")) {
        throw UsageError("--figure-lang goes with --figure");
    }
    if (!lang || *lang == "en") {
        return FigureLanguage::English;
    }
    if (*lang == "fr") {
        return FigureLanguage::French;
    }
    throw UsageError("--figure-lang must be fr or en: " + *lang);
}

// The figure's bytes into `path`, replacing what was there.
void WriteFigure(const std::string& path, const std::string& svg) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        RaiseCannotCreate(path, std::strerror(errno));
    }
    const bool written = std::fwrite(svg.data(), 1, svg.size(), file) == svg.size();
    const int writeError = errno;
    if (std::fclose(file) != 0 || !written) {
        RaiseCannotCreate(path, std::strerror(written ? errno : writeError));
    }
}

int RunFamily(Session& session, std::ostream& out) {
    const int seed = session.IndexArgument();
    const FigureLanguage figureLanguage = FigureLanguageOption(session);
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
    if (!session.Take(result)) {
        return ListOutcome(false, session, out);
    }
    // The figure first: one that cannot be written fails the command before any output.
    if (const std::optional<std::string> figure = session.Args().Option("--figure")) {
        const std::optional<std::string> svg = model.FamilyFigure(figureLanguage);
        if (!svg) {
            return 1;
        }
        WriteFigure(*figure, *svg);
    }
    return ListOutcome(true, session, out);
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
