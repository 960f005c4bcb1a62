// The value labels' popup commands: copying a shown value, and searching AstOrb.dat forwards or
// backwards from the record shown for the next record whose field contains a text.
#pragma once

#include "browse/display.h"
#include "browse/ports.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

class AstOrbDatabase;
class DiacriticalNames;

// What the window keeps between searches, for the life of the program.
struct SearchState {
    std::u16string SearchText;             // the last text confirmed in the Find prompt
    std::optional<ValueLabel> SearchLabel; // the label whose field is searched; none at start
    bool SearchForward = true;             // false lasts for a single backward search
    int SearchPosition = 0;                // the index of the record examined last
    // The enabled state of mnuFindAgain and mnuFindAgainBackward, always set together; it is
    // also the flag that a search is active. The window mirrors it on both entries.
    bool AgainEnabled = false;
};

// The modal one-line text prompt of Find.
class SearchPrompt {
public:
    virtual ~SearchPrompt() = default;
    // Shows `caption`, `prompt` and `text` as the initial value. True when the user confirmed,
    // `text` then holding what was entered; false, `text` untouched, when cancelled.
    virtual bool Ask(const std::u16string& caption, const std::u16string& prompt,
                     std::u16string& text) = 0;
};

// What a search reads and where it shows its result.
struct SearchContext {
    AstOrbDatabase& database;
    const DiacriticalNames* names; // null when no Diacriticals.txt is loaded
    Browser& browser;
    const NumberedOnly& numberedOnly;
    Messages& messages;
    WaitCursor& cursor;
};

enum class SearchOutcome {
    NotRun,     // the again entries are disabled, or the prompt was cancelled or left empty
    Found,      // the browser was moved to SearchPosition
    NotFound,   // "No more occurrences." was shown
    ReadFailed, // a record could not be read; ended without a message
};

// The message of a search that found nothing.
inline constexpr std::string_view kNoMoreOccurrences = "No more occurrences.";

// Just before the popup menu opens: the again entries are enabled exactly when there is a search
// text, and the next search runs forwards.
void SearchMenuOpening(SearchState& state);

// The field name formed from a label's object name: the "lbl" prefix dropped and the rest cut
// before its first "Val" ("lblDiamVal" gives "Diam").
std::string SearchFieldName(std::string_view objectName);

// "Find in " followed by the label's field name.
std::u16string SearchPromptCaption(ValueLabel label);

// The value label of a widget's object name; none for any other name.
std::optional<ValueLabel> ValueLabelFromObjectName(std::string_view objectName);

// Find on `label`: asks for the text (initially SearchText). Cancelled: nothing changes.
// Confirmed: SearchText takes the text even when empty, and an empty text ends there; otherwise
// the label is searched from the record shown, forwards, through FindNext.
SearchOutcome FindInLabel(SearchState& state, ValueLabel label, SearchPrompt& prompt,
                          const SearchContext& context);

// Repeats the search in the direction SearchForward from the record shown; does nothing while
// the again entries are disabled. The record shown is never examined. Found: the browser moves
// there (and so displays it). Nothing found: "No more occurrences.". A failed read ends it
// silently. A blank or malformed flag code in a flag search raises "'%s' n'est pas une valeur
// entière correcte". On every way out the wait cursor is restored and SearchForward is true.
SearchOutcome FindNext(SearchState& state, const SearchContext& context);

// One backward search (Shift+F3), when the again entries are enabled; nothing otherwise.
SearchOutcome FindPrevious(SearchState& state, const SearchContext& context);

// Copy: puts a label's 8-bit caption on the clipboard as Unicode text; an empty caption gives an
// empty text.
void CopyLabelCaption(std::string_view cp1252Caption, Clipboard& clipboard);

// Copy on the Unicode name label: its text goes through the 8-bit caption as every label's does,
// so letters outside Windows-1252 do not survive.
void CopyUnicodeLabelCaption(std::u16string_view text, Clipboard& clipboard);

} // namespace quorvane
