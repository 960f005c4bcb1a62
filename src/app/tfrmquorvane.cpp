#include "app/tfrmquorvane.h"

#include "app/clipboard_keeper.h"

#include "astorb/cp1252.h"
#include "astorb/diacriticals.h"
#include "astorb/error.h"
#include "astorb/numbers.h"
#include "astorb/paths.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QDateTime>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>

#include <algorithm>
#include <climits>
#include <utility>

namespace quorvane::app {

namespace {

constexpr int kBorderWidth = 6;
constexpr int kRowHeight = 13;

struct CaptionRow {
    int left;
    int top;
    int width;
};

// Caption labels, right-aligned to end at x = 304, in the order of ValueLabel; the Unicode name
// label has no caption (its row is unused).
constexpr std::array<CaptionRow, kValueLabelCount> kCaptionRows = {{
    {263, 23, 41},   {273, 36, 31},  {0, 0, 0},      {245, 49, 59},  {264, 62, 40},
    {250, 75, 54},   {231, 88, 73},  {213, 101, 91}, {271, 114, 33}, {230, 127, 74},
    {191, 140, 113}, {223, 153, 81}, {251, 166, 53}, {245, 179, 59}, {224, 192, 80},
    {277, 205, 27},  {271, 218, 33}, {275, 231, 29}, {236, 244, 68}, {199, 257, 105},
}};

constexpr int kValueLeft = 309;
constexpr int kNameUnicodeLeft = 404;
// Between a plain name too long for its column and the accented name beside it.
constexpr int kNameGap = 8;

QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

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

// Fits a label to its text, keeping its top-left corner and its height.
void AutoSize(QLabel* label) {
    const int width = std::max(3, label->sizeHint().width());
    label->resize(width, label->height());
}

} // namespace

QString FromCp1252(const std::string& bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    Cp1252ToUtf16(bytes, reinterpret_cast<char16_t*>(text.data()));
    return text;
}

std::string ToCp1252(const QString& text) {
    return Utf16ToCp1252(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                             static_cast<std::size_t>(text.size())));
}

bool TfrmQuorvane::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == edtDiameter) {
                edtDiameterExit();
            } else if (watched == edtAlbedo) {
                edtAlbedoExit();
            } else if (watched == edtDensity) {
                edtDensityExit();
            }
        }
    }
    return QWidget::eventFilter(watched, event);
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

TfrmQuorvane::TfrmQuorvane(const WindowSeams& seams, QWidget* parent)
    : QWidget(parent), seams_(seams) {
    if (seams_.fileDialogs == nullptr) {
        ownFileDialogs_ = std::make_unique<QtFileDialogs>();
        seams_.fileDialogs = ownFileDialogs_.get();
    }
    if (seams_.messageBoxes == nullptr) {
        ownMessageBoxes_ = std::make_unique<QtMessageBoxes>();
        seams_.messageBoxes = ownMessageBoxes_.get();
    }
    if (seams_.textPrompt == nullptr) {
        ownTextPrompt_ = std::make_unique<QtTextPrompt>();
        seams_.textPrompt = ownTextPrompt_.get();
    }
    astOrbDialog_ = {QStringLiteral("Browse for AstOrb.dat"),
                     QStringLiteral("AstOrb.dat"),
                     QStringLiteral("*.dat"),
                     {},
                     {}};
    diacriticalsDialog_ = {QStringLiteral("Browse for Diacriticals.txt"),
                           QStringLiteral("Diacriticals.txt"),
                           QStringLiteral("*.txt"),
                           {},
                           {}};
    CreateControls();
}

TfrmQuorvane::~TfrmQuorvane() = default;

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

void TfrmQuorvane::LayOut() {
    // The browser goes one bar-height below the planet group and as wide as the right edge of
    // the Diacriticals button; from then on the window fits its visible controls plus the
    // border, with the browser docked along the bottom.
    scbBrowser->move(scbBrowser->x(), rgpPlanet->y() + rgpPlanet->height() + scbBrowser->height());
    scbBrowser->resize(btnDiacriticals->x() + btnDiacriticals->width(), scbBrowser->height());
    browserLaidOut_ = scbBrowser->geometry();
    autoSize_ = true;
    FitToControls();
    KeepOnScreen();
}

void TfrmQuorvane::FitToControls() {
    // A long plain name pushes the accented one to its right rather than running under it.
    const QLabel* name = ValueLabelWidget(ValueLabel::Name);
    lblNameUnicodeVal->move(std::max(kNameUnicodeLeft, name->x() + name->width() + kNameGap),
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
    setFixedSize(clientSize.width() + 2 * kBorderWidth, clientSize.height() + 2 * kBorderWidth);
}

void TfrmQuorvane::KeepOnScreen() {
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QRect frame = frameGeometry();
    const int left =
        std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int top = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    if (left != frame.left() || top != frame.top()) {
        move(left, top);
    }
}

void TfrmQuorvane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (autoSize_ && !event->spontaneous()) {
        KeepOnScreen();
    }
}

void TfrmQuorvane::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !activatedOnce_) {
        activatedOnce_ = true;
        if (autoSize_) {
            KeepOnScreen();
        }
    }
}

void TfrmQuorvane::FormShow() {
    Guarded([this] {
        if (database_.IsOpen()) {
            return;
        }
        LayOut();
        const QString astOrbFolder = settings_.ExistingFolder(kAstOrbDatPath);
        const QString diacriticalsFolder = settings_.ExistingFolder(kDiacriticalsPath);
        if (!OpenAstOrb(astOrbFolder)) {
            actBrowseForAstOrb->trigger();
        }
        LoadNames(diacriticalsFolder);
    });
}

bool TfrmQuorvane::OpenAstOrb(const QString& folder) {
    const std::string path = AstOrbFilePath(folder.toStdString());
    if (!FileExists(path)) {
        return false;
    }
    database_.ReplaceFile(path);
    scbBrowser->setEnabled(true);
    const std::int64_t count = database_.RecordCount();
    if (count < 1) {
        RaiseScrollBarOutOfRange();
    }
    const int maximum = static_cast<int>(std::min<std::int64_t>(count - 1, INT_MAX));
    {
        // Lowering the maximum below the position moves it, which shows the record there.
        inPortCall_ = true;
        displayError_ = nullptr;
        scbBrowser->setMaximum(maximum);
        inPortCall_ = false;
        if (displayError_) {
            std::rethrow_exception(std::exchange(displayError_, nullptr));
        }
    }
    // The page step stays within what the scroll bar accepts: at least one record.
    scbBrowser->setPageStep(std::max(1, maximum / 20));
    ShowRecord(database_, Names(), scbBrowser->value(), *this);
    lblAstOrbPathVal->setText(folder);
    AutoSize(lblAstOrbPathVal);
    FitToControls();
    for (QPushButton* button : {btnWikiFR, btnWikiEN, btnFamily, btnSpecial}) {
        button->setEnabled(true);
    }
    setWindowTitle(kApplicationTitle + QStringLiteral(" - ") +
                   QString::number(static_cast<qint64>(maximum) + 1) + QStringLiteral(" records"));
    return true;
}

void TfrmQuorvane::scbBrowserChange(int position) {
    try {
        ShowRecord(database_, Names(), position, *this);
        FitToControls();
    } catch (...) {
        if (inPortCall_) {
            displayError_ = std::current_exception();
        } else {
            ReportCurrentError();
        }
    }
}

// File commands.

void TfrmQuorvane::RunFileCommand(void (TfrmQuorvane::*before)(), void (TfrmQuorvane::*accept)(),
                                  FileDialogSettings& dialog) {
    Guarded([&] {
        (this->*before)();
        if (seams_.fileDialogs->ChooseFile(this, dialog)) {
            (this->*accept)();
        }
    });
}

void TfrmQuorvane::actBrowseForAstOrbExecute() {
    RunFileCommand(&TfrmQuorvane::actBrowseForFolderAstOrbBeforeExecute,
                   &TfrmQuorvane::actBrowseForFolderAstOrbAccept, astOrbDialog_);
}

void TfrmQuorvane::actBrowseForDiacriticalsExecute() {
    RunFileCommand(&TfrmQuorvane::actBrowseForFolderDiacriticalsBeforeExecute,
                   &TfrmQuorvane::actBrowseForFolderDiacriticalsAccept, diacriticalsDialog_);
}

void TfrmQuorvane::actBrowseForFolderAstOrbBeforeExecute() {
    browseTarget_ = {kAstOrbDatPath, &astOrbDialog_};
    PrepareFileDialog();
}

void TfrmQuorvane::actBrowseForFolderDiacriticalsBeforeExecute() {
    browseTarget_ = {kDiacriticalsPath, &diacriticalsDialog_};
    PrepareFileDialog();
}

void TfrmQuorvane::PrepareFileDialog() {
    const std::optional<QString> folder = settings_.Read(browseTarget_.valueName);
    if (!folder) {
        return;
    }
    if (!folder->isEmpty() && FolderExists(folder->toStdString())) {
        browseTarget_.dialog->initialFolder = *folder;
    } else {
        settings_.Remove(browseTarget_.valueName);
        browseTarget_.dialog->initialFolder.clear();
    }
}

void TfrmQuorvane::SaveChosenFolder() {
    const std::string folder = FolderOfFile(browseTarget_.dialog->fileName.toStdString());
    settings_.Write(browseTarget_.valueName, QString::fromStdString(folder));
}

void TfrmQuorvane::actBrowseForFolderAstOrbAccept() {
    SaveChosenFolder();
    QString caption = windowTitle();
    const qsizetype cut = caption.indexOf(QStringLiteral(" - "));
    if (cut >= 0) {
        setWindowTitle(caption.left(cut));
    }
    OpenAstOrb(QString::fromStdString(FolderOfFile(astOrbDialog_.fileName.toStdString())));
}

void TfrmQuorvane::actBrowseForFolderDiacriticalsAccept() {
    SaveChosenFolder();
    LoadNames(QString::fromStdString(FolderOfFile(diacriticalsDialog_.fileName.toStdString())));
}

void TfrmQuorvane::LoadNames(const QString& folder) {
    if (LoadDiacriticals(folder.toStdString(), names_)) {
        lblNameUnicodeVal->show();
        FitToControls();
    }
}

// The window's side of the core's seams.

int TfrmQuorvane::Position() const {
    return scbBrowser->value();
}

int TfrmQuorvane::Minimum() const {
    return scbBrowser->minimum();
}

int TfrmQuorvane::Maximum() const {
    return scbBrowser->maximum();
}

void TfrmQuorvane::SetPosition(int position) {
    inPortCall_ = true;
    displayError_ = nullptr;
    scbBrowser->setValue(position);
    inPortCall_ = false;
    if (displayError_) {
        std::rethrow_exception(std::exchange(displayError_, nullptr));
    }
}

bool TfrmQuorvane::IsNumberedOnly() const {
    return chkNumbered->isChecked();
}

void TfrmQuorvane::Inform(const std::string& text) {
    seams_.messageBoxes->Inform(this, ToQString(text));
}

bool TfrmQuorvane::AskYesNo(const std::string& text) {
    return seams_.messageBoxes->AskYesNo(this, ToQString(text));
}

void TfrmQuorvane::SetText(const std::string& cp1252) {
    // The bytes are the contract; the clipboard gets them decoded, so that é, ° and ³ paste.
    QApplication::clipboard()->setText(FromCp1252(cp1252));
}

void TfrmQuorvane::TakeList(ListText&& list) {
    // Decoded piece by piece straight into the clipboard's text: a list of the whole catalogue
    // is never held in one piece of bytes as well.
    QString text(static_cast<qsizetype>(list.size()), Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    list.ForEachPiece([&out](std::string_view piece) {
        Cp1252ToUtf16(piece, out);
        out += piece.size();
    });
    QApplication::clipboard()->setText(text);
}

void TfrmQuorvane::SetUnicodeText(const std::u16string& text) {
    QApplication::clipboard()->setText(
        QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
}

void TfrmQuorvane::Show() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TfrmQuorvane::Restore() {
    QApplication::restoreOverrideCursor();
}

QLabel* TfrmQuorvane::ValueLabelWidget(ValueLabel label) const {
    return valueLabels[static_cast<std::size_t>(label)];
}

void TfrmQuorvane::SetValueText(ValueLabel label, const std::string& cp1252) {
    QLabel* widget = ValueLabelWidget(label);
    widget->setText(FromCp1252(cp1252));
    AutoSize(widget);
}

void TfrmQuorvane::SetNameUnicode(const std::u16string& text) {
    lblNameUnicodeVal->setText(
        QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
    AutoSize(lblNameUnicodeVal);
}

void TfrmQuorvane::SetDiameterBox(const std::string& cp1252) {
    edtDiameter->setText(FromCp1252(cp1252));
}

void TfrmQuorvane::ShowPopupMenu(QLabel* label, const QPoint& globalPosition) {
    popupComponent_ = label;
    mnuPopup->popup(globalPosition);
}

void TfrmQuorvane::ReportCurrentError() {
    QString text;
    try {
        throw;
    } catch (const std::exception& e) {
        text = QString::fromUtf8(ReportText(e.what()).c_str());
    } catch (...) {
        text = QStringLiteral("Exception inconnue.");
    }
    seams_.messageBoxes->ShowError(this, text);
}

int RunQuorvane(QApplication& application) {
    const QString point = QLocale::system().decimalPoint();
    SetDecimalSeparator(point.size() == 1 && point[0].unicode() < 128
                            ? static_cast<char>(point[0].unicode())
                            : '.');
    int status = 0;
    {
        TfrmQuorvane window;
        window.FormShow();
        window.show();
        status = application.exec();
    }
    KeepClipboardAfterClose();
    return status;
}

} // namespace quorvane::app
