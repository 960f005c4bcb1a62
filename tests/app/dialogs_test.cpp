// The real dialogs offscreen: the open-file dialog's filter, its start folder and its fit on the
// screen, and the progress dialog of a first reading.
#include "window_fixture.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

namespace quorvane::app::test {
namespace {

using quorvane::test::TempFolder;

QString Folder(const TempFolder& folder) {
    return QString::fromStdString(folder.str());
}

// Runs `inspect` on the file dialog that `open` shows, then cancels the dialog unless `inspect`
// closed it.
void WhileTheDialogShows(const std::function<void()>& open,
                         const std::function<void(QFileDialog&)>& inspect) {
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(top);
            if (dialog != nullptr && dialog->isVisible() && !seen) {
                seen = true;
                poll.stop();
                inspect(*dialog);
                if (dialog->isVisible()) {
                    dialog->reject();
                }
                return;
            }
        }
    });
    poll.start(10);
    open();
    EXPECT_TRUE(seen) << "no file dialog showed";
}

// The names the dialog lists in its folder, once it has read it.
QStringList Listed(QFileDialog& dialog, const QStringList& expected) {
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    if (view == nullptr) {
        ADD_FAILURE() << "the dialog has no list";
        return {};
    }
    const auto names = [view] {
        QStringList list;
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < view->model()->rowCount(root); ++row) {
            list << view->model()->index(row, 0, root).data().toString();
        }
        list.sort();
        return list;
    };
    (void)QTest::qWaitFor([&] { return names() == expected; }, 5000);
    QTest::qWait(100); // a file listed late would show now
    return names();
}

// The window with the real open-file dialog.
class WindowFileDialog : public WindowTest {
protected:
    TfrmQuorvane& MakeWindowWithRealDialogs() {
        window = std::make_unique<TfrmQuorvane>(WindowSeams{nullptr, &boxes, &prompt, &progress});
        return *window;
    }
};

TEST_F(WindowFileDialog, FilterShowsTheFileInAnyLetterCaseAndNothingElse) {
    TempFolder folder;
    for (const char* name : {"astorb.DAT", "ASTORB.DAT.GZ", "x.txt", "DIACRITICALS.TXT", "notes.gz",
                             "astorb.dat.zip", "dat"}) {
        folder.Write(name, "");
    }
    RememberFolders(Folder(folder), Folder(folder));
    TfrmQuorvane& w = MakeWindowWithRealDialogs();
    struct Case {
        const char* button;
        QString filter;
        QStringList listed;
    };
    for (const Case& c :
         {Case{"btnBrowse", "AstOrb.dat (*.dat *.dat.gz)", {"ASTORB.DAT.GZ", "astorb.DAT"}},
          Case{"btnDiacriticals", "Diacriticals.txt (*.txt)", {"DIACRITICALS.TXT", "x.txt"}}}) {
        SCOPED_TRACE(c.button);
        WhileTheDialogShows([&] { Control<QPushButton>(w, c.button)->click(); },
                            [&](QFileDialog& dialog) {
                                EXPECT_EQ(dialog.nameFilters(), QStringList{c.filter});
                                EXPECT_EQ(dialog.directory().absolutePath(), Folder(folder));
                                EXPECT_EQ(Listed(dialog, c.listed), c.listed);
                            });
    }
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(WindowFileDialog, StartsInTheFolderItLastShowed) {
    TempFolder fallback;
    TempFolder visited;
    TempFolder initial;
    initial.Write("AstOrb.dat", "");
    const QString gone = Folder(initial) + "/gone";
    QDir().mkpath(gone);
    QtFileDialogs real;
    FileDialogSettings settings{"Browse for AstOrb.dat", "AstOrb.dat", "*.dat *.dat.gz", {}, {}, {},
                                Folder(fallback)};
    const auto run = [&](const std::function<void(QFileDialog&)>& inspect) {
        bool chosen = false;
        WhileTheDialogShows([&] { chosen = real.ChooseFile(nullptr, settings); }, inspect);
        return chosen;
    };

    // Nothing remembered: the default folder. Moved elsewhere and cancelled, it keeps that one.
    EXPECT_FALSE(run([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.directory().absolutePath(), Folder(fallback));
        dialog.setDirectory(Folder(visited));
    }));
    EXPECT_EQ(settings.lastFolder, Folder(visited));
    EXPECT_FALSE(run([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.directory().absolutePath(), Folder(visited));
    }));

    // The initial folder comes first; a file chosen there leaves the dialog there.
    settings.initialFolder = Folder(initial);
    EXPECT_TRUE(run([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.directory().absolutePath(), Folder(initial));
        // As the user types the name and presses Open.
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QStringLiteral("AstOrb.dat"));
        static_cast<QDialog&>(dialog).accept();
    }));
    EXPECT_EQ(settings.fileName, Folder(initial) + "/AstOrb.dat");
    EXPECT_EQ(settings.lastFolder, Folder(initial));

    // A remembered folder that has gone counts for nothing.
    settings.initialFolder.clear();
    settings.lastFolder = gone;
    QDir(gone).removeRecursively();
    EXPECT_FALSE(run([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.directory().absolutePath(), Folder(fallback));
    }));
}

// Runs under ctest's WindowSmallScreen on a 1280 x 800 screen at scale factor 2, where the
// dialog's natural size does not fit.
TEST_F(WindowFileDialog, SmallScreenDialogsFitTheScreen) {
    const QRect available = QApplication::primaryScreen()->availableGeometry();
    {
        QFileDialog natural;
        natural.setOption(QFileDialog::DontUseNativeDialog);
        if (available.size().expandedTo(natural.sizeHint()) == available.size()) {
            GTEST_SKIP() << "the dialog fits this screen as it is";
        }
    }
    RememberFolders(QString::fromStdString(quorvane::test::SamplesFolder()));
    TfrmQuorvane& w = MakeWindowWithRealDialogs();
    w.FormShow();
    w.show();
    for (const char* button : {"btnBrowse", "btnDiacriticals"}) {
        SCOPED_TRACE(button);
        WhileTheDialogShows([&] { Control<QPushButton>(w, button)->click(); },
                            [&](QFileDialog& dialog) {
                                const QRect area = dialog.screen()->availableGeometry();
                                EXPECT_TRUE(area.contains(dialog.frameGeometry()))
                                    << "frame " << dialog.frameGeometry().width() << " x "
                                    << dialog.frameGeometry().height() << " at "
                                    << dialog.frameGeometry().x() << ", "
                                    << dialog.frameGeometry().y();
                                const auto* box = dialog.findChild<QDialogButtonBox*>();
                                ASSERT_NE(box, nullptr);
                                for (const QAbstractButton* b : box->buttons()) {
                                    const QRect onScreen(b->mapToGlobal(QPoint(0, 0)), b->size());
                                    EXPECT_TRUE(area.contains(onScreen)) << b->text().toStdString();
                                }
                            });
    }
}

TEST(WindowProgressDialog, ShowsOnlyWhenTheReadingLastsAndCancels) {
    QWidget window;
    window.show();
    QtProgressDialogs dialogs;

    // A quick reading never shows the dialog.
    auto quick = dialogs.Begin(&window, "Reading astorb.dat.gz...");
    EXPECT_TRUE(quick->Update(0, 10));
    EXPECT_TRUE(quick->Update(10, 10));
    auto* dialog = window.findChild<QProgressDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->isVisible());
    quick.reset();
    EXPECT_EQ(window.findChild<QProgressDialog*>(), nullptr);

    auto slow = dialogs.Begin(&window, "Reading astorb.dat.gz...");
    dialog = window.findChild<QProgressDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->labelText(), "Reading astorb.dat.gz...");
    EXPECT_EQ(dialog->windowTitle(), "Quorvane");
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(slow->Update(0, 1000));
    EXPECT_FALSE(dialog->isVisible());
    QTest::qWait(600);
    EXPECT_TRUE(slow->Update(400, 1000));
    EXPECT_TRUE(dialog->isVisible()) << "half a second on, it shows";
    EXPECT_EQ(dialog->value() * 1000 / dialog->maximum(), 400);
    auto* cancel = dialog->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), "Cancel");
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_FALSE(slow->Update(500, 1000)) << "the next update tells of the Cancel";
}

} // namespace
} // namespace quorvane::app::test
