#include "lists/scan.h"

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

} // namespace quorvane
