// What the window and quorvane-cli are views of: the open database, the browser and the record it
// shows, the names table, the parameter texts, the search state and the last family found. Each
// command takes the values of the controls it reads and returns what the user sees; the effects of
// a command on the browser (each record it moves to is shown, and may raise) are applied here,
// once, for both front ends.
#pragma once

#include "astorb/database.h"
#include "astorb/diacriticals.h"
#include "astorb/display.h"
#include "astorb/numbers.h"
#include "infobox/infobox.h"
#include "lists/family_figure.h"
#include "lists/family_found.h"
#include "lists/scan.h"
#include "search/search.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>

namespace quorvane {

// How a command ended.
enum class CommandEnd {
    Finished,   // its clipboard text and message, if any, are for the user
    NotRun,     // nothing to do (no search text, an empty prompt, no record to read)
    ReadFailed, // a record could not be read whole: the command ends without a word
    Raised,     // `error` ends it; the browser and display show where it arose
    Cancelled,  // the user cancelled a first reading: nothing changed
    NotFound,   // a search found nothing: its message says so
};

// What a command gives the user, in this order: the browser on `position` and the display of the
// record there (the model's state), then `error` when there is one (nothing after it), else the
// clipboard's new content and the message.
struct CommandResult {
    CommandEnd end = CommandEnd::Finished;
    std::optional<ListText> clipboard; // Windows-1252
    std::optional<std::u16string> unicodeClipboard;
    int count = 0;       // the lines listed; for a family pass, the members it added
    std::string message; // UTF-8; shown with the caption "Quorvane"
    int position = 0;    // the record the browser ends on
    std::exception_ptr error;
    std::int64_t errorRecord = -1; // the record the error arose on, when one did

    bool Finished() const { return end == CommandEnd::Finished; }
    // Raises the error, if any, for the front end's error report.
    void RaiseError() const;
};

// Whether opening a file shows the record at the browser position (the window), or leaves the
// display to the first command (quorvane-cli, whose commands name their record).
enum class AfterOpen { ShowRecord, ShowNothing };

// How an opening ended.
enum class OpenEnd {
    Opened,    // the database is open; `result` may still carry an error that arose after
    Cancelled, // the user cancelled the first reading of a .gz: nothing changed
    Failed,    // the file could not be opened (`result` has the error): the previous one closed
};

struct OpenResult {
    OpenEnd end = OpenEnd::Failed;
    std::string notice; // the file's notice, shown once before `result`'s error
    CommandResult result;
};

// The browser scroll bar: its position, range and whether it takes input.
struct BrowserState {
    int position = 0;
    int maximum = 0;
    bool enabled = false;
    // The page step: a twentieth of the file, at least one record.
    int pageStep = 0;
};

// The three parameter boxes.
enum class Parameter { Diameter, Albedo, Density };

// What one family pass reads of the window, read again before every pass.
struct FamilyControls {
    int tolerance = 10;
    bool numberedOnly = true;
};

// Between passes the front end lets messages run and decides whether to run another: it gets the
// pass's result (its question, the members it added) and gives the controls for the next pass,
// or nothing to stop.
using AnotherPass = std::function<std::optional<FamilyControls>(const CommandResult& pass)>;

class Model {
public:
    explicit Model(const NumberFormat& format = {}) : format_(format) {}

    // The number format every command writes and reads its numbers with.
    const NumberFormat& Format() const { return format_; }
    void SetNumberFormat(const NumberFormat& format) { format_ = format; }

    // Opens the AstOrb.dat (or AstOrb.dat.gz) at `path`, as FindAstOrbFile found it in the
    // folder. A file too short for one record raises "Propriété barre de défilement hors
    // limites" once it is open: the browser is enabled before that, the record commands only
    // after. A file that cannot be opened raises, the previous one closed.
    OpenResult OpenAstOrb(const std::string& path, AfterOpen after,
                          const OpenProgress& progress = {});
    // Loads folder/Diacriticals.txt (any letter case): false, the table kept, when there is none.
    bool LoadNames(const std::string& folder);

    // The browser moved to `position` (clamped to its range): the record there is shown when the
    // position changes.
    CommandResult Browse(int position);
    // Shows the record at `position` whether or not the browser is there already.
    CommandResult ShowAt(int position);

    // The infobox of the record shown, from the parameter texts, which it corrects.
    CommandResult Infobox(InfoboxLanguage language);
    // The user typed in a parameter box; leaving it reads (and corrects) its text.
    void SetParameterText(Parameter parameter, std::string cp1252);
    void LeaveParameter(Parameter parameter);

    // "Spe&cial": the "Planet" and "Type" item indexes (-1: none selected).
    CommandResult OrbitTypeList(int planetIndex, int typeIndex, bool numberedOnly);
    // "Famil&y" from the record shown, pass after pass while `another` gives controls.
    CommandResult Family(const FamilyControls& controls, const AnotherPass& another);
    // "Extract Names"; `letMessagesRun` runs after every record but the last (the names table it
    // leaves is the one the list goes on with).
    CommandResult ExtractNames(const std::function<void()>& letMessagesRun);
    // "(Inclinations)".
    CommandResult HighestInclination(bool numberedOnly);

    // The popup menu is about to open.
    void SearchMenuOpening();
    // "Find in " and the label's field name: the Find prompt's caption.
    std::u16string FindPromptCaption(ValueLabel label) const;
    // The Find prompt confirmed with `text` for `label`: the text is kept even when empty; true
    // when it is not, and the front end then runs FindAgain forwards.
    bool AcceptFind(ValueLabel label, std::u16string text);
    // F3 (forwards) or Shift+F3 (backwards): nothing while the again entries are disabled.
    enum class Direction { Forwards, Backwards };
    CommandResult FindAgain(Direction direction, bool numberedOnly);
    // The search F3 repeats, set without a prompt: `label` searched for `text`, the again
    // entries enabled.
    void RepeatSearch(ValueLabel label, std::u16string text);
    // Copy on a value label: its text as the clipboard's Unicode text.
    CommandResult Copy(ValueLabel label) const;

    AstOrbDatabase& Database() { return database_; }
    const AstOrbDatabase& Database() const { return database_; }
    const DiacriticalNames* Names() const { return names_ ? &*names_ : nullptr; }
    const BrowserState& Browser() const { return browser_; }
    bool RecordCommandsEnabled() const { return recordCommandsEnabled_; }
    const RecordDisplay& Display() const { return display_; }
    const ParameterTexts& Parameters() const { return parameters_; }
    const SearchState& Search() const { return search_; }
    // The last family found since the database was opened.
    const std::optional<FamilyFound>& LastFamily() const { return lastFamily_; }
    // The figure of the last family found, as a standalone SVG file in UTF-8: one more scan the
    // first time, kept for the family after that. Nothing without a family, or when its seed can
    // no longer be read; a malformed field of the seed raises.
    std::optional<std::string> FamilyFigure(FigureLanguage language);
    // The name a saved figure takes: the seed's title and " family.svg" ("200 Dynamene
    // family.svg"); empty until the figure of a family is drawn.
    std::string FamilyFigureFileName() const;

private:
    // The browser at `position`, the record there shown: the one rule of every move.
    void MoveTo(int position, bool always);
    // MoveTo, its error as a result.
    CommandResult MoveResult(int position, bool always);
    // A scan's outcome applied: its moves, the record read last put back, then the result.
    CommandResult Apply(ScanOutcome& outcome);
    CommandResult Result() const;
    CommandResult Raised(std::exception_ptr error, std::int64_t record);
    BrowserRange Range() const;
    SearchContext SearchContextFor(bool numberedOnly);
    CommandResult SearchResult(SearchOutcome outcome);

    AstOrbDatabase database_;
    std::optional<DiacriticalNames> names_;
    NumberFormat format_;
    BrowserState browser_;
    bool recordCommandsEnabled_ = false;
    RecordDisplay display_;
    ParameterTexts parameters_;
    SearchState search_;
    std::optional<FamilyFound> lastFamily_;
    std::optional<quorvane::FamilyFigure> figure_; // of lastFamily_, once drawn
};

} // namespace quorvane
