#include "cli/session.h"
#include "text/cp1252.h"

#include <ostream>

namespace quorvane::cli {

int RunShow(Session& session, std::ostream& out) {
    Model& model = session.Workspace();
    CommandResult shown = model.ShowAt(session.IndexArgument());
    session.Take(shown);
    const RecordDisplay& display = model.Display();
    for (const ValueLabelInfo& info : kValueLabels) {
        if (info.label == ValueLabel::NameUnicode) {
            if (model.Names() != nullptr) {
                out << "Name (accents): " << Utf16ToUtf8(display.nameUnicode) << '\n';
            }
            continue;
        }
        out << info.caption << ' ' << Cp1252ToUtf8(display.Value(info.label)) << '\n';
    }
    return 0;
}

} // namespace quorvane::cli
