// Keeping top-level windows inside the work area of the screen they open on: a dialog made for
// a large screen would otherwise lose its buttons past the edge of a small or scaled one.
#pragma once

#include <QEvent>
#include <QShowEvent>
#include <QWidget>

namespace quorvane::app {

// Moves `window` so that its frame lies inside its screen's work area, as far as its size
// allows.
void MoveIntoScreen(QWidget& window);

// Shrinks `window`, as far as its minimum size allows, so that its frame fits its screen's work
// area, then moves it inside. Before a window manager has framed it, the frame of the window it
// belongs to stands for its own.
void FitIntoScreen(QWidget& window);

// A dialog that fits into its screen when it shows, once placed, and again when a window manager
// has framed it (its first activation), when its frame is known.
template <class Dialog> class ScreenFitted : public Dialog {
public:
    using Dialog::Dialog;

protected:
    void showEvent(QShowEvent* event) override {
        Dialog::showEvent(event);
        if (!event->spontaneous()) {
            FitIntoScreen(*this);
        }
    }
    void changeEvent(QEvent* event) override {
        Dialog::changeEvent(event);
        if (event->type() == QEvent::ActivationChange && this->isActiveWindow() && !framed_) {
            framed_ = true;
            FitIntoScreen(*this);
        }
    }

private:
    bool framed_ = false;
};

} // namespace quorvane::app
