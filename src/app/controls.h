// Controls that behave as the window's users expect of them: scroll bars that take the focus
// and move with the keys, labels and a background that take their own clicks, accelerators that
// act on their first claimant, radio items laid out inside their group's frame, edit boxes with a
// leave handler.
#pragma once

#include <QLabel>
#include <QScrollBar>
#include <QWidget>

#include <functional>
#include <vector>

class QButtonGroup;
class QGroupBox;

namespace quorvane::app {

// A horizontal scroll bar that takes the focus by Tab and by click, and shows it with a focus
// frame on its thumb. Left and Up step back one line, Right and Down forward; Page Up and Page
// Down a page; Home and End go to the ends.
class TScrollBar : public QScrollBar {
public:
    explicit TScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// A label that takes its own mouse clicks, so that a click on it is not a click on the window.
class TLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The client area inside the window's border: a click on its own background (not on a
// control) runs the find-again command.
class ClientArea : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void()> onBackgroundClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// Fits a label to its text, keeping its top-left corner and its height.
void AutoSize(QLabel* label);

// A shared accelerator acts on the first control that claims it: of `claimants`, given in that
// order (labels first, then the controls in creation order), every later one with the same
// accelerator gives it up. Its caption still shows the underlined letter.
void GiveSharedAcceleratorsToTheFirst(const std::vector<QWidget*>& claimants);

// Tab enters a radio group at its selected item, the group's one tab stop; the other items take
// the focus only by click or arrow key.
void TabStopOnSelectedItem(QButtonGroup* group);

// Spreads the radio items of `box` evenly over the area inside its frame, below its caption.
void ArrangeRadioItems(QGroupBox* box);

// Runs `leave` whenever the focus leaves `control` for another control of its window, whether
// or not its text changed; not when the window itself loses the focus or a popup takes it.
void WhenFocusLeaves(QWidget* control, std::function<void()> leave);

} // namespace quorvane::app
