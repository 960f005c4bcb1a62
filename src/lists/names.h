// The name extraction ("Extract Names"): one line per named, numbered asteroid, its number and
// name, in file order, on the clipboard.
#pragma once

#include "lists/scan.h"

namespace quorvane {

// btnExtractNamesClick: with the wait cursor shown and the main window disabled (both restored
// on every way out), reads from the browser's minimum index and stops at the first unnumbered
// record whatever "Numbered only" says. A numbered record is listed by its plain title unless
// its Name field starts with a digit 1 to 9 (a provisional designation). Pending window
// messages run after every record but the last. At the end the browser goes to one before the
// index where the loop ended (clamped to its range), then the clipboard and the Done message.
// With no database open the first read fails and the command ends quietly.
ScanEnd ExtractNames(const ScanPorts& ports);

} // namespace quorvane
