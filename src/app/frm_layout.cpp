// The window's size and place: the browser docked along the bottom, the window fitted to its
// visible controls and kept inside the screen.
#include "app/frm_design.h"
#include "app/screen_fit.h"
#include "app/tfrmquorvane.h"

#include <QGroupBox>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

namespace quorvane::app {

void TfrmQuorvane::LayOut() {
    // The browser goes one bar-height below the planet group and as wide as the right edge of
    // the Diacriticals button; from then on the window fits its visible controls plus the
    // border, with the browser docked along the bottom.
    scbBrowser->move(scbBrowser->x(), rgpPlanet->y() + rgpPlanet->height() + scbBrowser->height());
    scbBrowser->resize(btnDiacriticals->x() + btnDiacriticals->width(), scbBrowser->height());
    browserLaidOut_ = scbBrowser->geometry();
    autoSize_ = true;
    FitToControls();
    MoveIntoScreen(*this);
}

void TfrmQuorvane::FitToControls() {
    // A long plain name pushes the accented one to its right rather than running under it.
    const QLabel* name = ValueLabelWidget(ValueLabel::Name);
    lblNameUnicodeVal->move(
        std::max(design::kNameUnicodeLeft, name->x() + name->width() + design::kNameGap),
        lblNameUnicodeVal->y());
    if (!autoSize_) {
        return;
    }
    // The docked browser spans whatever width the others need, so it counts where the layout
    // put it: the window shrinks back when a long label gets shorter.
    QRect used = browserLaidOut_;
    for (QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isHidden() && child != scbBrowser) {
            used = used.united(child->geometry());
        }
    }
    const QSize clientSize(used.right() + 1, used.bottom() + 1);
    if (clientSize == client->size()) {
        return;
    }
    client->resize(clientSize);
    scbBrowser->setGeometry(0, clientSize.height() - scbBrowser->height(), clientSize.width(),
                            scbBrowser->height());
    setFixedSize(clientSize.width() + 2 * design::kBorderWidth,
                 clientSize.height() + 2 * design::kBorderWidth);
}

void TfrmQuorvane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (autoSize_ && !event->spontaneous()) {
        MoveIntoScreen(*this);
    }
}

void TfrmQuorvane::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !activatedOnce_) {
        activatedOnce_ = true;
        if (autoSize_) {
            MoveIntoScreen(*this);
        }
    }
}

} // namespace quorvane::app
