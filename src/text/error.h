// The one exception type of the core: it carries the user's message, filled in, as UTF-8. It
// lives in the bottom folder so that every folder of the core raises it, the text of a list
// included.
#pragma once

#include <stdexcept>
#include <string>

namespace quorvane {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace quorvane
