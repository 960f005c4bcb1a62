#include "cli/cli.h"

#include <clocale>
#include <iostream>

int main(int argc, char** argv) {
    // The regional decimal separator at start-up; every conversion after this is our own.
    std::setlocale(LC_NUMERIC, "");
    const char* point = std::localeconv()->decimal_point;
    const char separator =
        (point != nullptr && point[0] != '\0' && point[1] == '\0') ? point[0] : '.';
    std::setlocale(LC_NUMERIC, "C");

    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = quorvane::cli::Run(args, std::cout, std::cerr, separator);
    std::cout.flush();
    return status;
}
