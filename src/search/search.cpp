#include "search/search.h"

#include "astorb/database.h"
#include "astorb/diacriticals.h"
#include "astorb/numbers.h"
#include "astorb/record.h"
#include "astorb/scanner.h"
#include "text/cp1252.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quorvane {

namespace {

enum class SearchKind {
    Text, // the field's text contains the search text, ignoring case
    Flag, // the flag bit is in the state the search text asks for
    Name, // the accented name contains the search text (the Name field without a names table)
};

struct SearchedField {
    ValueLabel label;
    SearchKind kind;
    Field field;
    std::int32_t bit;
};

// The labels in the order they are examined; the last row takes every label not matched before.
constexpr std::array<SearchedField, 20> kSearchedFields = {{
    {ValueLabel::Number, SearchKind::Text, Field::Number, 0},
    {ValueLabel::Name, SearchKind::Text, Field::Name, 0},
    {ValueLabel::NameUnicode, SearchKind::Name, Field::Name, 0},
    {ValueLabel::H, SearchKind::Text, Field::H, 0},
    {ValueLabel::G, SearchKind::Text, Field::G, 0},
    {ValueLabel::BVColour, SearchKind::Text, Field::BVColour, 0},
    {ValueLabel::Diam, SearchKind::Text, Field::Diameter, 0},
    {ValueLabel::IRASClass, SearchKind::Text, Field::IRASClass, 0},
    {ValueLabel::Epoch, SearchKind::Text, Field::Epoch, 0},
    {ValueLabel::MeanAnomaly, SearchKind::Text, Field::MeanAnomaly, 0},
    {ValueLabel::ArgPerihelion, SearchKind::Text, Field::ArgPerihelion, 0},
    {ValueLabel::AscNode, SearchKind::Text, Field::AscNode, 0},
    {ValueLabel::Inclination, SearchKind::Text, Field::Inclination, 0},
    {ValueLabel::Eccentricity, SearchKind::Text, Field::Eccentricity, 0},
    {ValueLabel::SemiMajorAxis, SearchKind::Text, Field::SemiMajorAxis, 0},
    {ValueLabel::Aten, SearchKind::Flag, Field::FlagCode, static_cast<std::int32_t>(Flag::Aten)},
    {ValueLabel::Apollo, SearchKind::Flag, Field::FlagCode,
     static_cast<std::int32_t>(Flag::Apollo)},
    {ValueLabel::Amor, SearchKind::Flag, Field::FlagCode, static_cast<std::int32_t>(Flag::Amor)},
    {ValueLabel::MarsCrosser, SearchKind::Flag, Field::FlagCode,
     static_cast<std::int32_t>(Flag::MarsCrosser)},
    {ValueLabel::OuterCrosser, SearchKind::Flag, Field::FlagCode,
     static_cast<std::int32_t>(Flag::OuterCrosser)},
}};

const SearchedField& SearchedFieldOf(std::optional<ValueLabel> label) {
    for (const SearchedField& row : kSearchedFields) {
        if (label && row.label == *label) {
            return row;
        }
    }
    return kSearchedFields.back();
}

// A plain substring test in which the empty text is contained in nothing.
bool Contains(std::string_view text, std::string_view sought) {
    return !sought.empty() && text.find(sought) != std::string_view::npos;
}

bool Contains(std::u16string_view text, std::u16string_view sought) {
    return !sought.empty() && text.find(sought) != std::u16string_view::npos;
}

// The flag state a text asks for: set when the text is one of the pieces of "Yes", in any case.
bool FlagWanted(const std::u16string& searchText) {
    return Contains("YES", Cp1252UpperCase(Utf16ToCp1252(searchText)));
}

// Text order ignoring case within Windows-1252; for right-aligned numbers of equal width this is
// numeric order.
int CompareIgnoringCase(std::string_view a, std::string_view b) {
    return std::string_view(Cp1252UpperCase(a)).compare(Cp1252UpperCase(b));
}

// A record's Number field as its characters stand.
std::string NumberAsStored(AstOrbRecord record) {
    return std::string(FieldChars(record, Field::Number));
}

// The entry's number as a field as wide as the records' Number field: the last `width` of
// characters 2 to 7 of a names-table line (characters 3 to 7 for five-column numbers).
std::string_view Key(const DiacriticalNames& names, std::size_t line, std::size_t width) {
    const std::string_view text = names.Line(line);
    const std::size_t first = 7 - width;
    return text.size() > first ? text.substr(first, width) : std::string_view();
}

const std::array<char, 256>& UpperCaseTable() {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> upper{};
        for (std::size_t c = 0; c < upper.size(); ++c) {
            upper[c] = Cp1252ToUpper(static_cast<char>(c));
        }
        return upper;
    }();
    return table;
}

// A field that holds no byte upper-casing to the search text's first character cannot contain
// it: most records are passed over on one look at the field's bytes, without trimming or
// upper-casing them. Only where that first character has few lower-case forms.
class FirstCharacterFilter {
public:
    FirstCharacterFilter(const std::string& sought, const std::array<char, 256>& toUpper) {
#if defined(__SSE2__)
        if (sought.empty()) {
            return;
        }
        std::array<char, kMaxForms> forms{};
        int count = 0;
        for (std::size_t c = 0; c < toUpper.size(); ++c) {
            if (toUpper[c] == sought[0]) {
                if (count == kMaxForms) {
                    return;
                }
                forms[static_cast<std::size_t>(count++)] = static_cast<char>(c);
            }
        }
        for (int k = 0; k < kMaxForms; ++k) {
            // Unused slots repeat the first form.
            forms_[k] = _mm_set1_epi8(forms[static_cast<std::size_t>(k < count ? k : 0)]);
        }
        active_ = count > 0;
#else
        (void)sought;
        (void)toUpper;
#endif
    }

    // False when none of the `field` columns of `record` can begin the search text, so the
    // record cannot match; true when the record must be looked at in full.
    bool MayContain(AstOrbRecord record, Field field) const {
#if defined(__SSE2__)
        const FieldColumns columns = ColumnsOf(record.layout, field);
        const auto first = static_cast<std::size_t>(columns.start - 1);
        if (!active_ || columns.width > 32 || first + 32 > record.text.size()) {
            return true;
        }
        const char* p = record.text.data() + first;
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16));
        __m128i lowHits = _mm_setzero_si128();
        __m128i highHits = _mm_setzero_si128();
        for (const __m128i& form : forms_) {
            lowHits = _mm_or_si128(lowHits, _mm_cmpeq_epi8(low, form));
            highHits = _mm_or_si128(highHits, _mm_cmpeq_epi8(high, form));
        }
        const auto hits = static_cast<std::uint32_t>(_mm_movemask_epi8(lowHits)) |
                          (static_cast<std::uint32_t>(_mm_movemask_epi8(highHits)) << 16);
        const std::uint32_t inField =
            columns.width == 32 ? ~std::uint32_t{0} : (std::uint32_t{1} << columns.width) - 1U;
        return (hits & inField) != 0;
#else
        (void)record;
        (void)field;
        return true;
#endif
    }

private:
    static constexpr int kMaxForms = 4;
#if defined(__SSE2__)
    __m128i forms_[kMaxForms] = {}; // a vector type in std::array loses its alignment attribute
#endif
    bool active_ = false;
};

// The field search through the block reader: the records examined in turn from the one shown,
// the field upper-cased in place, CurrentRecord brought up to date before every way out.
SearchOutcome SearchFieldsQuick(SearchState& state, const SearchContext& context,
                                const SearchedField& field) {
    const std::string sought = Cp1252UpperCase(Utf16ToCp1252(state.SearchText));
    const bool wanted = FlagWanted(state.SearchText);
    const std::int64_t step = state.SearchForward ? 1 : -1;
    const int minimum = context.browser.minimum;
    const int maximum = context.browser.maximum;
    state.SearchPosition = context.browser.position;
    RecordBlockReader reader(context.database);
    const std::array<char, 256>& toUpper = UpperCaseTable();
    std::array<char, 32> upper{};
    const FirstCharacterFilter filter(sought, toUpper);
    const bool numberedOnly = context.numberedOnly;
    return WithLayout(reader.Layout(), [&](auto layout) {
        while (true) {
            const std::int64_t next = state.SearchPosition + step;
            if (next > maximum || next < minimum) {
                return SearchOutcome::NotFound;
            }
            state.SearchPosition = static_cast<int>(next);
            const std::optional<AstOrbRecord> record =
                reader.RecordOf<decltype(layout)::value>(state.SearchPosition, state.SearchForward);
            if (!record) {
                return SearchOutcome::ReadFailed;
            }
            if (numberedOnly && !IsNumberedRecord(*record)) {
                return SearchOutcome::NotFound;
            }
            if (field.kind == SearchKind::Flag) {
                std::optional<std::int32_t> code = ParseInt(TrimmedField(*record, Field::FlagCode));
                if (!code) {
                    reader.Sync();
                    code = GetFlagCode(context.database.Current());
                }
                if (((*code & field.bit) != 0) == wanted) {
                    return SearchOutcome::Found;
                }
            } else if (!sought.empty() && filter.MayContain(*record, field.field)) {
                const std::string_view text = TrimmedField(*record, field.field);
                if (text.size() > upper.size()) {
                    if (Contains(Cp1252UpperCase(text), sought)) {
                        return SearchOutcome::Found;
                    }
                } else {
                    for (std::size_t k = 0; k < text.size(); ++k) {
                        upper[k] = toUpper[static_cast<unsigned char>(text[k])];
                    }
                    if (std::string_view(upper.data(), text.size()).find(sought) !=
                        std::string_view::npos) {
                        return SearchOutcome::Found;
                    }
                }
            }
            if (state.SearchPosition == maximum) {
                return SearchOutcome::NotFound;
            }
        }
    });
}

// Walks the entries of the names table in number order from the asteroid shown, reading the
// record of each entry's asteroid (asteroid n at index n - 1). An entry whose record turns out
// not to be that asteroid (a file with gaps in its numbering, a blank number there) still counts
// as visited, so every step reaches a new entry and the walk always ends.
SearchOutcome WalkNames(SearchState& state, const SearchContext& context,
                        const DiacriticalNames& names) {
    const int maximum = context.browser.maximum;
    state.SearchPosition = context.browser.position;
    if (!context.database.ReadRecord(state.SearchPosition)) {
        return SearchOutcome::ReadFailed;
    }
    const AstOrbRecord shown = context.database.Current();
    // The keys are compared with the Number field as it stands, so they take its width.
    const auto width = static_cast<std::size_t>(ColumnsOf(shown.layout, Field::Number).width);
    std::string reached = NumberAsStored(shown);
    const auto count = static_cast<std::ptrdiff_t>(names.Count());
    constexpr std::ptrdiff_t kFirstEntry = 3;
    std::ptrdiff_t k = state.SearchForward ? kFirstEntry : count - 1;
    while (true) {
        if (state.SearchForward) {
            while (k < count && CompareIgnoringCase(reached, Key(names, k, width)) >= 0) {
                ++k;
            }
        } else {
            while (k >= kFirstEntry && CompareIgnoringCase(reached, Key(names, k, width)) <= 0) {
                --k;
            }
        }
        if (k >= count || k < kFirstEntry) {
            return SearchOutcome::NotFound;
        }
        const std::string_view key = Key(names, k, width);
        state.SearchPosition = StrToInt(TrimControls(key)) - 1;
        if (!context.database.ReadRecord(state.SearchPosition)) {
            return SearchOutcome::ReadFailed;
        }
        const AstOrbRecord record = context.database.Current();
        if (context.numberedOnly && !IsNumbered(record)) {
            return SearchOutcome::NotFound;
        }
        if (CompareIgnoringCase(key, NumberAsStored(record)) == 0 &&
            Contains(LookupDiacriticalName(&names, FieldText(record, Field::Number), false),
                     state.SearchText)) {
            return SearchOutcome::Found;
        }
        if (state.SearchPosition == maximum) {
            return SearchOutcome::NotFound;
        }
        reached = std::string(key);
    }
}

// Sets SearchForward back to true however the search ends.
class ForwardReset {
public:
    explicit ForwardReset(SearchState& state) : state_(state) {}
    ~ForwardReset() { state_.SearchForward = true; }
    ForwardReset(const ForwardReset&) = delete;
    ForwardReset& operator=(const ForwardReset&) = delete;

private:
    SearchState& state_;
};

std::u16string Widen(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

} // namespace

void SearchMenuOpening(SearchState& state) {
    state.AgainEnabled = !state.SearchText.empty();
    state.SearchForward = true;
}

std::u16string SearchPromptCaption(ValueLabel label) {
    return u"Find in " + Widen(InfoOf(label).fieldName);
}

std::optional<ValueLabel> ValueLabelOfField(std::string_view fieldName) {
    for (const ValueLabelInfo& info : kValueLabels) {
        if (info.fieldName == fieldName) {
            return info.label;
        }
    }
    return std::nullopt;
}

bool AcceptFindText(SearchState& state, ValueLabel label, std::u16string text) {
    state.SearchText = std::move(text);
    if (state.SearchText.empty()) {
        return false;
    }
    state.SearchLabel = label;
    state.AgainEnabled = true;
    state.SearchForward = true;
    return true;
}

bool SearchesNamesTable(const SearchState& state, const DiacriticalNames* names) {
    return SearchedFieldOf(state.SearchLabel).kind == SearchKind::Name && names != nullptr;
}

SearchOutcome SearchNames(SearchState& state, const SearchContext& context,
                          const DiacriticalNames& names) {
    return WalkNames(state, context, names);
}

bool FieldMatches(const SearchState& state, AstOrbRecord record) {
    const SearchedField& field = SearchedFieldOf(state.SearchLabel);
    if (field.kind == SearchKind::Flag) {
        return ((GetFlagCode(record) & field.bit) != 0) == FlagWanted(state.SearchText);
    }
    return Contains(Cp1252UpperCase(FieldText(record, field.field)),
                    Cp1252UpperCase(Utf16ToCp1252(state.SearchText)));
}

SearchOutcome FindNext(SearchState& state, const SearchContext& context) {
    if (!state.AgainEnabled) {
        return SearchOutcome::NotRun;
    }
    const ForwardReset forwardReset(state);
    if (SearchesNamesTable(state, context.names)) {
        return WalkNames(state, context, *context.names);
    }
    return SearchFieldsQuick(state, context, SearchedFieldOf(state.SearchLabel));
}

SearchOutcome FindPrevious(SearchState& state, const SearchContext& context) {
    if (!state.AgainEnabled) {
        return SearchOutcome::NotRun;
    }
    state.SearchForward = false;
    return FindNext(state, context);
}

std::u16string LabelCopyText(std::string_view cp1252Caption) {
    return Cp1252ToUtf16(cp1252Caption);
}

std::u16string UnicodeLabelCopyText(std::u16string_view text) {
    return LabelCopyText(Utf16ToCp1252(text));
}

} // namespace quorvane
