#include "cli/session.h"
#include "search/search.h"
#include "text/cp1252.h"

#include <ostream>

namespace quorvane::cli {

namespace {

// --field names the value label searched as the window names it ("Diam", from lblDiamVal);
// "Diameter", the record field's name, is accepted as well.
std::optional<ValueLabel> LabelOfField(const std::string& name) {
    if (name == "Diameter") {
        return ValueLabel::Diam;
    }
    return ValueLabelOfField(name);
}

} // namespace

// The search as F3 (or Shift+F3 with --backward) repeats it once the text is confirmed for the
// label: from the record at INDEX, which is shown and not examined.
int RunFind(Session& session, std::ostream& out) {
    const std::string field = session.Args().Option("--field").value_or("");
    const std::optional<ValueLabel> label = LabelOfField(field);
    if (!label) {
        throw UsageError("--field must be one of Number, Name, NameUnicode, H, G, BVColour, "
                         "Diameter (or Diam), IRASClass, Epoch, MeanAnomaly, ArgPerihelion, "
                         "AscNode, Inclination, Eccentricity, SemiMajorAxis, Aten, Apollo, Amor, "
                         "MarsCrosser, OuterCrosser: " +
                         field);
    }
    Model& model = session.Workspace();
    CommandResult shown = model.ShowAt(session.IndexArgument());
    session.Take(shown);
    model.RepeatSearch(*label, Utf8ToUtf16(session.Args().Option("--text").value_or("")));
    CommandResult result = model.FindAgain(
        session.Args().Has("--backward") ? Model::Direction::Backwards : Model::Direction::Forwards,
        session.IsNumberedOnly());
    session.Take(result);
    if (result.end != CommandEnd::Finished) {
        return 1;
    }
    out << model.Browser().position << '\n';
    return 0;
}

} // namespace quorvane::cli
