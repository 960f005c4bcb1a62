// The value labels' popup commands: copying a shown value, and searching AstOrb.dat forwards or
// backwards from the record shown for the next record whose field contains a text.
#pragma once

#include "astorb/display.h"
#include "lists/scan.h"

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

// What a search reads: the open file, the names table, the browser and "Numbered only".
struct SearchContext {
    AstOrbDatabase& database;
    const DiacriticalNames* names; // null when no Diacriticals.txt is loaded
    BrowserRange browser;
    bool numberedOnly = false;
};

enum class SearchOutcome {
    NotRun,     // the again entries are disabled, or the prompt was cancelled or left empty
    Found,      // the browser goes to SearchPosition
    NotFound,   // the front end shows "No more occurrences."
    ReadFailed, // a record could not be read; ended without a message
};

// The message of a search that found nothing.
inline constexpr std::string_view kNoMoreOccurrences = "No more occurrences.";

// Just before the popup menu opens: the again entries are enabled exactly when there is a search
// text, and the next search runs forwards.
void SearchMenuOpening(SearchState& state);

// "Find in " followed by the label's field name ("Find in Diam").
std::u16string SearchPromptCaption(ValueLabel label);

// The value label whose field has that name ("Diam"); none for any other name.
std::optional<ValueLabel> ValueLabelOfField(std::string_view fieldName);

// Find on `label`, once the Find prompt (caption SearchPromptCaption, prompt "What?", initial
// text SearchText) is confirmed with `text`: SearchText takes it even when empty. False for an
// empty text, which ends the command; otherwise the label is searched forwards from the record
// shown: the front end runs FindNext.
bool AcceptFindText(SearchState& state, ValueLabel label, std::u16string text);

// Repeats the search in the direction SearchForward from the record shown; does nothing while
// the again entries are disabled. The record shown is never examined. Found: the front end
// moves the browser to SearchPosition (and so displays it). NotFound: it shows "No more
// occurrences.". A failed read ends it silently. A blank or malformed flag code in a flag
// search raises "'%s' n'est pas une valeur entière correcte". SearchForward is true again on
// every way out. The front end shows the wait cursor from before the search to after the move
// or the message.
SearchOutcome FindNext(SearchState& state, const SearchContext& context);

// One backward search (Shift+F3), when the again entries are enabled; nothing otherwise.
SearchOutcome FindPrevious(SearchState& state, const SearchContext& context);

// Whether the search goes through the names table: the accented name with a table loaded.
bool SearchesNamesTable(const SearchState& state, const DiacriticalNames* names);

// The walk through the names table in number order from the record shown.
SearchOutcome SearchNames(SearchState& state, const SearchContext& context,
                          const DiacriticalNames& names);

// Whether one record holds what the search asks for in the searched label's field: the text,
// ignoring case, or for a flag label the flag in the state the text asks for ("Yes" or a piece
// of it: set). A malformed flag code raises.
bool FieldMatches(const SearchState& state, AstOrbRecord record);

// Copy: the text a label's 8-bit caption puts on the clipboard, as Unicode text; an empty
// caption gives an empty text.
std::u16string LabelCopyText(std::string_view cp1252Caption);

// Copy on the Unicode name label: its text goes through the 8-bit caption as every label's
// does, so letters outside Windows-1252 do not survive.
std::u16string UnicodeLabelCopyText(std::u16string_view text);

} // namespace quorvane
