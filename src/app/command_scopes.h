// What a command holds for its length: the wait cursor, the window disabled. Both are restored
// on every way out, an error included.
#pragma once

#include <QApplication>
#include <QWidget>

namespace quorvane::app {

// The override cursor for its lifetime, restored on every way out.
class OverrideCursorScope {
public:
    OverrideCursorScope() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~OverrideCursorScope() { QApplication::restoreOverrideCursor(); }
    OverrideCursorScope(const OverrideCursorScope&) = delete;
    OverrideCursorScope& operator=(const OverrideCursorScope&) = delete;
};

// The whole window disabled for its lifetime, enabled again on every way out.
class WindowDisabledScope {
public:
    explicit WindowDisabledScope(QWidget* window) : window_(window) { window_->setEnabled(false); }
    ~WindowDisabledScope() { window_->setEnabled(true); }
    WindowDisabledScope(const WindowDisabledScope&) = delete;
    WindowDisabledScope& operator=(const WindowDisabledScope&) = delete;

private:
    QWidget* window_;
};

} // namespace quorvane::app
