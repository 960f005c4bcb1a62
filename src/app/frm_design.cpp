// Building the window's controls from its design: their captions, hints and places, the
// commands and the popup menu, the tab order and the accelerators.
#include "app/frm_design.h"
#include "app/tfrmquorvane.h"

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

TLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                  int width, int height) {
    auto* label = new TLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setGeometry(left, top, width, height);
    label->resize(std::max(3, label->sizeHint().width()), height);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, int left, int top,
                        const QString& hint) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, top, 91, 19);
    button->setToolTip(hint);
    return button;
}

} // namespace

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
    move(199, 131);
    resize(674, 443);

    client = new ClientArea(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setGeometry(kBorderWidth, kBorderWidth, 674 - 2 * kBorderWidth, 443 - 2 * kBorderWidth);
    client->onBackgroundClick = [this] { actFindAgain->trigger(); };

    // Commands.
    actCopy = new QAction(QStringLiteral("&Copier"), this);
    actCopy->setObjectName(QStringLiteral("actCopy"));
    actCopy->setToolTip(QStringLiteral("Copier"));
    actCopy->setStatusTip(
        QStringLiteral("Copier la sélection et la placer dans le Presse-papiers"));
    actFind = new QAction(QStringLiteral("C&hercher..."), this);
    actFind->setObjectName(QStringLiteral("actFind"));
    actFindAgain = new QAction(QStringLiteral("&Occurence suivante"), this);
    actFindAgain->setObjectName(QStringLiteral("actFindAgain"));
    actFindAgain->setShortcut(QKeySequence(Qt::Key_F3));
    actFindAgain->setShortcutContext(Qt::WindowShortcut);
    actFindBackward = new QAction(QStringLiteral("Occurence précédente"), this);
    actFindBackward->setObjectName(QStringLiteral("actFindBackward"));
    actFindBackward->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    actFindBackward->setShortcutContext(Qt::WindowShortcut);
    actBrowseForAstOrb = new QAction(QStringLiteral("&Open..."), this);
    actBrowseForAstOrb->setObjectName(QStringLiteral("actBrowseForAstOrb"));
    actBrowseForAstOrb->setToolTip(QStringLiteral("Browse"));
    actBrowseForAstOrb->setStatusTip(QStringLiteral("Browse for AstOrb.dat"));
    actBrowseForDiacriticals = new QAction(QStringLiteral("&Diacriticals..."), this);
    actBrowseForDiacriticals->setObjectName(QStringLiteral("actBrowseForDiacriticals"));
    actBrowseForDiacriticals->setToolTip(QStringLiteral("Browse"));
    actBrowseForDiacriticals->setStatusTip(QStringLiteral("Browse for Diacriticals.txt"));
    addAction(actFindAgain);
    addAction(actFindBackward);
    connect(actCopy, &QAction::triggered, this, &TfrmQuorvane::actCopyExecute);
    connect(actFind, &QAction::triggered, this, &TfrmQuorvane::actFindExecute);
    connect(actFindAgain, &QAction::triggered, this, &TfrmQuorvane::actFindAgainExecute);
    connect(actFindBackward, &QAction::triggered, this, &TfrmQuorvane::actFindAgainBackwardExecute);
    connect(actBrowseForAstOrb, &QAction::triggered, this,
            &TfrmQuorvane::actBrowseForAstOrbExecute);
    connect(actBrowseForDiacriticals, &QAction::triggered, this,
            &TfrmQuorvane::actBrowseForDiacriticalsExecute);

    // Popup menu of the value labels: its entries carry their own captions and show the
    // shortcuts of the commands they run.
    mnuPopup = new QMenu(this);
    mnuPopup->setObjectName(QStringLiteral("mnuPopup"));
    mnuCopy = mnuPopup->addAction(actCopy->text());
    mnuCopy->setObjectName(QStringLiteral("mnuCopy"));
    mnuFind = mnuPopup->addAction(QStringLiteral("Searc&h..."));
    mnuFind->setObjectName(QStringLiteral("mnuFind"));
    mnuFindAgain = mnuPopup->addAction(QStringLiteral("Next &occurence\tF3"));
    mnuFindAgain->setObjectName(QStringLiteral("mnuFindAgain"));
    mnuFindAgain->setEnabled(false);
    mnuFindAgainBackward = mnuPopup->addAction(QStringLiteral("Previous occ&urence\tShift+F3"));
    mnuFindAgainBackward->setObjectName(QStringLiteral("mnuFindAgainBackward"));
    mnuFindAgainBackward->setEnabled(false);
    connect(mnuCopy, &QAction::triggered, actCopy, &QAction::trigger);
    connect(mnuFind, &QAction::triggered, actFind, &QAction::trigger);
    connect(mnuFindAgain, &QAction::triggered, actFindAgain, &QAction::trigger);
    connect(mnuFindAgainBackward, &QAction::triggered, actFindBackward, &QAction::trigger);
    connect(mnuPopup, &QMenu::aboutToShow, this, &TfrmQuorvane::mnuPopupPopup);

    // Labels.
    lblAstOrbPath = MakeLabel(client, "lblAstOrbPath", QStringLiteral("AstOrb.dat path:"), 66, 3,
                              83, kRowHeight);
    lblAstOrbPathVal = MakeLabel(client, "lblAstOrbPathVal", {}, 152, 3, 3, kRowHeight);
    for (const ValueLabelInfo& info : kValueLabels) {
        const auto index = static_cast<std::size_t>(info.label);
        if (info.label == ValueLabel::NameUnicode) {
            continue;
        }
        const CaptionRow& row = kCaptionRows[index];
        TLabel* caption =
            MakeLabel(client, std::string(info.captionObjectName).c_str(), ToQString(info.caption),
                      row.left, row.top, row.width, kRowHeight);
        caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
        // Captions end at the same column whatever the font makes of their width.
        const int width = std::max(row.width, caption->sizeHint().width());
        caption->setGeometry(row.left + row.width - width, row.top, width, kRowHeight);
        captionLabels[index] = caption;
        valueLabels[index] = MakeLabel(client, std::string(info.objectName).c_str(), {}, kValueLeft,
                                       row.top, 3, kRowHeight);
    }
    lblNameUnicodeVal = MakeLabel(client, "lblNameUnicodeVal", {}, kNameUnicodeLeft, 36, 3, 15);
    QFont unicodeFont;
    unicodeFont.setFamilies({QStringLiteral("Arial Unicode MS"), QStringLiteral("Liberation Sans"),
                             QStringLiteral("DejaVu Sans")});
    unicodeFont.setPixelSize(11);
    lblNameUnicodeVal->setFont(unicodeFont);
    lblNameUnicodeVal->hide();
    valueLabels[static_cast<std::size_t>(ValueLabel::NameUnicode)] = lblNameUnicodeVal;
    for (TLabel* label : valueLabels) {
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(label, &QWidget::customContextMenuRequested, this,
                [this, label](const QPoint& at) { ShowPopupMenu(label, label->mapToGlobal(at)); });
    }
    lblTolerance = MakeLabel(client, "lblTolerance", QStringLiteral("&Tolerance (m/s): 10"), 2, 70,
                             94, kRowHeight);
    lblOtherDiameter =
        MakeLabel(client, "lblOtherDiameter", QStringLiteral("Diameter:"), 430, 56, 47, kRowHeight);
    lblAlbedo = MakeLabel(client, "lblAlbedo", QStringLiteral("Albe&do:"), 430, 95, 37, kRowHeight);
    lblDensity =
        MakeLabel(client, "lblDensity", QStringLiteral("Density:"), 430, 135, 40, kRowHeight);

    // Input controls, in tab order.
    scbBrowser = new TScrollBar(client);
    scbBrowser->setObjectName(QStringLiteral("scbBrowser"));
    scbBrowser->setGeometry(0, 280, 496, 15);
    scbBrowser->setRange(0, 0);
    scbBrowser->setSingleStep(1);
    scbBrowser->setPageStep(0);
    scbBrowser->setEnabled(false);
    connect(scbBrowser, &QScrollBar::valueChanged, this, &TfrmQuorvane::scbBrowserChange);

    btnBrowse = new QPushButton(actBrowseForAstOrb->text(), client);
    btnBrowse->setObjectName(QStringLiteral("btnBrowse"));
    btnBrowse->setGeometry(0, 0, 61, 19);
    btnBrowse->setToolTip(QStringLiteral("Browse for AstOrb.dat"));
    connect(btnBrowse, &QPushButton::clicked, actBrowseForAstOrb, &QAction::trigger);

    btnWikiFR = MakeButton(client, "btnWikiFR", QStringLiteral("Copier Wiki (&FR)"), 0, 25,
                           QStringLiteral("Met le Wikicode dans le presse-papiers"));
    btnWikiEN = MakeButton(client, "btnWikiEN", QStringLiteral("Copy Wiki (&EN)"), 98, 25,
                           QStringLiteral("Puts the Wikicode on the clipboard"));
    btnSpecial = MakeButton(client, "btnSpecial", QStringLiteral("Spe&cial"), 0, 49,
                            QStringLiteral("Extracts a list to the clipboard"));
    btnFamily = MakeButton(client, "btnFamily", QStringLiteral("Famil&y"), 98, 49,
                           QStringLiteral("Extracts family members to the clipboard"));
    for (QPushButton* button : {btnWikiFR, btnWikiEN, btnSpecial, btnFamily}) {
        button->setEnabled(false);
    }
    connect(btnWikiFR, &QPushButton::clicked, this, &TfrmQuorvane::btnWikiFRClick);
    connect(btnWikiEN, &QPushButton::clicked, this, &TfrmQuorvane::btnWikiFRClick);
    connect(btnSpecial, &QPushButton::clicked, this, &TfrmQuorvane::btnSpecialClick);
    connect(btnFamily, &QPushButton::clicked, this, &TfrmQuorvane::btnFamilyClick);

    scrTolerance = new TScrollBar(client);
    scrTolerance->setObjectName(QStringLiteral("scrTolerance"));
    scrTolerance->setGeometry(2, 87, 183, 16);
    scrTolerance->setRange(0, 200);
    scrTolerance->setValue(10);
    scrTolerance->setSingleStep(1);
    scrTolerance->setPageStep(10);
    scrTolerance->setToolTip(QStringLiteral("Sets the Family tolerance"));
    connect(scrTolerance, &QScrollBar::valueChanged, this, &TfrmQuorvane::scrToleranceChange);
    lblTolerance->setBuddy(scrTolerance);

    chkNumbered = new QCheckBox(QStringLiteral("Num&bered Only"), client);
    chkNumbered->setObjectName(QStringLiteral("chkNumbered"));
    chkNumbered->setGeometry(2, 104, 97, 18);
    chkNumbered->setChecked(true);
    chkNumbered->setToolTip(QStringLiteral("Limits search to the numbered asteroids"));

    const auto makeGroup = [this](const char* name, const QString& caption, int left, int width,
                                  const QStringList& items, int selected, const QString& hint,
                                  QButtonGroup*& group) {
        auto* box = new QGroupBox(caption, client);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(left, 119, width, 153);
        box->setToolTip(hint);
        group = new QButtonGroup(box);
        group->setObjectName(QString::fromLatin1(name) + QStringLiteral("Items"));
        for (int i = 0; i < items.size(); ++i) {
            auto* item = new QRadioButton(items[i], box);
            item->setObjectName(QString::fromLatin1(name) + QString::number(i));
            group->addButton(item, i);
        }
        group->button(selected)->setChecked(true);
        TabStopOnSelectedItem(group);
        ArrangeRadioItems(box);
        return box;
    };
    rgpPlanet = makeGroup(
        "rgpPlanet", QStringLiteral("Planet"), 2, 79,
        {QStringLiteral("&Mercury"), QStringLiteral("&Venus"), QStringLiteral("Eart&h"),
         QStringLiteral("M&ars"), QStringLiteral("&Jupiter"), QStringLiteral("&Saturn"),
         QStringLiteral("&Uranus"), QStringLiteral("&Neptune"), QStringLiteral("&Pluton")},
        0, QStringLiteral("Which planet is used by the Special button"), rgpPlanetItems);
    rgpType = makeGroup(
        "rgpType", QStringLiteral("Type"), 90, 97,
        {QStringLiteral("&Inner"), QStringLiteral("Inner-Gra&zer"), QStringLiteral("Co-Orbita&l"),
         QStringLiteral("C&rosser"), QStringLiteral("Outer-&Grazer"), QStringLiteral("&Outer"),
         QStringLiteral("Retrograde")},
        2, QStringLiteral("Type of asteroid extracted by the Special button"), rgpTypeItems);
    connect(rgpTypeItems, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            rgpTypeClick(id);
        }
    });

    const auto makeEdit = [this](const char* name, const QString& text, int top,
                                 const QString& hint) {
        auto* edit = new QLineEdit(text, client);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setGeometry(426, top, 65, 21);
        edit->setToolTip(hint);
        return edit;
    };
    edtDiameter = makeEdit("edtDiameter", {}, 71,
                           QStringLiteral("Diameter to use instead of the database's"));
    edtAlbedo = makeEdit("edtAlbedo", QStringLiteral("0.1"), 112,
                         QStringLiteral("Albedo to use when computing surface temperature"));
    edtDensity =
        makeEdit("edtDensity", QStringLiteral("2"), 151,
                 QStringLiteral("Density to use when computing mass, gravity and escape velocity"));
    lblOtherDiameter->setBuddy(edtDiameter);
    lblAlbedo->setBuddy(edtAlbedo);
    lblDensity->setBuddy(edtDensity);
    // The leave handlers run whenever the focus leaves a box inside the window, whether or not
    // its text changed.
    for (QLineEdit* edit : {edtDiameter, edtAlbedo, edtDensity}) {
        edit->installEventFilter(this);
    }

    Button1 = MakeButton(client, "Button1", QStringLiteral("(Inclinations)"), 402, 183,
                         QStringLiteral("Scan database for highest-inclination asteroid"));
    Button1->setVisible(false);
    connect(Button1, &QPushButton::clicked, this, &TfrmQuorvane::Button1Click);

    btnDiacriticals = new QPushButton(actBrowseForDiacriticals->text(), client);
    btnDiacriticals->setObjectName(QStringLiteral("btnDiacriticals"));
    btnDiacriticals->setGeometry(402, 253, 91, 19);
    btnDiacriticals->setToolTip(QStringLiteral("Browse for Diacriticals.txt"));
    connect(btnDiacriticals, &QPushButton::clicked, actBrowseForDiacriticals, &QAction::trigger);

    btnExtractNames =
        MakeButton(client, "btnExtractNames", QStringLiteral("Extract Names"), 402, 226,
                   QStringLiteral("Copies all of the asteroid names to the clipboard"));
    connect(btnExtractNames, &QPushButton::clicked, this, &TfrmQuorvane::btnExtractNamesClick);

    QWidget* order[] = {scbBrowser, btnBrowse, btnWikiFR,       btnWikiEN,
                        btnSpecial, btnFamily, scrTolerance,    chkNumbered,
                        rgpPlanet,  rgpType,   edtDiameter,     edtAlbedo,
                        edtDensity, Button1,   btnDiacriticals, btnExtractNames};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }

    // Return presses a focused button, as Space does.
    for (QPushButton* button : client->findChildren<QPushButton*>()) {
        button->setAutoDefault(true);
    }
    // "&Open..." keeps Alt+O from "&Outer", and the Albedo label Alt+D from "&Diacriticals...".
    std::vector<QWidget*> claimants = {lblTolerance, lblOtherDiameter, lblAlbedo, lblDensity,
                                       btnBrowse,    btnWikiFR,        btnWikiEN, btnSpecial,
                                       btnFamily,    chkNumbered};
    for (QAbstractButton* item : rgpPlanetItems->buttons()) {
        claimants.push_back(item);
    }
    for (QAbstractButton* item : rgpTypeItems->buttons()) {
        claimants.push_back(item);
    }
    claimants.insert(claimants.end(), {Button1, btnDiacriticals, btnExtractNames});
    GiveSharedAcceleratorsToTheFirst(claimants);
}

} // namespace quorvane::app
