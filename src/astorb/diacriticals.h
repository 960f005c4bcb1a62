// Diacriticals.txt held in memory, and the lookup of an asteroid's accented name by number.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// The lines of Diacriticals.txt (Windows-1252), trailing empty lines removed. Lines 0 to 2 are
// a header; each later line is an entry: characters 2 to 7 the number right-aligned in six,
// characters 30 onwards the name with TeX accents.
class DiacriticalNames {
public:
    // Splits `text` at CR LF, LF or CR (a NUL ends the text) and removes trailing empty lines.
    // Raises "Indice de liste hors limites (-1)" when no non-empty line remains; the table is
    // then left empty.
    void SetText(std::string_view text);

    std::size_t Count() const { return lines_.size(); }
    // Line i, 0-based; raises "Indice de liste hors limites (i)" past the last line.
    const std::string& Line(std::size_t i) const;

private:
    std::vector<std::string> lines_;
};

// Loads folder + separator + "Diacriticals.txt" into `table`. False, `table` unchanged, when the
// file does not exist. Otherwise the old table is discarded first, so a read error ("Impossible
// d'ouvrir le fichier ...") or an empty file leaves an empty table behind.
bool LoadDiacriticals(const std::string& folder, std::optional<DiacriticalNames>& table);

// The accented name of asteroid `number` (the trimmed Number field), converted with HTML entities
// or to Unicode; empty when the number is empty, `table` is null or the number has no entry. The
// entries are scanned from line 3 and the scan stops at the first key above the one sought.
std::u16string LookupDiacriticalName(const DiacriticalNames* table, std::string_view number,
                                     bool htmlEntities);

} // namespace quorvane
