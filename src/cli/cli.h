// quorvane-cli: the command-line companion, callable in-process.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quorvane::cli {

// Runs one command line (without the program name). `localeSeparator` is the regional decimal
// separator at start-up, used unless --decimal-separator is given. Returns the exit status: 0,
// 1 for an error or a search that found nothing, 2 for a bad command line.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        char localeSeparator = '.');

} // namespace quorvane::cli
