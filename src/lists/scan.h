// What a whole-database scan answers: the scans take the open database, the names table and the
// values of the controls they read, and return their outcome, which the model applies to its
// browser once (the moves, the record read last) before it gives the front end the result.
#pragma once

#include "astorb/record.h"
#include "text/list_text.h"

#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

class AstOrbDatabase;
class DiacriticalNames;

// The browser scroll bar as a scan starts: the index shown and its range.
struct BrowserRange {
    int position = 0;
    int minimum = 0;
    int maximum = 0;
};

// How a scan ended.
enum class ScanEnd {
    Finished,       // ran to its end, with its final message
    ReadFailed,     // a record could not be read whole: ends quietly
    NoPlanetChosen, // the orbit-type list without a planet: "Must select a planet."
    Raised,         // a record raised an error (a malformed field, or the display of a record
                    // the browser moves to): the error ends the command
};

// A scan's answer, applied in this order: the browser set to each of `moves` in turn (each
// record shown); the record read after them put back as the current record; then `error`, or
// the clipboard and the message.
struct ScanOutcome {
    ScanEnd end = ScanEnd::Finished;
    std::optional<ListText> clipboard;
    int count = 0; // the lines listed (for a family pass, the members it added)
    std::string message;
    // The browser's moves: the last listed record, and before it the one listed before it when
    // the display of the last raises, so that its partial display covers what that one showed.
    // The moves a scan makes through earlier records are never seen: the window does not paint
    // while a scan runs.
    std::vector<int> moves;
    // The error the display of the last move raises (its flag code is malformed), found once
    // by the scan: that record's display stops before its flags.
    bool lastMoveRaises = false;
    // The record the scan read after its last move, or -1.
    std::int64_t readAfterMoves = -1;
    std::exception_ptr error;
    std::int64_t errorRecord = -1; // the record that raised `error`
};

// Every line of a list ends with CR LF, the last one included.
inline constexpr const char* kListLineEnd = "\r\n";

// "Done. N results in the clipboard."
std::string DoneMessage(int count);

// A record index as a browser position; indexes beyond the int range (a file grown past two
// thousand million records) are clamped rather than wrapped.
int BrowserIndex(long long index);

// The browser as a scan moves it to the records it lists: the position only changes (and the
// record there is only displayed) when it differs from the one shown, and the display of a
// record whose flag code is malformed raises. Keeps the moves an outcome needs.
class BrowserTrail {
public:
    explicit BrowserTrail(const BrowserRange& browser) : browser_(browser) {}

    // Moves to `index`, whose record is `record`. False when its display would raise: `outcome`
    // then ends there, with the moves that show it and the error.
    bool MoveTo(long long index, AstOrbRecord record, ScanOutcome& outcome);

    // The one way a scan ends: how, the moves so far, the record read last, and the error
    // being handled when it ends on one (its clipboard and message dropped).
    void End(ScanOutcome& outcome, ScanEnd end, std::int64_t readLast) const;

private:
    BrowserRange browser_;
    int position_ = browser_.position;
    std::optional<int> last_;
};

// Runs a scan's loop; an error raised by the record at `examined` ends `outcome` there.
template <typename Loop>
void GuardScan(ScanOutcome& outcome, const BrowserTrail& trail, const long long& examined,
               Loop&& loop) {
    try {
        loop();
    } catch (...) {
        outcome.error = std::current_exception();
        outcome.errorRecord = examined;
        trail.End(outcome, ScanEnd::Raised, examined);
    }
}

} // namespace quorvane
