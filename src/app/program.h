// The window program from start to end.
#pragma once

class QApplication;

namespace quorvane::app {

// Starts the program: the decimal separator from the regional settings, the main window, the
// event loop; once the window has closed, the clipboard's text is kept for other programs.
int RunQuorvane(QApplication& application);

} // namespace quorvane::app
