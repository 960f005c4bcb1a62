// Text conversions at the window's edge: the core's Windows-1252 bytes and UTF-8 literals to and
// from Qt's strings.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace quorvane::app {

QString FromCp1252(const std::string& bytes);
std::string ToCp1252(const QString& text);
QString ToQString(std::string_view utf8);

} // namespace quorvane::app
