// The main window: its design state, start-up, the remembered folders, the two file commands,
// opening AstOrb.dat and the record display.
#include "window_fixture.h"

#include "app/value_label_names.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

namespace quorvane::app::test {
namespace {

using quorvane::test::SamplesFolder;
using quorvane::test::TempFolder;

const QString kSamples = QString::fromStdString(SamplesFolder());

std::optional<QString> StoredValue(const char* name) {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Morvelt", "Quorvane");
    if (!store.contains(name)) {
        return std::nullopt;
    }
    return store.value(name).toString();
}

TEST_F(WindowTest, DesignStateBeforeStartUp) {
    TfrmQuorvane& w = MakeWindow(false);
    QScrollBar* scbBrowser = Control<QScrollBar>(w, "scbBrowser");
    QPushButton* btnWikiFR = Control<QPushButton>(w, "btnWikiFR");
    QPushButton* btnWikiEN = Control<QPushButton>(w, "btnWikiEN");
    QPushButton* btnSpecial = Control<QPushButton>(w, "btnSpecial");
    QPushButton* btnFamily = Control<QPushButton>(w, "btnFamily");
    QPushButton* btnFigure = Control<QPushButton>(w, "btnFigure");
    QPushButton* btnExtractNames = Control<QPushButton>(w, "btnExtractNames");
    QPushButton* Button1 = Control<QPushButton>(w, "Button1");
    QCheckBox* chkNumbered = Control<QCheckBox>(w, "chkNumbered");
    QLineEdit* edtDiameter = Control<QLineEdit>(w, "edtDiameter");
    QLineEdit* edtAlbedo = Control<QLineEdit>(w, "edtAlbedo");
    QLineEdit* edtDensity = Control<QLineEdit>(w, "edtDensity");
    QScrollBar* scrTolerance = Control<QScrollBar>(w, "scrTolerance");
    QPushButton* btnBrowse = Control<QPushButton>(w, "btnBrowse");
    QPushButton* btnDiacriticals = Control<QPushButton>(w, "btnDiacriticals");
    QAction* actFindBackward = Control<QAction>(w, "actFindBackward");
    QGroupBox* rgpPlanet = Control<QGroupBox>(w, "rgpPlanet");
    QGroupBox* rgpType = Control<QGroupBox>(w, "rgpType");
    EXPECT_EQ(w.windowTitle(), "Quorvane 1.3");
    EXPECT_FALSE(scbBrowser->isEnabled());
    EXPECT_EQ(scbBrowser->minimum(), 0);
    EXPECT_EQ(scbBrowser->maximum(), 0);
    for (QPushButton* button : {btnWikiFR, btnWikiEN, btnSpecial, btnFamily, btnFigure}) {
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    }
    EXPECT_TRUE(btnExtractNames->isEnabled());
    EXPECT_TRUE(Button1->isEnabled());
    EXPECT_TRUE(Button1->isHidden());
    EXPECT_TRUE(Control<QLabel>(w, "lblNameUnicodeVal")->isHidden());
    EXPECT_TRUE(chkNumbered->isChecked());
    EXPECT_EQ(Control<QButtonGroup>(w, "rgpPlanetItems")->checkedId(), 0);
    EXPECT_EQ(Control<QButtonGroup>(w, "rgpTypeItems")->checkedId(), 2);
    EXPECT_EQ(edtDiameter->text(), "");
    EXPECT_EQ(edtAlbedo->text(), "0.1");
    EXPECT_EQ(edtDensity->text(), "2");
    EXPECT_EQ(scrTolerance->value(), 10);
    EXPECT_EQ(scrTolerance->maximum(), 200);
    EXPECT_EQ(scrTolerance->pageStep(), 10);
    EXPECT_EQ(LabelText("lblTolerance"), "&Tolerance (m/s): 10");
    EXPECT_EQ(LabelText("lblAstOrbPath"), "AstOrb.dat path:");
    EXPECT_EQ(LabelText("lblOuterCrosser"), "Outer Planet Crosser:");
    EXPECT_EQ(LabelText("lblDiameter"), "IRAS diameter:");
    EXPECT_EQ(LabelText("lblAlbedo"), "Albe&do:");
    EXPECT_EQ(btnBrowse->text(), "&Open...");
    EXPECT_EQ(btnDiacriticals->text(), "&Diacriticals...");
    EXPECT_EQ(btnWikiFR->text(), "Copier Wiki (&FR)");
    EXPECT_EQ(btnWikiEN->toolTip(), "Puts the Wikicode on the clipboard");
    EXPECT_EQ(edtDensity->toolTip(),
              "Density to use when computing mass, gravity and escape velocity");
    EXPECT_EQ(Control<QAction>(w, "actFindAgain")->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(actFindBackward->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F3));
    EXPECT_EQ(actFindBackward->text(), "Occurence précédente");
    EXPECT_FALSE(Control<QAction>(w, "mnuFindAgain")->isEnabled());
    EXPECT_FALSE(Control<QAction>(w, "mnuFindAgainBackward")->isEnabled());
    EXPECT_EQ(Control<QAction>(w, "mnuFind")->text(), "Searc&h...");

    // Every value label exists under its name; the caption labels end at one column.
    for (const ValueLabelNames& info : kValueLabelNames) {
        auto* label = w.findChild<QLabel*>(
            QString::fromUtf8(info.objectName.data(), qsizetype(info.objectName.size())));
        ASSERT_NE(label, nullptr) << info.objectName;
        EXPECT_EQ(label->text(), "");
        if (!info.captionObjectName.empty()) {
            auto* caption = w.findChild<QLabel*>(QString::fromUtf8(
                info.captionObjectName.data(), qsizetype(info.captionObjectName.size())));
            ASSERT_NE(caption, nullptr);
            EXPECT_EQ(caption->geometry().right() + 1, 304) << info.captionObjectName;
            EXPECT_EQ(label->x(), 309);
        }
    }

    // Tab order: browser, open, the four command buttons and the figure, tolerance, check box,
    // the two radio groups, the three boxes, the hidden scan button, Diacriticals, Extract Names.
    QWidget* expected[] = {btnBrowse,  btnWikiFR, btnWikiEN,       btnSpecial,
                           btnFamily,  btnFigure, scrTolerance,    chkNumbered,
                           rgpPlanet,  rgpType,   edtDiameter,     edtAlbedo,
                           edtDensity, Button1,   btnDiacriticals, btnExtractNames};
    std::vector<QWidget*> chain;
    for (QWidget* at = scbBrowser->nextInFocusChain(); at != scbBrowser;
         at = at->nextInFocusChain()) {
        if (std::find(std::begin(expected), std::end(expected), at) != std::end(expected)) {
            chain.push_back(at);
        }
    }
    EXPECT_EQ(chain, std::vector<QWidget*>(std::begin(expected), std::end(expected)));
}

TEST_F(WindowTest, LayoutDocksTheBrowserAlongTheBottom) {
    TfrmQuorvane& w = MakeWindow();
    QScrollBar* scbBrowser = Control<QScrollBar>(w, "scbBrowser");
    QWidget* client = Control<QWidget>(w, "clientArea");
    EXPECT_EQ(scbBrowser->x(), 0);
    EXPECT_EQ(scbBrowser->width(), client->width());
    EXPECT_EQ(scbBrowser->geometry().bottom() + 1, client->height());
    EXPECT_GE(scbBrowser->y(), Control<QGroupBox>(w, "rgpPlanet")->geometry().bottom());
    EXPECT_EQ(w.width(), client->width() + 12);
    EXPECT_EQ(w.height(), client->height() + 12);
}

TEST_F(WindowTest, WindowGrowsToFitALongerLabel) {
    RememberFolders(kSamples, kSamples);
    TfrmQuorvane& w = MakeWindow();
    QScrollBar* scbBrowser = Control<QScrollBar>(w, "scbBrowser");
    QWidget* client = Control<QWidget>(w, "clientArea");
    const int width = w.width();
    scbBrowser->setValue(100);
    const QLabel* accents = Control<QLabel>(w, "lblNameUnicodeVal");
    EXPECT_LE(accents->geometry().right() + 1, client->width());
    EXPECT_GE(w.width(), width);
    EXPECT_EQ(scbBrowser->width(), client->width()) << "the browser still spans the width";
}

TEST_F(WindowTest, LongNameMakesRoomAndTheWindowShrinksBack) {
    // An 18-character name, the widest the record holds, with its accented form.
    TempFolder folder;
    folder.WriteAstOrb(
        {{.number = "1", .name = "Ceres"}, {.number = "2", .name = "Schwarzenbergerhof"}});
    folder.Write(
        "Diacriticals.txt",
        "Names\r\n\r\n----\r\n      2                      Schw\\\"arzenbergerh\\\"of\r\n");
    const QString path = QString::fromStdString(folder.str());
    RememberFolders(path, path);
    TfrmQuorvane& w = MakeWindow();
    QScrollBar* scbBrowser = Control<QScrollBar>(w, "scbBrowser");
    QWidget* client = Control<QWidget>(w, "clientArea");
    const int firstWidth = w.width();
    const QLabel* name = w.findChild<QLabel*>("lblNameVal");
    const QLabel* accents = Control<QLabel>(w, "lblNameUnicodeVal");

    scbBrowser->setValue(1);
    ASSERT_EQ(accents->text(), QString::fromUtf8("Schwärzenbergerhöf"));
    EXPECT_GT(accents->x(), name->geometry().right()) << "the accented name stands clear";
    EXPECT_LE(accents->geometry().right() + 1, client->width());
    EXPECT_GT(w.width(), firstWidth);

    scbBrowser->setValue(0);
    EXPECT_EQ(accents->x(), 404) << "back in its column";
    EXPECT_EQ(w.width(), firstWidth) << "the window fits its controls again";
    EXPECT_EQ(scbBrowser->width(), client->width());
    EXPECT_EQ(scbBrowser->geometry().bottom() + 1, client->height());
}

TEST_F(WindowTest, RadioItemsStandInsideTheirFrames) {
    TfrmQuorvane& w = MakeWindow(false);
    QGroupBox* rgpPlanet = Control<QGroupBox>(w, "rgpPlanet");
    for (const QGroupBox* box : {rgpPlanet, Control<QGroupBox>(w, "rgpType")}) {
        SCOPED_TRACE(box->objectName().toStdString());
        const QList<QRadioButton*> items = box->findChildren<QRadioButton*>();
        ASSERT_EQ(items.size(), box == rgpPlanet ? 9 : 7);
        for (qsizetype i = 0; i < items.size(); ++i) {
            EXPECT_TRUE(box->contentsRect().contains(items[i]->geometry()))
                << "below the caption and the frame line: " << items[i]->text().toStdString();
            if (i > 0) {
                EXPECT_GT(items[i]->y(), items[i - 1]->geometry().bottom());
            }
        }
    }
}

TEST_F(WindowTest, WindowOpensInsideTheScreen) {
    RememberFolders(kSamples);
    TfrmQuorvane& fits = MakeWindow();
    EXPECT_EQ(fits.pos(), QPoint(199, 131)) << "where the design puts it, when it fits";

    TfrmQuorvane& w = MakeWindow(false);
    const QRect area = w.screen()->availableGeometry();
    w.move(area.right() - 100, area.bottom() - 50);
    w.FormShow();
    w.show();
    EXPECT_TRUE(area.contains(w.frameGeometry()));
}

TEST_F(WindowTest, FirstRunAsksForTheFileBeforeTheWindowShows) {
    dialogs.answers.push_back(kSamples + "/AstOrb.dat");
    TfrmQuorvane& w = MakeWindow();
    QScrollBar* scbBrowser = Control<QScrollBar>(w, "scbBrowser");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Browse for AstOrb.dat");
    EXPECT_EQ(dialogs.shown[0].filter, "AstOrb.dat|*.dat *.dat.gz");
    EXPECT_EQ(dialogs.shown[0].initialFolder, "");
    EXPECT_FALSE(dialogs.shown[0].windowVisible);
    EXPECT_EQ(StoredValue("AstOrbDatPath"), kSamples);
    EXPECT_EQ(w.windowTitle(), "Quorvane 1.32 - 514 records");
    EXPECT_EQ(scbBrowser->value(), 0);
    EXPECT_EQ(scbBrowser->maximum(), 513);
    EXPECT_EQ(scbBrowser->pageStep(), 513 / 20);
    EXPECT_TRUE(scbBrowser->isEnabled());
    for (QPushButton* button :
         {Control<QPushButton>(w, "btnWikiFR"), Control<QPushButton>(w, "btnWikiEN"),
          Control<QPushButton>(w, "btnSpecial"), Control<QPushButton>(w, "btnFamily")}) {
        EXPECT_TRUE(button->isEnabled());
    }
    EXPECT_EQ(LabelText("lblNameVal"), "Ceres");
    EXPECT_EQ(LabelText("lblAstOrbPathVal"), kSamples);
    EXPECT_EQ(Control<QLineEdit>(w, "edtDiameter")->text(), "939.4");
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(WindowTest, CancelledStartUpDialogLeavesNoDatabase) {
    dialogs.answers.push_back(std::nullopt);
    TfrmQuorvane& w = MakeWindow();
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(w.windowTitle(), "Quorvane 1.3");
    EXPECT_FALSE(Control<QScrollBar>(w, "scbBrowser")->isEnabled());
    EXPECT_FALSE(Control<QPushButton>(w, "btnWikiFR")->isEnabled());
    EXPECT_FALSE(StoredValue("AstOrbDatPath"));
}

TEST_F(WindowTest, RememberedFolderOpensWithoutDialog) {
    RememberFolders(kSamples);
    TfrmQuorvane& w = MakeWindow();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(w.windowTitle(), "Quorvane 1.32 - 514 records");
    EXPECT_EQ(LabelText("lblNumberVal"), "1");
}

TEST_F(WindowTest, VanishedFolderIsDeletedOnlyByTheDialogStep) {
    TempFolder gone;
    const QString goneFolder = QString::fromStdString(gone.str()) + "/removed";
    RememberFolders(goneFolder);
    dialogs.answers.push_back(std::nullopt);
    MakeWindow();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].initialFolder, "");
    EXPECT_FALSE(StoredValue("AstOrbDatPath")) << "the dialog step deletes a vanished folder";
}

TEST_F(WindowTest, ExistingFolderWithoutAstOrbOpensTheDialogThere) {
    TempFolder empty;
    const QString folder = QString::fromStdString(empty.str());
    RememberFolders(folder);
    dialogs.answers.push_back(std::nullopt);
    MakeWindow();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].initialFolder, folder);
    EXPECT_EQ(StoredValue("AstOrbDatPath"), folder);
    EXPECT_TRUE(boxes.messages.isEmpty()) << "at start-up the dialog says it all";
}

TEST_F(WindowTest, ChosenFileNameIsIgnoredOnlyItsFolderCounts) {
    TempFolder folder;
    folder.Write("astorb2005.dat", "not a database");
    folder.WriteAstOrb({{.number = "1", .name = "Ceres"}, {.number = "2", .name = "Pallas"}});
    dialogs.answers.push_back(QString::fromStdString(folder.str()) + "/astorb2005.dat");
    TfrmQuorvane& w = MakeWindow();
    EXPECT_EQ(StoredValue("AstOrbDatPath"), QString::fromStdString(folder.str()));
    EXPECT_EQ(w.windowTitle(), "Quorvane 1.32 - 2 records");
    EXPECT_EQ(Control<QScrollBar>(w, "scbBrowser")->pageStep(), 1)
        << "kept within what the scroll bar accepts";
}

TEST_F(WindowTest, ReopeningKeepsTheIndexOrClampsIt) {
    const auto longFile = NumberedDatabase(1200);
    const auto shortFile = NumberedDatabase(600);
    RememberFolders(QString::fromStdString(longFile->str()));
    TfrmQuorvane& w = MakeWindow();
    QScrollBar* scbBrowser = Control<QScrollBar>(w, "scbBrowser");
    QPushButton* btnBrowse = Control<QPushButton>(w, "btnBrowse");
    scbBrowser->setValue(1000);
    EXPECT_EQ(LabelText("lblNameVal"), "Asteroid 1001");

    QSignalSpy titles(&w, &QWidget::windowTitleChanged);
    dialogs.answers.push_back(QString::fromStdString(shortFile->str()) + "/AstOrb.dat");
    btnBrowse->click();
    EXPECT_EQ(dialogs.shown.back().initialFolder, QString::fromStdString(longFile->str()));
    ASSERT_GE(titles.count(), 2);
    EXPECT_EQ(titles.at(0).at(0).toString(), "Quorvane 1.32") << "the count is cut first";
    EXPECT_EQ(w.windowTitle(), "Quorvane 1.32 - 600 records");
    EXPECT_EQ(scbBrowser->value(), 599);
    EXPECT_EQ(LabelText("lblNameVal"), "Asteroid 600");

    dialogs.answers.push_back(QString::fromStdString(longFile->str()) + "/AstOrb.dat");
    btnBrowse->click();
    EXPECT_EQ(scbBrowser->value(), 599) << "a longer file stays at the same index";
    EXPECT_EQ(w.windowTitle(), "Quorvane 1.32 - 1200 records");
}

TEST_F(WindowTest, FolderWithoutAstOrbKeepsTheOpenDatabase) {
    RememberFolders(kSamples);
    TfrmQuorvane& w = MakeWindow();
    TempFolder other;
    other.Write("other.dat", "x");
    dialogs.answers.push_back(QString::fromStdString(other.str()) + "/other.dat");
    Control<QPushButton>(w, "btnBrowse")->click();
    EXPECT_EQ(StoredValue("AstOrbDatPath"), QString::fromStdString(other.str()));
    EXPECT_EQ(boxes.messages, QStringList{"No AstOrb.dat or AstOrb.dat.gz in \"" +
                                          QString::fromStdString(other.str()) + "\"."});
    EXPECT_EQ(w.windowTitle(), "Quorvane 1.32") << "the count is already cut";
    EXPECT_EQ(LabelText("lblNameVal"), "Ceres");
    Control<QScrollBar>(w, "scbBrowser")->setValue(1);
    EXPECT_EQ(LabelText("lblNameVal"), "Pallas") << "the previous database stays browsable";
}

TEST_F(WindowTest, FileShorterThanOneRecord) {
    TempFolder tiny;
    tiny.Write("AstOrb.dat", std::string(266, ' '));
    RememberFolders(QString::fromStdString(tiny.str()));
    TfrmQuorvane& w = MakeWindow();
    EXPECT_EQ(boxes.errors, QStringList{"Propriété barre de défilement hors limites."});
    EXPECT_TRUE(Control<QScrollBar>(w, "scbBrowser")->isEnabled());
    EXPECT_FALSE(Control<QPushButton>(w, "btnWikiFR")->isEnabled());
    EXPECT_EQ(w.windowTitle(), "Quorvane 1.3");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(WindowTest, UnreadableAstOrbReportsTheSystemReason) {
    TempFolder folder;
    QDir().mkpath(QString::fromStdString(folder.str()) + "/AstOrb.dat");
    dialogs.answers.push_back(QString::fromStdString(folder.str()) + "/AstOrb.dat");
    TfrmQuorvane& w = MakeWindow();
    ASSERT_EQ(dialogs.shown.size(), 1u) << "a folder named AstOrb.dat is no file";
    (void)w;
}

TEST_F(WindowTest, MalformedFlagCodeUpdatesPartially) {
    TempFolder folder;
    folder.WriteAstOrb({{.number = "1", .name = "Ceres", .diameter = "848.4", .flags = "5"},
                        {.number = "2", .name = "Pallas", .diameter = "498.1", .flags = "abc"}});
    RememberFolders(QString::fromStdString(folder.str()));
    TfrmQuorvane& w = MakeWindow();
    EXPECT_EQ(LabelText("lblAtenVal"), "Yes");
    EXPECT_EQ(LabelText("lblAmorVal"), "Yes");
    EXPECT_EQ(LabelText("lblApolloVal"), "");
    Control<QScrollBar>(w, "scbBrowser")->setValue(1);
    EXPECT_EQ(boxes.errors, QStringList{"'abc' n'est pas une valeur entière correcte."});
    EXPECT_EQ(LabelText("lblNameVal"), "Pallas");
    EXPECT_EQ(LabelText("lblDiamVal"), "498.1");
    EXPECT_EQ(LabelText("lblAtenVal"), "Yes") << "the flags keep the previous record's values";
    EXPECT_EQ(Control<QLineEdit>(w, "edtDiameter")->text(), "848.4");
}

TEST_F(WindowTest, DisplayOverwritesTheDiameterBoxOnlyOnChange) {
    RememberFolders(kSamples);
    TfrmQuorvane& w = MakeWindow();
    QLineEdit* edtDiameter = Control<QLineEdit>(w, "edtDiameter");
    QScrollBar* scbBrowser = Control<QScrollBar>(w, "scbBrowser");
    edtDiameter->setText("12");
    scbBrowser->setValue(0);
    EXPECT_EQ(edtDiameter->text(), "12") << "same position: nothing shown again";
    scbBrowser->setValue(252);
    EXPECT_EQ(LabelText("lblNameVal"), "Hela");
    EXPECT_EQ(edtDiameter->text(), "") << "Hela has no diameter";
    EXPECT_EQ(LabelText("lblMarsCrosserVal"), "Yes");
    QTest::keyClick(scbBrowser, Qt::Key_End);
    EXPECT_EQ(scbBrowser->value(), 513);
    EXPECT_EQ(LabelText("lblNumberVal"), "") << "the last record is unnumbered";
}

TEST_F(WindowTest, SettingsStoreThatCannotBeWritten) {
    // A folder where the settings file should be makes every write fail, also for root.
    QDir().mkpath(SettingsFile());
    dialogs.answers.push_back(kSamples + "/AstOrb.dat");
    TfrmQuorvane& w = MakeWindow();
    EXPECT_EQ(boxes.errors, QStringList{"Echec à la définition des données pour 'AstOrbDatPath'"});
    EXPECT_EQ(w.windowTitle(), "Quorvane 1.3") << "nothing is opened";
    EXPECT_FALSE(Control<QScrollBar>(w, "scbBrowser")->isEnabled());
}

TEST_F(WindowTest, SettingsValueThatIsNotText) {
    WriteSettings("[General]\nAstOrbDatPath=a, b\n");
    TfrmQuorvane& w = MakeWindow();
    EXPECT_EQ(boxes.errors, QStringList{"Type de données incorrect pour 'AstOrbDatPath'"});
    EXPECT_TRUE(dialogs.shown.empty()) << "the start-up sequence ends before the dialog";
    EXPECT_EQ(w.windowTitle(), "Quorvane 1.3");
}

TEST_F(WindowTest, BackgroundClickRunsFindAgainButALabelClickDoesNot) {
    RememberFolders(kSamples);
    TfrmQuorvane& w = MakeWindow();
    QSignalSpy findAgain(Control<QAction>(w, "actFindAgain"), &QAction::triggered);
    QTest::mouseClick(w.findChild<QLabel*>("lblHVal"), Qt::LeftButton);
    QTest::mouseClick(w.findChild<QLabel*>("lblH"), Qt::LeftButton);
    EXPECT_EQ(findAgain.count(), 0);
    QTest::mouseClick(Control<QWidget>(w, "clientArea"), Qt::LeftButton, {}, QPoint(350, 10));
    EXPECT_EQ(findAgain.count(), 1);
    EXPECT_TRUE(boxes.messages.isEmpty()) << "no search yet: nothing happens";
}

TEST_F(WindowTest, ToleranceLabelFollowsTheScrollBar) {
    TfrmQuorvane& w = MakeWindow(false);
    QScrollBar* scrTolerance = Control<QScrollBar>(w, "scrTolerance");
    for (const int position : {57, 0, 200, 10}) {
        scrTolerance->setValue(position);
        EXPECT_EQ(LabelText("lblTolerance"), QStringLiteral("&Tolerance (m/s): %1").arg(position));
    }
}

TEST_F(WindowTest, NamesLabelAppearsAfterALoadAndFillsAtTheNextRecord) {
    RememberFolders(kSamples, kSamples);
    TfrmQuorvane& w = MakeWindow();
    QLabel* lblNameUnicodeVal = Control<QLabel>(w, "lblNameUnicodeVal");
    QScrollBar* scbBrowser = Control<QScrollBar>(w, "scbBrowser");
    EXPECT_FALSE(lblNameUnicodeVal->isHidden());
    EXPECT_EQ(lblNameUnicodeVal->text(), "") << "the record on show is not redrawn";
    scbBrowser->setValue(365);
    EXPECT_EQ(lblNameUnicodeVal->text(), QString::fromUtf8("Střemchoví"));
    scbBrowser->setValue(364);
    EXPECT_EQ(lblNameUnicodeVal->text(), "");
}

TEST_F(WindowTest, DiacriticalsCommandStoresTheFolderAndShowsTheLabel) {
    RememberFolders(kSamples);
    TfrmQuorvane& w = MakeWindow();
    QLabel* lblNameUnicodeVal = Control<QLabel>(w, "lblNameUnicodeVal");
    EXPECT_TRUE(lblNameUnicodeVal->isHidden());
    dialogs.answers.push_back(kSamples + "/Diacriticals.txt");
    Control<QPushButton>(w, "btnDiacriticals")->click();
    EXPECT_EQ(dialogs.shown.back().title, "Browse for Diacriticals.txt");
    EXPECT_EQ(dialogs.shown.back().filter, "Diacriticals.txt|*.txt");
    EXPECT_EQ(StoredValue("DiacriticalsPath"), kSamples);
    EXPECT_FALSE(lblNameUnicodeVal->isHidden());
}

TEST_F(WindowTest, DiacriticalsDialogStartsBesideAstOrbUntilItHasAFolderOfItsOwn) {
    const auto database = NumberedDatabase(3);
    const QString astOrb = QString::fromStdString(database->str());
    RememberFolders(astOrb);
    TfrmQuorvane& w = MakeWindow();
    QPushButton* btnDiacriticals = Control<QPushButton>(w, "btnDiacriticals");
    dialogs.answers = {std::nullopt, kSamples + "/Diacriticals.txt", std::nullopt};
    btnDiacriticals->click();
    EXPECT_EQ(dialogs.shown.back().initialFolder, "");
    EXPECT_EQ(dialogs.shown.back().startFolder, astOrb);
    btnDiacriticals->click();
    btnDiacriticals->click();
    EXPECT_EQ(dialogs.shown.back().initialFolder, kSamples);
    EXPECT_EQ(dialogs.shown.back().startFolder, kSamples);
}

TEST_F(WindowTest, WithoutADatabaseTheDiacriticalsDialogStartsWhereTheAstOrbDialogWas) {
    TempFolder other;
    other.Write("other.dat", "x");
    const QString folder = QString::fromStdString(other.str());
    dialogs.answers = {folder + "/other.dat", std::nullopt};
    TfrmQuorvane& w = MakeWindow();
    ASSERT_FALSE(Control<QScrollBar>(w, "scbBrowser")->isEnabled());
    Control<QPushButton>(w, "btnDiacriticals")->click();
    EXPECT_EQ(dialogs.shown.back().startFolder, folder);
}

TEST_F(WindowTest, DialogRemembersItsFolderWhenTheSettingsCannot) {
    QDir().mkpath(SettingsFile());
    dialogs.answers = {kSamples + "/AstOrb.dat", std::nullopt};
    TfrmQuorvane& w = MakeWindow();
    ASSERT_EQ(boxes.errors.size(), 1);
    Control<QPushButton>(w, "btnBrowse")->click();
    EXPECT_EQ(dialogs.shown.back().initialFolder, "") << "the settings give no folder";
    EXPECT_EQ(dialogs.shown.back().startFolder, kSamples);
}

TEST_F(WindowTest, EmptyDiacriticalsReportsTheListError) {
    TempFolder folder;
    folder.Write("Diacriticals.txt", "\r\n\r\n");
    RememberFolders(kSamples, QString::fromStdString(folder.str()));
    TfrmQuorvane& w = MakeWindow();
    EXPECT_EQ(boxes.errors, QStringList{"Indice de liste hors limites (-1)"});
    EXPECT_TRUE(Control<QLabel>(w, "lblNameUnicodeVal")->isHidden());
}

} // namespace
} // namespace quorvane::app::test
