#include "text/xml_text.h"

#include <cstdint>

namespace quorvane {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The length of the well-formed UTF-8 sequence of an allowed character at the start of `text`;
// 0 when there is none.
std::size_t AllowedSequence(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead < 0x80) {
        return lead >= 0x20 || lead == '\t' || lead == '\n' || lead == '\r' ? 1 : 0;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1FU;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0FU;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07U;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0U) != 0x80U) {
            return 0;
        }
        code = (code << 6) | (byte(i) & 0x3FU);
    }
    constexpr std::uint32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
    const bool overlong = code < kSmallest[length];
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    const bool nonCharacter = code == 0xFFFE || code == 0xFFFF;
    return overlong || surrogate || nonCharacter || code > 0x10FFFF ? 0 : length;
}

} // namespace

void AppendXmlEscaped(std::string& out, std::string_view utf8) {
    while (!utf8.empty()) {
        const std::size_t length = AllowedSequence(utf8);
        if (length == 0) {
            out += kReplacement;
            utf8.remove_prefix(1);
            continue;
        }
        switch (utf8[0]) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out.append(utf8.substr(0, length));
        }
        utf8.remove_prefix(length);
    }
}

} // namespace quorvane
