#include "text/cp1252.h"

#include <array>

namespace quorvane {

namespace {

// Code points of the bytes 0x80 to 0x9F; the five bytes that Windows-1252 leaves undefined map
// to the C1 control of the same value, as the system conversion does.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Base letters of U+0100 to U+017F (Latin Extended-A); '?' where there is none. The letters that
// Windows-1252 holds (Œ, œ, Š, š, Ÿ, Ž, ž) are found before this table is consulted.
constexpr std::string_view kLatinExtendedABase = "AaAaAaCcCcCcCcDd"
                                                 "DdEeEeEeEeEeGgGg"
                                                 "GgGgHhHhIiIiIiIi"
                                                 "Ii??JjKk?LlLlLlL"
                                                 "lLlNnNnNnnNnOoOo"
                                                 "Oo??RrRrRrSsSsSs"
                                                 "??TtTtTtUuUuUuUu"
                                                 "UuUuWwYy?ZzZz??s";

char BestFit(char32_t c) {
    if (c >= 0x100 && c <= 0x17F) {
        return kLatinExtendedABase[c - 0x100];
    }
    switch (c) {
    case 0x0218:
        return 'S';
    case 0x0219:
        return 's';
    case 0x021A:
        return 'T';
    case 0x021B:
        return 't';
    case 0x01CD:
        return 'A';
    case 0x01CE:
        return 'a';
    case 0x01CF:
        return 'I';
    case 0x01D0:
        return 'i';
    case 0x01D1:
        return 'O';
    case 0x01D2:
        return 'o';
    case 0x01D3:
        return 'U';
    case 0x01D4:
        return 'u';
    default:
        return '?';
    }
}

char EncodeOne(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return BestFit(c);
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
}

char32_t DecodeCp1252(unsigned char b) {
    return (b >= 0x80 && b < 0xA0) ? kHighControls[b - 0x80] : b;
}

// Reads one code point from UTF-16 at i, advancing i; a lone surrogate stands for itself.
char32_t NextUtf16(std::u16string_view text, std::size_t& i) {
    const char32_t c = text[i++];
    if (c >= 0xD800 && c < 0xDC00 && i < text.size() && text[i] >= 0xDC00 && text[i] < 0xE000) {
        return 0x10000 + ((c - 0xD800) << 10) + (text[i++] - 0xDC00);
    }
    return c;
}

// Reads one code point from UTF-8 at i, advancing i; malformed input gives U+FFFD.
char32_t NextUtf8(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i++]);
    if (b0 < 0x80) {
        return b0;
    }
    int extra = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        c = b0 & 0x1F;
        minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        c = b0 & 0x0F;
        minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        c = b0 & 0x07;
        minimum = 0x10000;
    } else {
        return 0xFFFD;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            return 0xFFFD;
        }
        c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
        return 0xFFFD;
    }
    return c;
}

} // namespace

std::u16string Cp1252ToUtf16(std::string_view bytes) {
    std::u16string out(bytes.size(), u'\0');
    Cp1252ToUtf16(bytes, out.data());
    return out;
}

void Cp1252ToUtf16(std::string_view bytes, char16_t* out) {
    for (const char b : bytes) {
        *out++ = static_cast<char16_t>(DecodeCp1252(static_cast<unsigned char>(b)));
    }
}

std::string Utf16ToCp1252(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        out += EncodeOne(NextUtf16(text, i));
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        // ASCII stands for itself: copied a run at a time.
        std::size_t run = i;
        while (run < bytes.size() && static_cast<unsigned char>(bytes[run]) < 0x80) {
            ++run;
        }
        out.append(bytes.substr(i, run - i));
        if (run < bytes.size()) {
            AppendUtf8(out, DecodeCp1252(static_cast<unsigned char>(bytes[run])));
            ++run;
        }
        i = run;
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        out += EncodeOne(NextUtf8(utf8, i));
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        AppendUtf16(out, NextUtf8(utf8, i));
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        AppendUtf8(out, NextUtf16(text, i));
    }
    return out;
}

char Cp1252ToUpper(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z') {
        return static_cast<char>(b - 32);
    }
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) {
        return static_cast<char>(b - 32);
    }
    switch (b) {
    case 0x9A: // š
        return static_cast<char>(0x8A);
    case 0x9C: // œ
        return static_cast<char>(0x8C);
    case 0x9E: // ž
        return static_cast<char>(0x8E);
    case 0xFF: // ÿ
        return static_cast<char>(0x9F);
    default:
        return c;
    }
}

std::string Cp1252UpperCase(std::string_view bytes) {
    std::string out(bytes);
    for (char& c : out) {
        c = Cp1252ToUpper(c);
    }
    return out;
}

} // namespace quorvane
