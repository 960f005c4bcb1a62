// Runs quorvane-cli in-process and keeps both streams and the exit status.
#pragma once

#include "astorb/numbers.h"
#include "cli/cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace quorvane::test {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

// The command line sets the process-wide decimal separator; it is put back afterwards so that
// the next test does not inherit it.
inline CliResult RunCli(const std::vector<std::string>& args) {
    const char saved = DecimalSeparator();
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::Run(args, out, err);
    SetDecimalSeparator(saved);
    return {status, out.str(), err.str()};
}

} // namespace quorvane::test
