// UTF-8 text escaped for XML: markup characters, and what XML 1.0 does not allow at all.
#include "text/xml_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvane {
namespace {

TEST(XmlText, EscapesMarkupAndReplacesWhatXmlForbids) {
    // Expected values by hand from the XML 1.0 Char production and UTF-8's well-formed sequences.
    struct Row {
        const char* name;
        std::string text;
        std::string escaped;
    };
    const Row rows[] = {
        {"plain text", "221 Eos", "221 Eos"},
        {"markup characters", "a & b < c > d \"e\" 'f'",
         "a &amp; b &lt; c &gt; d &quot;e&quot; 'f'"},
        {"accents and a letter outside Latin-1 kept", "Dana\xC3\xAB Ko\xC4\x8Dka",
         "Dana\xC3\xAB Ko\xC4\x8Dka"},
        {"four-byte character kept", "\xF0\x9F\x8C\x91", "\xF0\x9F\x8C\x91"},
        {"tab, line feed and carriage return kept", "a\tb\nc\rd", "a\tb\nc\rd"},
        {"other control characters",
         std::string("a\x01"
                     "b\x1F"
                     "c\0d",
                     7),
         "a\xEF\xBF\xBD"
         "b\xEF\xBF\xBD"
         "c\xEF\xBF\xBD"
         "d"},
        {"a lone continuation byte", "a\x80z", "a\xEF\xBF\xBDz"},
        {"a truncated sequence at the end", "a\xC3", "a\xEF\xBF\xBD"},
        {"an overlong form", "\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"a surrogate", "\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"U+FFFE and U+FFFF", "\xEF\xBF\xBE\xEF\xBF\xBF",
         "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"empty", "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string out = "<";
        AppendXmlEscaped(out, row.text);
        EXPECT_EQ(out, "<" + row.escaped);
    }
}

} // namespace
} // namespace quorvane
