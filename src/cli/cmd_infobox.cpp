#include "cli/session.h"
#include "infobox/infobox.h"
#include "text/cp1252.h"

#include <ostream>

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
    const int index = session.IndexArgument();
    // Showing the record fills the diameter box with its IRAS diameter text, as in the window.
    session.ShowAt(index);
    const LabelTexts& labels = session.Labels();
    // The command line is UTF-8; the boxes hold Windows-1252 text, as the window's do.
    const auto boxText = [&session](const std::string& option, const std::string& initial) {
        const auto given = session.Args().Option(option);
        return given ? Utf8ToCp1252(*given) : initial;
    };
    PlainParameterBox diameter(boxText("--diameter", labels.diameterBox));
    PlainParameterBox albedo(boxText("--albedo", "0.1"));
    PlainParameterBox density(boxText("--density", "2"));
    ParameterBoxes boxes{diameter, albedo, density, labels.Value(ValueLabel::Diam)};
    if (const std::optional<std::string> text =
            BuildInfobox(session.Database(), session.Names(), session.Position(), language, boxes,
                         session.Numbers())) {
        session.SetText(*text);
    }
    session.WriteClipboard(out);
    return 0;
}

} // namespace quorvane::cli
