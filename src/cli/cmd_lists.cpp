#include "astorb/error.h"
#include "cli/session.h"

namespace quorvane::cli {

int RunSpecial(Session&, std::ostream&) {
    throw Error("this command is not built yet");
}

int RunFamily(Session&, std::ostream&) {
    throw Error("this command is not built yet");
}

int RunNames(Session&, std::ostream&) {
    throw Error("this command is not built yet");
}

int RunInclination(Session&, std::ostream&) {
    throw Error("this command is not built yet");
}

} // namespace quorvane::cli
