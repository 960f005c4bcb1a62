// Conversions between Windows-1252 bytes (the records and every output), UTF-16 (names with
// accents, the search text) and UTF-8 (the terminal, file paths, messages).
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

std::u16string Cp1252ToUtf16(std::string_view bytes);
// The same into `out`, which has room for bytes.size() units: every byte is one unit.
void Cp1252ToUtf16(std::string_view bytes, char16_t* out);

// Letters that Windows-1252 lacks become the same letter without its accent where there is one
// (ř to r, Ł to L), anything else "?": nothing is dropped, one UTF-16 character (or surrogate
// pair) gives one byte.
std::string Utf16ToCp1252(std::u16string_view text);

std::string Cp1252ToUtf8(std::string_view bytes);
std::string Utf8ToCp1252(std::string_view utf8);

// Malformed UTF-8 becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view text);

// Upper case within Windows-1252, as the locale's rules do it for that code page: a-z, the
// accented letters of the upper half (é to É), š, œ, ž and ÿ; ß and µ stay as they are.
char Cp1252ToUpper(char c);
std::string Cp1252UpperCase(std::string_view bytes);

} // namespace quorvane
