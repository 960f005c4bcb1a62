#include "astorb/error.h"
#include "cli/session.h"

namespace quorvane::cli {

int RunInfobox(Session&, std::ostream&) {
    throw Error("this command is not built yet");
}

} // namespace quorvane::cli
