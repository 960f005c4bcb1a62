#include "lists/scan.h"

#include "astorb/display.h"

#include <algorithm>
#include <limits>

namespace quorvane {

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
            outcome.lastMoveRaises = true;
            outcome.end = ScanEnd::Raised;
            outcome.error = std::move(fault);
            outcome.errorRecord = index;
            outcome.readAfterMoves = -1;
            outcome.clipboard.reset();
            outcome.message.clear();
            return false;
        }
        position_ = target;
    }
    last_ = requested;
    return true;
}

void BrowserTrail::End(ScanOutcome& outcome, ScanEnd end, std::int64_t readLast) const {
    outcome.moves.clear();
    if (last_) {
        outcome.moves.push_back(*last_);
    }
    outcome.end = end;
    outcome.readAfterMoves = readLast;
    if (end == ScanEnd::Raised) {
        outcome.clipboard.reset();
        outcome.message.clear();
    }
}

} // namespace quorvane
