// The window on AstOrb.dat.gz and on names in other letter cases: the same window as on the
// plain file, the progress of a first reading and its Cancel, the notice of an incomplete
// download and the errors of a damaged or foreign one.
#include "window_fixture.h"

#include "app/value_label_names.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>

namespace quorvane::app::test {
namespace {

using quorvane::test::MakeRecord;
using quorvane::test::TempFolder;

const QString kSamples = QString::fromStdString(quorvane::test::SamplesFolder());

std::string SampleBytes() {
    QFile file(kSamples + "/AstOrb.dat");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
}

QString Folder(const TempFolder& folder) {
    return QString::fromStdString(folder.str());
}

// Records numbered 1 to `count`, named "Asteroid n".
std::string NumberedRecords(int count) {
    std::string bytes;
    for (int n = 1; n <= count; ++n) {
        bytes += MakeRecord({.number = std::to_string(n), .name = "Asteroid " + std::to_string(n)});
    }
    return bytes;
}

class PackedWindowTest : public WindowTest {
protected:
    // What the user sees of the open database: the caption; every value label at the first,
    // a middle and the last record; the French infobox of the middle one; then, last, the list
    // of the asteroids inside Jupiter's orbit, its message and the errors.
    QStringList Seen(TfrmQuorvane& w) {
        QStringList seen{w.windowTitle()};
        QScrollBar* scbBrowser = Control<QScrollBar>(w, "scbBrowser");
        for (const int index : {0, scbBrowser->maximum() / 2, scbBrowser->maximum()}) {
            scbBrowser->setValue(index);
            for (const ValueLabelNames& info : kValueLabelNames) {
                seen << LabelText(std::string(info.objectName).c_str());
            }
            seen << Control<QLineEdit>(w, "edtDiameter")->text();
        }
        scbBrowser->setValue(scbBrowser->maximum() / 2);
        Control<QPushButton>(w, "btnWikiFR")->click();
        seen << QApplication::clipboard()->text();
        Control<QButtonGroup>(w, "rgpPlanetItems")->button(4)->click();
        Control<QButtonGroup>(w, "rgpTypeItems")->button(0)->click();
        Control<QPushButton>(w, "btnSpecial")->click();
        seen << QApplication::clipboard()->text() << boxes.messages.join("|")
             << boxes.errors.join("|");
        boxes.messages.clear();
        return seen;
    }
};

TEST_F(PackedWindowTest, EveryFormOfTheFileShowsWhatThePlainFileShows) {
    RememberFolders(kSamples);
    const QStringList plain = Seen(MakeWindow());
    ASSERT_TRUE(plain.front().endsWith(" records"));
    ASSERT_GE(plain.at(plain.size() - 3).count('\n'), 2) << "a list of several asteroids";

    const std::string sample = SampleBytes();
    const std::string packed = quorvane::test::Gzip(sample);
    struct Case {
        const char* name;
        const std::string* bytes;
    };
    for (const Case& c : {Case{"astorb.dat.gz", &packed}, Case{"ASTORB.DAT.GZ", &packed},
                          Case{"astorb.dat", &sample}}) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        folder.Write(c.name, *c.bytes);
        progress.labels.clear();
        progress.updates.clear();
        RememberFolders(Folder(folder));
        TfrmQuorvane& w = MakeWindow();
        EXPECT_EQ(LabelText("lblAstOrbPathVal"), Folder(folder));
        EXPECT_EQ(Seen(w), plain);
        if (c.bytes == &packed) {
            // The first opening reads the whole file once and shows how far it has come.
            EXPECT_EQ(progress.labels, QStringList{QString("Reading ") + c.name + "..."});
            ASSERT_FALSE(progress.updates.empty());
            EXPECT_EQ(progress.updates.front().first, 0u);
            EXPECT_EQ(progress.updates.back(),
                      std::make_pair(std::uint64_t{packed.size()}, std::uint64_t{packed.size()}));

            // Its index is kept: opening it again reads nothing whole and shows no progress.
            dialogs.answers.push_back(Folder(folder) + "/" + c.name);
            Control<QPushButton>(w, "btnBrowse")->click();
            EXPECT_EQ(Seen(w), plain);
            EXPECT_EQ(progress.labels.size(), 1);
        } else {
            EXPECT_TRUE(progress.labels.isEmpty()) << "a plain file opens at once";
        }
    }
}

TEST_F(PackedWindowTest, CancelledFirstReadingKeepsTheOpenDatabase) {
    const auto shown = NumberedDatabase(1200);
    TempFolder packed;
    packed.Write("astorb.dat.gz", quorvane::test::Gzip(NumberedRecords(30)));
    RememberFolders(Folder(*shown));
    TfrmQuorvane& w = MakeWindow();
    QScrollBar* scbBrowser = Control<QScrollBar>(w, "scbBrowser");
    QPushButton* btnBrowse = Control<QPushButton>(w, "btnBrowse");
    scbBrowser->setValue(1000);

    progress.cancel = true;
    dialogs.answers.push_back(Folder(packed) + "/astorb.dat.gz");
    btnBrowse->click();
    EXPECT_EQ(progress.labels, QStringList{"Reading astorb.dat.gz..."});
    EXPECT_EQ(w.windowTitle(), "Quorvane 1.32 - 1200 records");
    EXPECT_EQ(scbBrowser->value(), 1000);
    EXPECT_EQ(scbBrowser->maximum(), 1199);
    EXPECT_EQ(LabelText("lblNameVal"), "Asteroid 1001");
    EXPECT_EQ(LabelText("lblAstOrbPathVal"), Folder(*shown));
    EXPECT_TRUE(boxes.messages.isEmpty());
    EXPECT_TRUE(boxes.errors.isEmpty());
    scbBrowser->setValue(1);
    EXPECT_EQ(LabelText("lblNameVal"), "Asteroid 2") << "the open database stays browsable";
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Morvelt", "Quorvane");
    EXPECT_EQ(store.value("AstOrbDatPath").toString(), Folder(packed))
        << "a chosen folder is remembered before it is opened";

    // Not cancelled, the same choice opens the file.
    progress.cancel = false;
    dialogs.answers.push_back(Folder(packed) + "/astorb.dat.gz");
    btnBrowse->click();
    EXPECT_EQ(w.windowTitle(), "Quorvane 1.32 - 30 records");
    EXPECT_EQ(LabelText("lblNameVal"), "Asteroid 2");
    EXPECT_EQ(LabelText("lblAstOrbPathVal"), Folder(packed));
}

TEST_F(PackedWindowTest, CancelledReadingAtStartUpAsksForNoOtherFile) {
    TempFolder packed;
    packed.Write("astorb.dat.gz", quorvane::test::Gzip(NumberedRecords(3)));
    RememberFolders(Folder(packed), kSamples);
    progress.cancel = true;
    TfrmQuorvane& w = MakeWindow();
    EXPECT_EQ(progress.labels.size(), 1);
    EXPECT_TRUE(dialogs.shown.empty()) << "the file is there: no dialog";
    EXPECT_EQ(w.windowTitle(), "Quorvane 1.3");
    EXPECT_FALSE(Control<QScrollBar>(w, "scbBrowser")->isEnabled());
    EXPECT_FALSE(Control<QPushButton>(w, "btnWikiFR")->isEnabled());
    EXPECT_FALSE(Control<QLabel>(w, "lblNameUnicodeVal")->isHidden())
        << "start-up goes on with Diacriticals.txt";
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(PackedWindowTest, IncompleteDownloadIsToldOnceBeforeAnythingElse) {
    struct Case {
        int readable;
        QStringList errors;
    };
    for (const Case& c : {Case{2, {}}, Case{0, {"Propriété barre de défilement hors limites."}}}) {
        SCOPED_TRACE(c.readable);
        const std::string records = NumberedRecords(5);
        const quorvane::test::FlushedGzip flushed = quorvane::test::GzipFlushedAt(
            records, static_cast<std::size_t>(c.readable) * (records.size() / 5));
        TempFolder cut;
        cut.Write("astorb.dat.gz", flushed.bytes.substr(0, flushed.flushEnd));
        RememberFolders(Folder(cut));
        boxes.messages.clear();
        boxes.errors.clear();
        qsizetype errorsBeforeNotice = -1;
        boxes.duringMessage = [&] { errorsBeforeNotice = boxes.errors.size(); };
        TfrmQuorvane& w = MakeWindow();
        const QString notice = QString("astorb.dat.gz is incomplete: only the first %1 records "
                                       "can be read.")
                                   .arg(c.readable);
        EXPECT_EQ(boxes.messages, QStringList{notice});
        EXPECT_EQ(errorsBeforeNotice, 0);
        EXPECT_EQ(boxes.errors, c.errors);
        if (c.readable > 0) {
            EXPECT_EQ(w.windowTitle(), QString("Quorvane 1.32 - %1 records").arg(c.readable));
            Control<QScrollBar>(w, "scbBrowser")->setValue(c.readable - 1);
            EXPECT_EQ(LabelText("lblNameVal"), QString("Asteroid %1").arg(c.readable));
            EXPECT_EQ(boxes.messages.size(), 1) << "told once, not at every record";
        } else {
            EXPECT_EQ(w.windowTitle(), "Quorvane 1.3");
        }
    }
}

TEST_F(PackedWindowTest, DamagedOrForeignFileIsReported) {
    std::string damaged = quorvane::test::Gzip(NumberedRecords(4));
    damaged[damaged.size() - 8] = static_cast<char>(damaged[damaged.size() - 8] ^ 0x55);
    struct Case {
        std::string bytes;
        QString error;
    };
    for (const Case& c : {Case{damaged, "astorb.dat.gz is damaged (its check sum does not match): "
                                        "download it again."},
                          Case{NumberedRecords(4), "astorb.dat.gz is not a gzip file."}}) {
        SCOPED_TRACE(c.error.toStdString());
        const auto shown = NumberedDatabase(10);
        RememberFolders(Folder(*shown));
        boxes.errors.clear();
        TfrmQuorvane& w = MakeWindow();
        TempFolder folder;
        folder.Write("astorb.dat.gz", c.bytes);
        dialogs.answers.push_back(Folder(folder) + "/astorb.dat.gz");
        Control<QPushButton>(w, "btnBrowse")->click();
        EXPECT_EQ(boxes.errors, QStringList{c.error});
        EXPECT_TRUE(boxes.messages.isEmpty());
        EXPECT_EQ(w.windowTitle(), "Quorvane 1.32") << "the count was cut before the opening";
        EXPECT_EQ(LabelText("lblAstOrbPathVal"), Folder(*shown));
    }
}

} // namespace
} // namespace quorvane::app::test
