// The name extraction ("Extract Names"): one line per named, numbered asteroid, its number and
// name, in file order, on the clipboard.
#pragma once

#include "lists/scan.h"

#include <functional>

namespace quorvane {

// btnExtractNamesClick's scan: reads from the browser's minimum index and stops at the first
// unnumbered record whatever "Numbered only" says. A numbered record is listed by its plain
// title unless its Name field starts with a digit 1 to 9 (a provisional designation).
// `letMessagesRun` runs after every record but the last and gives the names table as it then
// stands. At the end the browser goes to one before the index where the loop ended (the scroll
// bar clamps it to its range), then the clipboard and the Done message. With no database open
// the first read fails and the command ends quietly. The front end shows the wait cursor and
// disables the main window from before the query until the message is closed.
ScanOutcome ExtractNames(AstOrbDatabase& database, const DiacriticalNames* names,
                         const BrowserRange& browser,
                         const std::function<const DiacriticalNames*()>& letMessagesRun);

} // namespace quorvane
