// What Quorvane put on the clipboard outlives it. On X11 and Wayland a clipboard's text lives
// in the program that set it, so when the window has closed and the clipboard is still ours:
// - X11 with a clipboard manager: nothing to do, Qt hands the text to the manager at exit;
// - X11 without one: the text goes to a small keeper process (quorvane-clipboard) that serves
//   it until another program takes the clipboard, and this process ends at once;
// - Wayland, where only a program with a window may take the clipboard: this process stays,
//   windowless, until another program takes it.
#pragma once

namespace quorvane::app {

// Runs after the event loop has ended; returns when this process may end.
void KeepClipboardAfterClose();

} // namespace quorvane::app
