// The window assembled: its frame, its commands and popup menu, then its controls one by one in
// creation order, each connected where it is made to what it runs; last the keyboard: the tab
// order, the labels' controls and the accelerators.
#include "app/control_factory.h"
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

#include <vector>

namespace quorvane::app {

void TfrmQuorvane::CreateControls() {
    CreateFrame();
    CreateCommands();
    CreatePopupMenu();
    CreateLabels();
    CreateInputs();
    ArrangeKeyboard();
}

void TfrmQuorvane::CreateFrame() {
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
}

void TfrmQuorvane::CreateCommands() {
    actCopy = MakeAction(this, design::kActCopy);
    connect(actCopy, &QAction::triggered, this, &TfrmQuorvane::actCopyExecute);
    actFind = MakeAction(this, design::kActFind);
    connect(actFind, &QAction::triggered, this, &TfrmQuorvane::actFindExecute);
    actFindAgain = MakeAction(this, design::kActFindAgain);
    connect(actFindAgain, &QAction::triggered, this, &TfrmQuorvane::actFindAgainExecute);
    actFindBackward = MakeAction(this, design::kActFindBackward);
    connect(actFindBackward, &QAction::triggered, this, &TfrmQuorvane::actFindAgainBackwardExecute);
    actBrowseForAstOrb = MakeAction(this, design::kActBrowseForAstOrb);
    connect(actBrowseForAstOrb, &QAction::triggered, this,
            &TfrmQuorvane::actBrowseForAstOrbExecute);
    actBrowseForDiacriticals = MakeAction(this, design::kActBrowseForDiacriticals);
    connect(actBrowseForDiacriticals, &QAction::triggered, this,
            &TfrmQuorvane::actBrowseForDiacriticalsExecute);
    client->onBackgroundClick = [this] { actFindAgain->trigger(); };
}

void TfrmQuorvane::CreatePopupMenu() {
    mnuPopup = new QMenu(this);
    mnuPopup->setObjectName(QStringLiteral("mnuPopup"));
    QAction* mnuCopy = MakeMenuEntry(mnuPopup, design::kMnuCopy, actCopy);
    connect(mnuCopy, &QAction::triggered, actCopy, &QAction::trigger);
    QAction* mnuFind = MakeMenuEntry(mnuPopup, design::kMnuFind, actFind);
    connect(mnuFind, &QAction::triggered, actFind, &QAction::trigger);
    // The again entries wait for a search.
    mnuFindAgain = MakeMenuEntry(mnuPopup, design::kMnuFindAgain, actFindAgain);
    mnuFindAgain->setEnabled(false);
    connect(mnuFindAgain, &QAction::triggered, actFindAgain, &QAction::trigger);
    mnuFindAgainBackward = MakeMenuEntry(mnuPopup, design::kMnuFindAgainBackward, actFindBackward);
    mnuFindAgainBackward->setEnabled(false);
    connect(mnuFindAgainBackward, &QAction::triggered, actFindBackward, &QAction::trigger);
    connect(mnuPopup, &QMenu::aboutToShow, this, &TfrmQuorvane::mnuPopupPopup);
}

void TfrmQuorvane::CreateLabels() {
    const auto addValueLabel = [this](ValueLabel label, const design::Place& place) {
        TLabel* value = MakeValueLabel(client, label, place);
        valueLabels[static_cast<std::size_t>(label)] = value;
        connect(value, &QWidget::customContextMenuRequested, this,
                [this, value](const QPoint& at) { ShowPopupMenu(value, value->mapToGlobal(at)); });
        return value;
    };

    MakeLabel(client, design::kLblAstOrbPath);
    lblAstOrbPathVal = MakeLabel(client, design::kLblAstOrbPathVal);
    for (const design::ValueRowDesign& row : design::kValueRows) {
        MakeCaption(client, row);
        addValueLabel(row.label, design::ValuePlace(row));
    }
    lblNameUnicodeVal = addValueLabel(ValueLabel::NameUnicode, design::kLblNameUnicodeVal);
    // The accented name shows only once Diacriticals.txt is loaded, in a font that has its
    // letters.
    QFont unicodeFont;
    unicodeFont.setFamilies({QStringLiteral("Arial Unicode MS"), QStringLiteral("Liberation Sans"),
                             QStringLiteral("DejaVu Sans")});
    unicodeFont.setPixelSize(11);
    lblNameUnicodeVal->setFont(unicodeFont);
    lblNameUnicodeVal->hide();

    lblTolerance = MakeLabel(client, design::kLblTolerance);
    lblOtherDiameter = MakeLabel(client, design::kLblOtherDiameter);
    lblAlbedo = MakeLabel(client, design::kLblAlbedo);
    lblDensity = MakeLabel(client, design::kLblDensity);
}

void TfrmQuorvane::CreateInputs() {
    // The browser waits for a database, and the commands on a record with it.
    scbBrowser = MakeScrollBar(client, design::kScbBrowser);
    scbBrowser->setRange(0, 0);
    scbBrowser->setSingleStep(1);
    scbBrowser->setPageStep(0);
    scbBrowser->setEnabled(false);
    connect(scbBrowser, &QScrollBar::valueChanged, this, &TfrmQuorvane::scbBrowserChange);

    btnBrowse = MakeButton(client, design::kBtnBrowse);
    connect(btnBrowse, &QPushButton::clicked, actBrowseForAstOrb, &QAction::trigger);
    btnWikiFR = MakeButton(client, design::kBtnWikiFR);
    connect(btnWikiFR, &QPushButton::clicked, this,
            [this] { btnWikiFRClick(InfoboxLanguage::French); });
    btnWikiEN = MakeButton(client, design::kBtnWikiEN);
    connect(btnWikiEN, &QPushButton::clicked, this,
            [this] { btnWikiFRClick(InfoboxLanguage::English); });
    btnSpecial = MakeButton(client, design::kBtnSpecial);
    connect(btnSpecial, &QPushButton::clicked, this, &TfrmQuorvane::btnSpecialClick);
    btnFamily = MakeButton(client, design::kBtnFamily);
    connect(btnFamily, &QPushButton::clicked, this, &TfrmQuorvane::btnFamilyClick);
    // The figure waits for a family.
    btnFigure = MakeButton(client, design::kBtnFigure);
    connect(btnFigure, &QPushButton::clicked, this, &TfrmQuorvane::btnFigureClick);
    for (QPushButton* button : {btnWikiFR, btnWikiEN, btnSpecial, btnFamily, btnFigure}) {
        button->setEnabled(false);
    }

    scrTolerance = MakeScrollBar(client, design::kScrTolerance);
    scrTolerance->setRange(0, 200);
    scrTolerance->setValue(10);
    scrTolerance->setSingleStep(1);
    scrTolerance->setPageStep(10);
    connect(scrTolerance, &QScrollBar::valueChanged, this, &TfrmQuorvane::scrToleranceChange);
    chkNumbered = MakeCheckBox(client, design::kChkNumbered);

    const RadioGroup planet = MakeRadioGroup(client, design::kRgpPlanet);
    rgpPlanet = planet.box;
    rgpPlanetItems = planet.items;
    const RadioGroup type = MakeRadioGroup(client, design::kRgpType);
    rgpType = type.box;
    rgpTypeItems = type.items;
    connect(rgpTypeItems, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            rgpTypeClick(id);
        }
    });

    edtDiameter = MakeEdit(client, design::kEdtDiameter);
    WhenFocusLeaves(edtDiameter, [this] { edtDiameterExit(); });
    edtAlbedo = MakeEdit(client, design::kEdtAlbedo);
    WhenFocusLeaves(edtAlbedo, [this] { edtAlbedoExit(); });
    edtDensity = MakeEdit(client, design::kEdtDensity);
    WhenFocusLeaves(edtDensity, [this] { edtDensityExit(); });

    // The highest-inclination scan has a button that nothing shows.
    Button1 = MakeButton(client, design::kButton1);
    Button1->setVisible(false);
    connect(Button1, &QPushButton::clicked, this, &TfrmQuorvane::Button1Click);
    btnDiacriticals = MakeButton(client, design::kBtnDiacriticals);
    connect(btnDiacriticals, &QPushButton::clicked, actBrowseForDiacriticals, &QAction::trigger);
    btnExtractNames = MakeButton(client, design::kBtnExtractNames);
    connect(btnExtractNames, &QPushButton::clicked, this, &TfrmQuorvane::btnExtractNamesClick);
}

void TfrmQuorvane::ArrangeKeyboard() {
    lblTolerance->setBuddy(scrTolerance);
    lblOtherDiameter->setBuddy(edtDiameter);
    lblAlbedo->setBuddy(edtAlbedo);
    lblDensity->setBuddy(edtDensity);

    // The input controls in creation order, which is their tab order.
    QWidget* const inputs[] = {
        scbBrowser, btnBrowse,    btnWikiFR,   btnWikiEN,       btnSpecial,      btnFamily,
        btnFigure,  scrTolerance, chkNumbered, rgpPlanet,       rgpType,         edtDiameter,
        edtAlbedo,  edtDensity,   Button1,     btnDiacriticals, btnExtractNames,
    };
    for (std::size_t i = 0; i + 1 < std::size(inputs); ++i) {
        setTabOrder(inputs[i], inputs[i + 1]);
    }

    // A shared accelerator goes to the first label that claims it, then to the first control
    // in creation order, a radio group's items in their group's place.
    std::vector<QWidget*> claimants = {lblTolerance, lblOtherDiameter, lblAlbedo, lblDensity};
    for (QWidget* input : inputs) {
        if (qobject_cast<QGroupBox*>(input) != nullptr) {
            for (QRadioButton* item : input->findChildren<QRadioButton*>()) {
                claimants.push_back(item);
            }
        } else {
            claimants.push_back(input);
        }
    }
    GiveSharedAcceleratorsToTheFirst(claimants);
}

} // namespace quorvane::app
