// The runtime's messages that the core raises, each thrown as the core's one exception type
// (text/error.h).
#pragma once

#include "text/error.h"

#include <string>
#include <string_view>

namespace quorvane {

// The runtime's messages, "%s" filled in. Texts taken from records are Windows-1252 and are
// converted to UTF-8 here; paths and value names are already UTF-8.
[[noreturn]] void RaiseNotAnInteger(std::string_view cp1252Text);
[[noreturn]] void RaiseNotAFloat(std::string_view cp1252Text);
[[noreturn]] void RaiseNotADate(std::string_view cp1252Text);
[[noreturn]] void RaiseCannotOpen(const std::string& path, const std::string& reason);
[[noreturn]] void RaiseCannotCreate(const std::string& path, const std::string& reason);
[[noreturn]] void RaiseScrollBarOutOfRange();
[[noreturn]] void RaiseSettingsWriteFailed(const std::string& valueName);
[[noreturn]] void RaiseSettingsWrongType(const std::string& valueName);
[[noreturn]] void RaiseFloatDivisionByZero();
[[noreturn]] void RaiseInvalidFloatOperation();
[[noreturn]] void RaiseListIndexOutOfBounds(int index);

// The text the general error report shows: a period is added when the last character sorts
// after ".".
std::string ReportText(const std::string& utf8Message);

} // namespace quorvane
