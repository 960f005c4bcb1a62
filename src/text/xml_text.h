// UTF-8 text made safe for an XML file: the markup characters escaped and the characters XML 1.0
// does not allow replaced, so that names taken from records and Diacriticals.txt never break
// the document they are written into.
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// Appends `utf8` to `out` with &, <, > and " escaped (fit for element text and for attribute
// values in double quotes). Control characters other than tab, line feed and carriage return,
// malformed UTF-8, surrogates, U+FFFE and U+FFFF become U+FFFD.
void AppendXmlEscaped(std::string& out, std::string_view utf8);

} // namespace quorvane
