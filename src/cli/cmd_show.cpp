#include "cli/session.h"
#include "text/cp1252.h"

#include <ostream>

namespace quorvane::cli {

int RunShow(Session& session, std::ostream& out) {
    session.ShowAt(session.IndexArgument());
    const LabelTexts& labels = session.Labels();
    for (const ValueLabelInfo& info : kValueLabels) {
        if (info.label == ValueLabel::NameUnicode) {
            if (session.Names() != nullptr) {
                out << "Name (accents): " << Utf16ToUtf8(labels.nameUnicode) << '\n';
            }
            continue;
        }
        out << info.caption << ' ' << Cp1252ToUtf8(labels.Value(info.label)) << '\n';
    }
    return 0;
}

} // namespace quorvane::cli
