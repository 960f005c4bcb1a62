// The two TeX-accent tables and the conversion of a name written with TeX accents.
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// Converts TeX accent sequences: first the Latin-1 table on the 8-bit text, then the extended
// table, as HTML entities (then decoded from Windows-1252) or as Unicode characters.
std::u16string ConvertTexAccents(std::string_view texName, bool htmlEntities);

} // namespace quorvane
