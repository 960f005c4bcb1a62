// FloatReader, the one way the program reads a decimal number: the record fields (accessors and
// scans alike) and the parameter boxes all go through it. A field of the file's common shape
// takes the fixed-column fast paths (fixed_field.h), through the layout the reader learned from
// that field in an earlier record when it still fits; every other text takes the general path,
// the strict grammar over from_chars. Both give the same double for every input.
#pragma once

#include "astorb/fixed_field.h"
#include "astorb/numbers.h"
#include "astorb/record.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvane {

class FloatReader {
public:
    // Reads with `format`'s separator; `points` says whether a "." separates decimals too.
    explicit FloatReader(const NumberFormat& format,
                         DecimalPoints points = DecimalPoints::PointOrSeparator)
        : format_(format), points_(points)
#if defined(__SSE2__)
          ,
          fixed_(MakeFixedFieldSeparator(format, points))
#endif
    {
    }

    // The strict grammar: optional sign, digits, optional separator and digits (at least one
    // digit in all), optional exponent (e or E, optional sign, digits). Nothing else: no
    // blanks, no "inf", no hexadecimal. Empty when the text does not follow it or its value
    // overflows a double; a value too small for a double reads as zero.
    std::optional<double> Parse(std::string_view text) const;

    // Parse, raising "'%s' n'est pas une valeur en virgule flottante correcte" with %s the text
    // as it was converted: under the fields' rule, every "." as the separator.
    double Value(std::string_view text) const;

    // The record's field, trimmed as FieldText trims it, into `value`; false where Parse would
    // refuse it. Always inline, so that the field's columns are constants in a scan's loop.
    [[gnu::always_inline]] bool Read(AstOrbRecord record, Field field, double& value) const {
#if defined(__SSE2__)
        std::uint64_t mantissa = 0;
        int fractionDigits = 0;
        if (FixedParts(record, field, mantissa, fractionDigits)) {
            value = FixedFieldValue(mantissa, fractionDigits);
            return true;
        }
#endif
        const std::optional<double> general = Parse(TrimmedField(record, field));
        if (general) {
            value = *general;
        }
        return general.has_value();
    }

    // Whether Read would succeed, without the value: a scan that needs the field only to be
    // well formed skips the division.
    [[gnu::always_inline]] bool Check(AstOrbRecord record, Field field) const {
#if defined(__SSE2__)
        std::uint64_t mantissa = 0;
        int fractionDigits = 0;
        if (FixedParts(record, field, mantissa, fractionDigits)) {
            return true;
        }
#endif
        return Parse(TrimmedField(record, field)).has_value();
    }

    // Read, raising as Value does for the trimmed field.
    double FieldValue(AstOrbRecord record, Field field) const;

private:
#if defined(__SSE2__)
    // The digits and the number of decimals of a field by the fixed-column decoder, where its
    // 16-byte look at the field stays inside the record: through the layout the field had last
    // time when it still has it, else by the decoder, whose field then teaches the layout.
    [[gnu::always_inline]] bool FixedParts(AstOrbRecord record, Field field,
                                           std::uint64_t& mantissa, int& fractionDigits) const {
        const FieldColumns columns = ColumnsOf(record.layout, field);
        const auto first = static_cast<std::size_t>(columns.start - 1);
        if (first < 8 || first + 16 > record.text.size()) {
            return false;
        }
        const char* text = record.text.data() + first;
        FixedFieldLayout& layout =
            layouts_[static_cast<std::size_t>(record.layout)][static_cast<std::size_t>(field)];
        if (layout.usable && FixedLayoutDecimalParts(text, layout, fixed_, mantissa)) {
            fractionDigits = layout.fractionDigits;
            return true;
        }
        const auto width = static_cast<std::size_t>(columns.width);
        if (!FixedFieldDecimalParts(text, width, fixed_, mantissa, fractionDigits)) {
            return false;
        }
        layout = LearnFixedFieldLayout(text, width, fixed_);
        return true;
    }
#endif

    NumberFormat format_;
    DecimalPoints points_;
#if defined(__SSE2__)
    FixedFieldSeparator fixed_;
    // What each field of each record layout looked like when the decoder last took it; a
    // cache that changes no result, hence mutable. A field learned in one layout never serves
    // the other, whose columns may begin in the same place but run further.
    mutable std::array<std::array<FixedFieldLayout, kFiveDigitColumns.size()>, 2> layouts_{};
#endif
};

} // namespace quorvane
