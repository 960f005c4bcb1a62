// "Figure (&W)..." and its preview, offscreen: the button follows the last family found, and the
// preview's SVG, its saved file and its clipboard image are the figure quorvane-cli writes for
// the same search.
#include "window_fixture.h"

#include "app/figure_image.h"
#include "app/figure_preview.h"
#include "cli/cli.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QTest>

#include <optional>
#include <sstream>
#include <string>

namespace quorvane::app::test {
namespace {

const std::string kSamples = quorvane::test::SamplesFolder();

// The Eos family of the sample: record 220 (221 Eos) at 150 m/s, one pass.
constexpr int kEos = 220;
constexpr int kEosTolerance = 150;

// The figure quorvane-cli writes for the one-pass family search from `seed` at `tolerance`,
// with the names table of the samples, as the window has it.
QByteArray CliFigure(int seed, int tolerance, FigureLanguage language) {
    quorvane::test::TempFolder folder;
    const std::string path = folder.str() + "/figure.svg";
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::Run({"family", kSamples, std::to_string(seed), "--tolerance",
                        std::to_string(tolerance), "--passes", "1", "--diacriticals", kSamples,
                        "--figure", path, "--figure-lang",
                        language == FigureLanguage::French ? "fr" : "en"},
                       out, err),
              0)
        << err.str();
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

std::optional<QString> StoredValue(const QString& name) {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Morvelt", "Quorvane");
    if (!store.contains(name)) {
        return std::nullopt;
    }
    return store.value(name).toString();
}

class FigureTest : public WindowTest {
protected:
    TfrmQuorvane& OpenSample() {
        RememberFolders(QString::fromStdString(kSamples), QString::fromStdString(kSamples));
        return MakeWindow();
    }
    // A one-pass family search from `seed`: the pass question answered No.
    void SearchFamily(TfrmQuorvane& w, int seed, int tolerance) {
        Control<QScrollBar>(w, "scbBrowser")->setValue(seed);
        Control<QScrollBar>(w, "scrTolerance")->setValue(tolerance);
        boxes.yesNoAnswers = {false};
        Control<QPushButton>(w, "btnFamily")->click();
    }
    // Presses "Figure (&W)..." and gives the preview it opened.
    FigurePreview* OpenPreview(TfrmQuorvane& w) {
        Control<QPushButton>(w, "btnFigure")->click();
        auto* preview = w.findChild<FigurePreview*>("frmFigure");
        EXPECT_NE(preview, nullptr);
        return preview;
    }
    template <class T> static T* Part(FigurePreview* preview, const char* name) {
        T* part = preview->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(part, nullptr) << name;
        return part;
    }
};

TEST_F(FigureTest, ButtonWaitsForAFamilyFoundSinceTheFileWasOpened) {
    TfrmQuorvane& w = OpenSample();
    QPushButton* btnFigure = Control<QPushButton>(w, "btnFigure");
    EXPECT_EQ(btnFigure->text(), "Figure (&W)...");
    EXPECT_TRUE(Control<QPushButton>(w, "btnFamily")->isEnabled());
    EXPECT_FALSE(btnFigure->isEnabled()) << "a record is shown, no family yet";

    SearchFamily(w, kEos, kEosTolerance);
    EXPECT_EQ(boxes.questions.size(), 1);
    EXPECT_TRUE(btnFigure->isEnabled()) << "the pass question was answered No";
    SearchFamily(w, 0, 10);
    EXPECT_TRUE(btnFigure->isEnabled()) << "another family";

    dialogs.answers = {QString::fromStdString(quorvane::test::SixDigitSamplesFolder()) +
                       "/AstOrb.dat"};
    Control<QPushButton>(w, "btnBrowse")->click();
    EXPECT_TRUE(w.windowTitle().endsWith(" records")) << "the other file is open";
    EXPECT_FALSE(btnFigure->isEnabled());
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join("\n").toStdString();
}

TEST_F(FigureTest, ButtonTakesFreeRoomAndAltW) {
    TfrmQuorvane& w = OpenSample();
    QPushButton* btnFigure = Control<QPushButton>(w, "btnFigure");
    QWidget* client = Control<QWidget>(w, "clientArea");
    EXPECT_EQ(btnFigure->parentWidget(), client);
    EXPECT_TRUE(client->rect().contains(btnFigure->geometry()));
    for (QWidget* other : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != btnFigure && !other->isHidden()) {
            EXPECT_FALSE(other->geometry().intersects(btnFigure->geometry()))
                << other->objectName().toStdString();
        }
    }

    SearchFamily(w, kEos, kEosTolerance);
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_W, Qt::AltModifier);
    // The button's press is animated before it clicks.
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.findChild<FigurePreview*>("frmFigure"); }));
}

TEST_F(FigureTest, PreviewShowsTheFigureInEitherLanguage) {
    TfrmQuorvane& w = OpenSample();
    SearchFamily(w, kEos, kEosTolerance);
    QPointer<FigurePreview> preview = OpenPreview(w);
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->windowModality(), Qt::WindowModal);
    EXPECT_EQ(preview->windowTitle(), "Family figure");
    EXPECT_EQ(preview->Language(), FigureLanguage::English);
    EXPECT_TRUE(Part<QRadioButton>(preview, "rbnEnglish")->isChecked());
    const QByteArray english = CliFigure(kEos, kEosTolerance, FigureLanguage::English);
    EXPECT_EQ(preview->Svg(), english);
    EXPECT_TRUE(english.contains("221 Eos")) << "the family's seed";

    Part<QRadioButton>(preview, "rbnFrench")->click();
    EXPECT_EQ(preview->Language(), FigureLanguage::French);
    const QByteArray french = CliFigure(kEos, kEosTolerance, FigureLanguage::French);
    EXPECT_EQ(preview->Svg(), french);
    EXPECT_NE(french, english);
    Part<QRadioButton>(preview, "rbnEnglish")->click();
    EXPECT_EQ(preview->Svg(), english);

    QTest::keyClick(preview, Qt::Key_Escape);
    EXPECT_FALSE(preview->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(preview.isNull()) << "a closed preview is gone";
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join("\n").toStdString();
}

TEST_F(FigureTest, SaveWritesTheFigureAndRemembersItsFolder) {
    quorvane::test::TempFolder out;
    const QString folder = QString::fromStdString(out.str());
    TfrmQuorvane& w = OpenSample();
    SearchFamily(w, kEos, kEosTolerance);
    FigurePreview* preview = OpenPreview(w);
    ASSERT_NE(preview, nullptr);
    Part<QRadioButton>(preview, "rbnFrench")->click();

    // Cancelled: nothing written, nothing remembered.
    Part<QPushButton>(preview, "btnSave")->click();
    ASSERT_EQ(dialogs.proposed.size(), 1u);
    EXPECT_EQ(dialogs.proposed[0].fileName, "221 Eos family.svg");
    EXPECT_EQ(dialogs.proposed[0].filterPattern, "*.svg");
    EXPECT_EQ(dialogs.proposed[0].initialFolder, "");
    EXPECT_FALSE(StoredValue("FigurePath"));

    const QString path = folder + "/Eos.svg";
    dialogs.saveAnswers = {path};
    Part<QPushButton>(preview, "btnSave")->click();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), CliFigure(kEos, kEosTolerance, FigureLanguage::French));
    EXPECT_EQ(StoredValue("FigurePath"), folder);
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join("\n").toStdString();

    // The next window's save dialog starts there, with the name of its own family.
    dialogs.proposed.clear();
    TfrmQuorvane& again = OpenSample();
    SearchFamily(again, 0, 10);
    preview = OpenPreview(again);
    ASSERT_NE(preview, nullptr);
    Part<QPushButton>(preview, "btnSave")->click();
    ASSERT_EQ(dialogs.proposed.size(), 1u);
    EXPECT_EQ(dialogs.proposed[0].initialFolder, folder);
    EXPECT_EQ(dialogs.proposed[0].fileName, "1 Ceres family.svg");
}

TEST_F(FigureTest, SaveThatCannotWriteSaysWhereAndWhy) {
    quorvane::test::TempFolder out;
    const QString folder = QString::fromStdString(out.str());
    QDir(folder).mkdir("taken.svg");
    struct Row {
        const char* name;
        QString path;
    };
    const Row rows[] = {
        {"a folder that does not exist", folder + "/missing/Eos.svg"},
        {"a folder in the file's place", folder + "/taken.svg"},
    };
    TfrmQuorvane& w = OpenSample();
    SearchFamily(w, kEos, kEosTolerance);
    FigurePreview* preview = OpenPreview(w);
    ASSERT_NE(preview, nullptr);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        boxes.errors.clear();
        dialogs.saveAnswers = {row.path};
        Part<QPushButton>(preview, "btnSave")->click();
        ASSERT_EQ(boxes.errors.size(), 1);
        const QString prefix = "The figure could not be saved to \"" + row.path + "\": ";
        EXPECT_TRUE(boxes.errors[0].startsWith(prefix)) << boxes.errors[0].toStdString();
        EXPECT_GT(boxes.errors[0].size(), prefix.size() + 1) << "the reason follows";
        EXPECT_FALSE(StoredValue("FigurePath")) << "no folder remembered";
    }
    EXPECT_FALSE(QFileInfo::exists(folder + "/missing"));
    EXPECT_TRUE(QFileInfo(folder + "/taken.svg").isDir());
}

TEST_F(FigureTest, CopyImagePutsThePictureAndItsSvgOnTheClipboard) {
    TfrmQuorvane& w = OpenSample();
    SearchFamily(w, kEos, kEosTolerance);
    FigurePreview* preview = OpenPreview(w);
    ASSERT_NE(preview, nullptr);
    Part<QRadioButton>(preview, "rbnFrench")->click();
    Part<QPushButton>(preview, "btnCopy")->click();

    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->data(kSvgMimeType), CliFigure(kEos, kEosTolerance, FigureLanguage::French));
    ASSERT_TRUE(data->hasImage());
    const QImage image = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(image.size(), QSize(1200, 560)) << "the figure's own page";
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    int inked = 0;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4) {
            inked += image.pixelColor(x, y).lightness() < 128 ? 1 : 0;
        }
    }
    EXPECT_GT(inked, 100) << "the figure is drawn, not a blank page";
}

} // namespace
} // namespace quorvane::app::test
