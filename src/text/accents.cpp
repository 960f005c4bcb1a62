#include "text/accents.h"

#include "text/cp1252.h"

namespace quorvane {

namespace {

// `keepBefore`: an occurrence that begins this longer sequence is copied unchanged.
template <typename Char>
std::basic_string<Char>
Replace(std::basic_string_view<Char> text, std::basic_string_view<Char> sequence,
        std::basic_string_view<Char> replacement, std::basic_string_view<Char> keepBefore = {}) {
    if (sequence.empty()) {
        return std::basic_string<Char>(text);
    }
    std::basic_string<Char> out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (auto at = text.find(sequence); at != text.npos; at = text.find(sequence, from)) {
        out.append(text.substr(from, at - from));
        if (!keepBefore.empty() && text.substr(at).starts_with(keepBefore)) {
            out.append(sequence);
        } else {
            out.append(replacement);
        }
        from = at + sequence.size();
    }
    out.append(text.substr(from));
    return out;
}

std::u16string Widen(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

// The second-stage sequence that the 1-based first-stage row must leave whole, or none.
std::string_view KeptSequence(std::size_t latin1Row) {
    for (const KeptForSecondStage& kept : KeptForSecondStageRows) {
        if (static_cast<std::size_t>(kept.latin1Row) == latin1Row) {
            return ExtendedAccentTable[static_cast<std::size_t>(kept.extendedRow) - 1].sequence;
        }
    }
    return {};
}

std::string FirstStage(std::string_view texName) {
    std::string text(texName);
    for (std::size_t i = 0; i < Latin1AccentTable.size(); ++i) {
        const Latin1AccentRow& row = Latin1AccentTable[i];
        const std::string written = WrittenForm(row.sequence, row.thenBlank);
        const char letter = static_cast<char>(static_cast<unsigned char>(row.code));
        text = Replace<char>(text, written, std::string_view(&letter, 1), KeptSequence(i + 1));
    }
    return text;
}

} // namespace

std::string WrittenForm(std::string_view sequence, bool thenBlank) {
    std::string written(sequence);
    if (thenBlank) {
        written += ' ';
    }
    return written;
}

std::string ReplaceAll(std::string_view text, std::string_view sequence,
                       std::string_view replacement) {
    return Replace<char>(text, sequence, replacement);
}

std::u16string ReplaceAll(std::u16string_view text, std::u16string_view sequence,
                          std::u16string_view replacement) {
    return Replace<char16_t>(text, sequence, replacement);
}

std::u16string ConvertTexAccents(std::string_view texName, bool htmlEntities) {
    const std::string latin1 = FirstStage(texName);
    if (htmlEntities) {
        std::string text = latin1;
        for (const ExtendedAccentRow& row : ExtendedAccentTable) {
            text = ReplaceAll(text, WrittenForm(row.sequence, row.thenBlank), row.entity);
        }
        return Cp1252ToUtf16(text);
    }
    std::u16string text = Cp1252ToUtf16(latin1);
    for (const ExtendedAccentRow& row : ExtendedAccentTable) {
        text = ReplaceAll(text, Widen(WrittenForm(row.sequence, row.thenBlank)),
                          std::u16string_view(&row.code, 1));
    }
    return text;
}

} // namespace quorvane
