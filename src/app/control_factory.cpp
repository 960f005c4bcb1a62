#include "app/control_factory.h"
#include "app/value_label_names.h"

#include "app/qt_text.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace quorvane::app {

namespace {

void NameAndPlace(QWidget* control, std::string_view name, const design::Place& place,
                  std::string_view hint = {}) {
    control->setObjectName(ToQString(name));
    control->setGeometry(place.left, place.top, place.width, place.height);
    if (!hint.empty()) {
        control->setToolTip(ToQString(hint));
    }
}

TLabel* MakeLabel(QWidget* parent, std::string_view name, const design::Place& place,
                  const QString& text) {
    auto* label = new TLabel(parent);
    label->setObjectName(ToQString(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setGeometry(place.left, place.top, place.width, place.height);
    AutoSize(label);
    return label;
}

} // namespace

TLabel* MakeLabel(QWidget* parent, const design::ControlDesign& design) {
    return MakeLabel(parent, design.name, design.place, ToQString(design.text));
}

TLabel* MakeCaption(QWidget* parent, const design::ValueRowDesign& row) {
    TLabel* caption = MakeLabel(parent, NamesOf(row.label).captionObjectName, row.caption,
                                ToQString(InfoOf(row.label).caption));
    caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
    // Captions end at the same column whatever the font makes of their width.
    const design::Place& place = row.caption;
    const int width = std::max(place.width, caption->sizeHint().width());
    caption->setGeometry(place.left + place.width - width, place.top, width, place.height);
    return caption;
}

TLabel* MakeValueLabel(QWidget* parent, ValueLabel label, const design::Place& place) {
    TLabel* value = MakeLabel(parent, NamesOf(label).objectName, place, {});
    value->setContextMenuPolicy(Qt::CustomContextMenu);
    return value;
}

TScrollBar* MakeScrollBar(QWidget* parent, const design::ControlDesign& design) {
    auto* bar = new TScrollBar(parent);
    NameAndPlace(bar, design.name, design.place, design.hint);
    return bar;
}

QPushButton* MakeButton(QWidget* parent, const design::ControlDesign& design) {
    auto* button = new QPushButton(ToQString(design.text), parent);
    button->setAutoDefault(true);
    NameAndPlace(button, design.name, design.place, design.hint);
    return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, const design::ControlDesign& design) {
    auto* box = new QCheckBox(ToQString(design.text), parent);
    box->setChecked(true);
    NameAndPlace(box, design.name, design.place, design.hint);
    return box;
}

RadioGroup MakeRadioGroup(QWidget* parent, const design::RadioGroupDesign& design) {
    const QString name = ToQString(design.name);
    auto* box = new QGroupBox(ToQString(design.caption), parent);
    auto* items = new QButtonGroup(box);
    items->setObjectName(name + QStringLiteral("Items"));
    for (std::size_t i = 0; i < design.items.size(); ++i) {
        auto* item = new QRadioButton(ToQString(design.items[i]), box);
        item->setObjectName(name + QString::number(i));
        items->addButton(item, static_cast<int>(i));
    }
    items->button(design.selected)->setChecked(true);
    TabStopOnSelectedItem(items);
    NameAndPlace(box, design.name, design.place, design.hint);
    ArrangeRadioItems(box);
    return {box, items};
}

QLineEdit* MakeEdit(QWidget* parent, const design::ControlDesign& design) {
    auto* edit = new QLineEdit(ToQString(design.text), parent);
    NameAndPlace(edit, design.name, design.place, design.hint);
    return edit;
}

QAction* MakeAction(QWidget* window, const design::ActionDesign& design) {
    auto* action = new QAction(ToQString(design.text), window);
    action->setObjectName(ToQString(design.name));
    if (!design.hint.empty()) {
        action->setToolTip(ToQString(design.hint));
    }
    if (!design.status.empty()) {
        action->setStatusTip(ToQString(design.status));
    }
    if (design.shortcut != QKeyCombination()) {
        action->setShortcut(QKeySequence(design.shortcut));
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
    }
    return action;
}

QAction* MakeMenuEntry(QMenu* menu, const design::MenuEntryDesign& design, QAction* command) {
    QAction* entry =
        menu->addAction(design.text.empty() ? command->text() : ToQString(design.text));
    entry->setObjectName(ToQString(design.name));
    return entry;
}

} // namespace quorvane::app
