#include "app/controls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStyleOptionFocusRect>
#include <QStyleOptionSlider>
#include <QStylePainter>

#include <algorithm>
#include <utility>

namespace quorvane::app {

namespace {

class FocusLeaveWatcher : public QObject {
public:
    FocusLeaveWatcher(QWidget* control, std::function<void()> leave)
        : QObject(control), leave_(std::move(leave)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                leave_();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> leave_;
};

} // namespace

void TScrollBar::keyPressEvent(QKeyEvent* event) {
    // Qt's scroll bars invert their arrow keys; these are the platform's.
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        action = SliderSingleStepSub;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        action = SliderSingleStepAdd;
        break;
    case Qt::Key_PageUp:
        action = SliderPageStepSub;
        break;
    case Qt::Key_PageDown:
        action = SliderPageStepAdd;
        break;
    case Qt::Key_Home:
        action = SliderToMinimum;
        break;
    case Qt::Key_End:
        action = SliderToMaximum;
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        event->ignore();
        return;
    }
    triggerAction(action);
    event->accept();
}

void TScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QStyleOptionSlider bar;
    initStyleOption(&bar);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    // Shown however the focus came, as the platform's blinking thumb is.
    focus.state |= QStyle::State_KeyboardFocusChange;
    focus.rect = style()
                     ->subControlRect(QStyle::CC_ScrollBar, &bar, QStyle::SC_ScrollBarSlider, this)
                     .adjusted(2, 2, -2, -2);
    QStylePainter painter(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

void TLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr &&
        onBackgroundClick) {
        onBackgroundClick();
    }
    event->accept();
}

void AutoSize(QLabel* label) {
    const int width = std::max(3, label->sizeHint().width());
    label->resize(width, label->height());
}

void GiveSharedAcceleratorsToTheFirst(const std::vector<QWidget*>& claimants) {
    std::vector<QKeySequence> taken;
    for (QWidget* widget : claimants) {
        auto* button = qobject_cast<QAbstractButton*>(widget);
        auto* label = qobject_cast<QLabel*>(widget);
        const QString text = button != nullptr                               ? button->text()
                             : label != nullptr && label->buddy() != nullptr ? label->text()
                                                                             : QString();
        const QKeySequence accelerator = QKeySequence::mnemonic(text);
        if (accelerator.isEmpty()) {
            continue;
        }
        if (std::find(taken.begin(), taken.end(), accelerator) == taken.end()) {
            taken.push_back(accelerator);
        } else if (button != nullptr) {
            button->setShortcut(QKeySequence());
        } else {
            label->setBuddy(nullptr);
        }
    }
}

void TabStopOnSelectedItem(QButtonGroup* group) {
    const auto update = [group] {
        for (QAbstractButton* item : group->buttons()) {
            item->setFocusPolicy(item->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    update();
    QObject::connect(group, &QButtonGroup::buttonToggled, group, update);
}

void ArrangeRadioItems(QGroupBox* box) {
    box->ensurePolished();
    const QList<QRadioButton*> items = box->findChildren<QRadioButton*>();
    if (items.isEmpty()) {
        return;
    }
    // The frame's inside below the caption, as the style draws it; the items share it evenly,
    // what is left over split above and below them.
    const QRect inside = box->contentsRect();
    const int count = static_cast<int>(items.size());
    const int itemHeight = inside.height() / count;
    const int top = inside.top() + (inside.height() - itemHeight * count) / 2;
    const int left = std::max(8, inside.left());
    for (int i = 0; i < count; ++i) {
        items[i]->setGeometry(left, top + i * itemHeight, inside.right() + 1 - left, itemHeight);
    }
}

void WhenFocusLeaves(QWidget* control, std::function<void()> leave) {
    control->installEventFilter(new FocusLeaveWatcher(control, std::move(leave)));
}

} // namespace quorvane::app
