// Runs quorvane-cli in-process and keeps both streams and the exit status.
#pragma once

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

inline CliResult RunCli(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::Run(args, out, err);
    return {status, out.str(), err.str()};
}

} // namespace quorvane::test
