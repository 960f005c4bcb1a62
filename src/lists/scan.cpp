#include "lists/scan.h"

#include "astorb/database.h"
#include "astorb/display.h"

#include <algorithm>
#include <limits>

namespace quorvane {

void PutBackLastRead(AstOrbDatabase& database, const ScanOutcome& outcome) {
    if (outcome.readAfterMoves >= 0 && database.CurrentIndex() != outcome.readAfterMoves) {
        database.ReadRecord(outcome.readAfterMoves);
    }
}

std::string DoneMessage(int count) {
    return "Done. " + std::to_string(count) + " results in the clipboard.";
}

int BrowserIndex(long long index) {
    return static_cast<int>(std::clamp<long long>(index, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

bool BrowserTrail::MoveTo(long long index, AstOrbRecord record, ScanOutcome& outcome) {
    const int requested = BrowserIndex(index);
    const int target =
        std::clamp(requested, browser_.minimum, std::max(browser_.minimum, browser_.maximum));
    if (target != position_) {
        if (std::exception_ptr fault = DisplayFault(record)) {
            outcome.moves.clear();
            if (last_) {
                outcome.moves.push_back(*last_);
            }
            outcome.moves.push_back(requested);
            outcome.end = ScanEnd::Raised;
            outcome.error = std::move(fault);
            outcome.readAfterMoves = -1;
            return false;
        }
        position_ = target;
    }
    last_ = requested;
    return true;
}

void BrowserTrail::Into(ScanOutcome& outcome) const {
    outcome.moves.clear();
    if (last_) {
        outcome.moves.push_back(*last_);
    }
}

void EndScan(ScanOutcome& outcome, const BrowserTrail& trail, ScanEnd end, std::int64_t readLast) {
    trail.Into(outcome);
    outcome.end = end;
    outcome.readAfterMoves = readLast;
}

void EndOnError(ScanOutcome& outcome, const BrowserTrail& trail, std::int64_t readLast) {
    trail.Into(outcome);
    outcome.end = ScanEnd::Raised;
    outcome.error = std::current_exception();
    outcome.readAfterMoves = readLast;
    outcome.clipboard.reset();
    outcome.message.clear();
}

} // namespace quorvane
