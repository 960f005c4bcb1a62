// Making the window's controls from their design: each maker names the control, places it and
// gives it its caption and hint. What a control runs is connected by the window that makes it.
#pragma once

#include "app/controls.h"
#include "app/frm_design.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;

namespace quorvane::app {

// A label fitted to its text, shown as plain text.
TLabel* MakeLabel(QWidget* parent, const design::ControlDesign& design);

// A value label's caption, right-aligned to end where its design ends, widened leftwards when
// the font needs more.
TLabel* MakeCaption(QWidget* parent, const design::ValueRowDesign& row);

// A value label, empty, that asks for its popup menu.
TLabel* MakeValueLabel(QWidget* parent, ValueLabel label, const design::Place& place);

// A horizontal scroll bar that takes the focus.
TScrollBar* MakeScrollBar(QWidget* parent, const design::ControlDesign& design);

// A push button that Return presses when it has the focus, as Space does.
QPushButton* MakeButton(QWidget* parent, const design::ControlDesign& design);

// A check box, checked at first.
QCheckBox* MakeCheckBox(QWidget* parent, const design::ControlDesign& design);

// A framed group of radio items, "<name>0", "<name>1"..., in the button group "<name>Items"
// with the items' indexes as ids; Tab enters it at its selected item.
struct RadioGroup {
    QGroupBox* box;
    QButtonGroup* items;
};
RadioGroup MakeRadioGroup(QWidget* parent, const design::RadioGroupDesign& design);

// A one-line edit box holding its first text.
QLineEdit* MakeEdit(QWidget* parent, const design::ControlDesign& design);

// A command of `window`; one with a shortcut is added to the window, whose shortcut it is
// wherever the focus stands.
QAction* MakeAction(QWidget* window, const design::ActionDesign& design);

// An entry of `menu` for `command`, under its own caption or else the command's.
QAction* MakeMenuEntry(QMenu* menu, const design::MenuEntryDesign& design, QAction* command);

} // namespace quorvane::app
