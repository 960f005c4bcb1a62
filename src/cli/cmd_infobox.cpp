#include "cli/session.h"
#include "infobox/infobox.h"
#include "text/cp1252.h"

#include <ostream>
#include <utility>

namespace quorvane::cli {

namespace {

InfoboxLanguage LanguageOption(const std::string& lang) {
    if (lang == "fr") {
        return InfoboxLanguage::French;
    }
    if (lang == "en") {
        return InfoboxLanguage::English;
    }
    throw UsageError("--lang must be fr or en: " + lang);
}

} // namespace

int RunInfobox(Session& session, std::ostream& out) {
    const InfoboxLanguage language = LanguageOption(session.Args().Option("--lang").value_or(""));
    Model& model = session.Workspace();
    // Showing the record fills the diameter box with its IRAS diameter text, as in the window.
    CommandResult shown = model.ShowAt(session.IndexArgument());
    session.Take(shown);
    // The command line is UTF-8; the boxes hold Windows-1252 text, as the window's do.
    const std::pair<const char*, Parameter> boxes[] = {
        {"--diameter", Parameter::Diameter},
        {"--albedo", Parameter::Albedo},
        {"--density", Parameter::Density},
    };
    for (const auto& [option, parameter] : boxes) {
        if (const auto given = session.Args().Option(option)) {
            model.SetParameterText(parameter, Utf8ToCp1252(*given));
        }
    }
    CommandResult infobox = model.Infobox(language);
    session.Take(infobox);
    session.WriteClipboard(out);
    return 0;
}

} // namespace quorvane::cli
