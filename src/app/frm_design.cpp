// Building the window's controls from its design table: the commands and the popup menu, the
// controls with their captions, hints and places, what each one runs, the tab order and the
// accelerators.
#include "app/frm_design.h"
#include "app/tfrmquorvane.h"
#include "app/value_label_names.h"

#include "astorb/display.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <utility>

namespace quorvane::app {

namespace {

using design::ControlDesign;
using design::ControlKind;

QString Name(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The value label names of a caption or value label row.
constexpr const ValueLabelNames* NamesOfRow(const ControlDesign& row) {
    for (const ValueLabelNames& info : kValueLabelNames) {
        if ((row.kind == ControlKind::Caption && info.captionObjectName == row.name) ||
            (row.kind == ControlKind::Value && info.objectName == row.name)) {
            return &info;
        }
    }
    return nullptr;
}

constexpr bool EveryValueLabelRowIsKnown() {
    return std::all_of(
        std::begin(design::kControls), std::end(design::kControls), [](const ControlDesign& row) {
            return (row.kind != ControlKind::Caption && row.kind != ControlKind::Value) ||
                   NamesOfRow(row) != nullptr;
        });
}
static_assert(EveryValueLabelRowIsKnown(), "a caption or value row names no value label");

// The child of `parent` named `name`: the design table and the window's members name the same
// controls, so a miss is a fault of the program.
template <typename T> T* Designed(const QObject* parent, std::string_view name) {
    T* found = parent->findChild<T*>(Name(name));
    if (found == nullptr) {
        qFatal("the window's design has no %s", std::string(name).c_str());
    }
    return found;
}

TLabel* MakeLabel(QWidget* parent, const ControlDesign& row, const QString& text) {
    auto* label = new TLabel(parent);
    label->setObjectName(Name(row.name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setGeometry(row.left, row.top, row.width, row.height);
    AutoSize(label);
    return label;
}

QGroupBox* MakeRadioGroup(QWidget* parent, const ControlDesign& row) {
    auto* box = new QGroupBox(ToQString(row.text), parent);
    auto* group = new QButtonGroup(box);
    group->setObjectName(Name(row.name) + QStringLiteral("Items"));
    for (std::size_t i = 0; i < row.items.size(); ++i) {
        auto* item = new QRadioButton(ToQString(row.items[i]), box);
        item->setObjectName(Name(row.name) + QString::number(i));
        group->addButton(item, static_cast<int>(i));
    }
    group->button(row.selected)->setChecked(true);
    TabStopOnSelectedItem(group);
    return box;
}

} // namespace

QWidget* TfrmQuorvane::MakeControl(const ControlDesign& row) {
    QWidget* control = nullptr;
    switch (row.kind) {
    case ControlKind::Label:
        return MakeLabel(client, row, ToQString(row.text));
    case ControlKind::Caption: {
        TLabel* caption = MakeLabel(client, row, ToQString(InfoOf(NamesOfRow(row)->label).caption));
        caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
        // Captions end at the same column whatever the font makes of their width.
        const int width = std::max(row.width, caption->sizeHint().width());
        caption->setGeometry(row.left + row.width - width, row.top, width, row.height);
        return caption;
    }
    case ControlKind::Value: {
        TLabel* label = MakeLabel(client, row, {});
        valueLabels[static_cast<std::size_t>(NamesOfRow(row)->label)] = label;
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(label, &QWidget::customContextMenuRequested, this,
                [this, label](const QPoint& at) { ShowPopupMenu(label, label->mapToGlobal(at)); });
        return label;
    }
    case ControlKind::ScrollBar:
        control = new TScrollBar(client);
        break;
    case ControlKind::Button: {
        auto* button = new QPushButton(client);
        if (row.command.empty()) {
            button->setText(ToQString(row.text));
        } else {
            auto* command = Designed<QAction>(this, row.command);
            button->setText(command->text());
            connect(button, &QPushButton::clicked, command, &QAction::trigger);
        }
        // Return presses a focused button, as Space does.
        button->setAutoDefault(true);
        control = button;
        break;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(ToQString(row.text), client);
        box->setChecked(true);
        control = box;
        break;
    }
    case ControlKind::RadioGroup:
        control = MakeRadioGroup(client, row);
        break;
    case ControlKind::Edit:
        control = new QLineEdit(ToQString(row.text), client);
        // The leave handlers run whenever the focus leaves a box inside the window, whether
        // or not its text changed.
        control->installEventFilter(this);
        break;
    }
    control->setObjectName(Name(row.name));
    control->setGeometry(row.left, row.top, row.width, row.height);
    if (!row.hint.empty()) {
        control->setToolTip(ToQString(row.hint));
    }
    if (auto* box = qobject_cast<QGroupBox*>(control)) {
        ArrangeRadioItems(box);
    }
    return control;
}

void TfrmQuorvane::CreateControls() {
    setObjectName(QStringLiteral("frmQuorvane"));
    setWindowTitle(QStringLiteral("Quorvane 1.3"));
    setWindowIcon(QIcon(QStringLiteral(":/quorvane.png")));
    QFont font;
    font.setFamilies(
        {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPixelSize(11);
    setFont(font);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    move(design::kDesignLeft, design::kDesignTop);
    resize(design::kDesignWidth, design::kDesignHeight);

    client = new ClientArea(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setGeometry(design::kBorderWidth, design::kBorderWidth,
                        design::kDesignWidth - 2 * design::kBorderWidth,
                        design::kDesignHeight - 2 * design::kBorderWidth);

    for (const design::ActionDesign& row : design::kActions) {
        auto* action = new QAction(ToQString(row.text), this);
        action->setObjectName(Name(row.name));
        if (!row.hint.empty()) {
            action->setToolTip(ToQString(row.hint));
        }
        if (!row.status.empty()) {
            action->setStatusTip(ToQString(row.status));
        }
        if (row.shortcut != QKeyCombination()) {
            action->setShortcut(QKeySequence(row.shortcut));
            action->setShortcutContext(Qt::WindowShortcut);
            addAction(action);
        }
    }
    QAction* findAgain = Designed<QAction>(this, "actFindAgain");
    client->onBackgroundClick = [findAgain] { findAgain->trigger(); };

    mnuPopup = new QMenu(this);
    mnuPopup->setObjectName(QStringLiteral("mnuPopup"));
    for (const design::MenuEntryDesign& row : design::kPopupMenu) {
        auto* command = Designed<QAction>(this, row.command);
        QAction* entry =
            mnuPopup->addAction(row.text.empty() ? command->text() : ToQString(row.text));
        entry->setObjectName(Name(row.name));
        entry->setEnabled(row.enabled);
        connect(entry, &QAction::triggered, command, &QAction::trigger);
    }
    connect(mnuPopup, &QMenu::aboutToShow, this, &TfrmQuorvane::mnuPopupPopup);

    // The controls, then the tab order of those that take the focus, in the table's order; a
    // shared accelerator goes to the first label that claims it, then to the first control.
    std::vector<QWidget*> tabOrder;
    std::vector<QWidget*> claimants;
    std::vector<QWidget*> controls;
    for (const ControlDesign& row : design::kControls) {
        QWidget* control = MakeControl(row);
        if (row.kind == ControlKind::Label || row.kind == ControlKind::Caption ||
            row.kind == ControlKind::Value) {
            claimants.push_back(control);
            continue;
        }
        tabOrder.push_back(control);
        if (row.kind == ControlKind::RadioGroup) {
            for (QRadioButton* item : control->findChildren<QRadioButton*>()) {
                controls.push_back(item);
            }
        } else {
            controls.push_back(control);
        }
    }
    for (const ControlDesign& row : design::kControls) {
        if (!row.buddy.empty()) {
            Designed<QLabel>(client, row.name)->setBuddy(Designed<QWidget>(client, row.buddy));
        }
    }
    for (std::size_t i = 0; i + 1 < tabOrder.size(); ++i) {
        setTabOrder(tabOrder[i], tabOrder[i + 1]);
    }
    claimants.insert(claimants.end(), controls.begin(), controls.end());
    GiveSharedAcceleratorsToTheFirst(claimants);

    lblAstOrbPathVal = Designed<QLabel>(client, "lblAstOrbPathVal");
    lblNameUnicodeVal = Designed<QLabel>(client, "lblNameUnicodeVal");
    lblTolerance = Designed<QLabel>(client, "lblTolerance");
    scbBrowser = Designed<QScrollBar>(client, "scbBrowser");
    btnWikiFR = Designed<QPushButton>(client, "btnWikiFR");
    btnWikiEN = Designed<QPushButton>(client, "btnWikiEN");
    btnSpecial = Designed<QPushButton>(client, "btnSpecial");
    btnFamily = Designed<QPushButton>(client, "btnFamily");
    scrTolerance = Designed<QScrollBar>(client, "scrTolerance");
    chkNumbered = Designed<QCheckBox>(client, "chkNumbered");
    rgpPlanet = Designed<QGroupBox>(client, "rgpPlanet");
    rgpPlanetItems = Designed<QButtonGroup>(client, "rgpPlanetItems");
    rgpTypeItems = Designed<QButtonGroup>(client, "rgpTypeItems");
    edtDiameter = Designed<QLineEdit>(client, "edtDiameter");
    edtAlbedo = Designed<QLineEdit>(client, "edtAlbedo");
    edtDensity = Designed<QLineEdit>(client, "edtDensity");
    btnDiacriticals = Designed<QPushButton>(client, "btnDiacriticals");
    actBrowseForAstOrb = Designed<QAction>(this, "actBrowseForAstOrb");
    mnuFindAgain = Designed<QAction>(mnuPopup, "mnuFindAgain");
    mnuFindAgainBackward = Designed<QAction>(mnuPopup, "mnuFindAgainBackward");

    // The accented name shows only once Diacriticals.txt is loaded, in a font that has its
    // letters.
    QFont unicodeFont;
    unicodeFont.setFamilies({QStringLiteral("Arial Unicode MS"), QStringLiteral("Liberation Sans"),
                             QStringLiteral("DejaVu Sans")});
    unicodeFont.setPixelSize(11);
    lblNameUnicodeVal->setFont(unicodeFont);
    lblNameUnicodeVal->hide();
    // The browser waits for a database, and the commands on a record with it.
    scbBrowser->setRange(0, 0);
    scbBrowser->setSingleStep(1);
    scbBrowser->setPageStep(0);
    scbBrowser->setEnabled(false);
    for (QPushButton* button : {btnWikiFR, btnWikiEN, btnSpecial, btnFamily}) {
        button->setEnabled(false);
    }
    Designed<QPushButton>(client, "Button1")->setVisible(false);
    scrTolerance->setRange(0, 200);
    scrTolerance->setValue(10);
    scrTolerance->setSingleStep(1);
    scrTolerance->setPageStep(10);

    connect(scbBrowser, &QScrollBar::valueChanged, this, &TfrmQuorvane::scbBrowserChange);
    connect(scrTolerance, &QScrollBar::valueChanged, this, &TfrmQuorvane::scrToleranceChange);
    // What each command and button runs.
    const std::pair<std::string_view, void (TfrmQuorvane::*)()> handlers[] = {
        {"actCopy", &TfrmQuorvane::actCopyExecute},
        {"actFind", &TfrmQuorvane::actFindExecute},
        {"actFindAgain", &TfrmQuorvane::actFindAgainExecute},
        {"actFindBackward", &TfrmQuorvane::actFindAgainBackwardExecute},
        {"actBrowseForAstOrb", &TfrmQuorvane::actBrowseForAstOrbExecute},
        {"actBrowseForDiacriticals", &TfrmQuorvane::actBrowseForDiacriticalsExecute},
        {"btnWikiFR", &TfrmQuorvane::btnWikiFRClick},
        {"btnWikiEN", &TfrmQuorvane::btnWikiFRClick},
        {"btnSpecial", &TfrmQuorvane::btnSpecialClick},
        {"btnFamily", &TfrmQuorvane::btnFamilyClick},
        {"Button1", &TfrmQuorvane::Button1Click},
        {"btnExtractNames", &TfrmQuorvane::btnExtractNamesClick},
    };
    for (const auto& [name, handler] : handlers) {
        if (auto* action = findChild<QAction*>(Name(name), Qt::FindDirectChildrenOnly)) {
            connect(action, &QAction::triggered, this, handler);
        } else {
            connect(Designed<QPushButton>(client, name), &QPushButton::clicked, this, handler);
        }
    }
    connect(rgpTypeItems, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            rgpTypeClick(id);
        }
    });
}

} // namespace quorvane::app
