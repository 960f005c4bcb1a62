#include "app/screen_fit.h"

#include <QMargins>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace quorvane::app {

namespace {

QMargins FrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// The frame `window` has, or before a window manager has framed it, the frame of the window it
// belongs to, which the same window manager drew.
QMargins ExpectedFrameMargins(const QWidget& window) {
    const QMargins own = FrameMargins(window);
    if (!own.isNull() || window.parentWidget() == nullptr) {
        return own;
    }
    return FrameMargins(*window.parentWidget()->window());
}

QRect WorkArea(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

void MoveInto(QWidget& window, const QRect& area, const QMargins& margins) {
    if (area.isEmpty()) {
        return;
    }
    const QRect frame = window.geometry().marginsAdded(margins);
    const int left =
        std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int top = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    if (left != frame.left() || top != frame.top()) {
        window.move(left, top);
    }
}

} // namespace

void MoveIntoScreen(QWidget& window) {
    MoveInto(window, WorkArea(window), FrameMargins(window));
}

void FitIntoScreen(QWidget& window) {
    const QRect area = WorkArea(window);
    if (area.isEmpty()) {
        return;
    }
    const QMargins margins = ExpectedFrameMargins(window);
    const QSize room = area.size().shrunkBy(margins);
    if (window.width() > room.width() || window.height() > room.height()) {
        window.resize(window.size().boundedTo(room));
    }
    MoveInto(window, area, margins);
}

} // namespace quorvane::app
