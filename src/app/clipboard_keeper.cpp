#include "app/clipboard_keeper.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>

#if defined(__linux__)
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/mman.h>
#include <unistd.h>

extern char** environ;
#endif

#if defined(QUORVANE_HAVE_XCB)
#include <xcb/xcb.h>
#endif

#include <cstdlib>

namespace quorvane::app {

namespace {

// How long the closing program waits for the keeper to own the clipboard.
constexpr int kKeeperStartMs = 3000;

bool ClipboardManagerRuns() {
#if defined(QUORVANE_HAVE_XCB)
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) {
        return false;
    }
    xcb_connection_t* connection = x11->connection();
    constexpr char kName[] = "CLIPBOARD_MANAGER";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, sizeof kName - 1, kName), nullptr);
    if (atom == nullptr) {
        return false;
    }
    xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
    const bool runs = owner != nullptr && owner->owner != XCB_NONE;
    std::free(owner);
    std::free(atom);
    return runs;
#else
    return false;
#endif
}

QString KeeperProgram() {
    const QString folder = QCoreApplication::applicationDirPath();
    for (const QString& candidate :
         {folder + QStringLiteral("/quorvane-clipboard"),
          folder + QStringLiteral("/../libexec/quorvane/quorvane-clipboard")}) {
        if (QFileInfo(candidate).isExecutable()) {
            return candidate;
        }
    }
    return {};
}

#if defined(__linux__)
// Starts the keeper in a session of its own, the text on its standard input, and waits until
// it reports that the clipboard is its own. False when it could not be started.
bool HandToKeeper(const QString& program, const QByteArray& text) {
    const int input = ::memfd_create("quorvane-clipboard", MFD_CLOEXEC);
    if (input < 0) {
        return false;
    }
    for (qsizetype done = 0; done < text.size();) {
        const ssize_t written =
            ::write(input, text.constData() + done, static_cast<std::size_t>(text.size() - done));
        if (written <= 0) {
            ::close(input);
            return false;
        }
        done += written;
    }
    ::lseek(input, 0, SEEK_SET);
    int ready[2];
    if (::pipe2(ready, O_CLOEXEC) != 0) {
        ::close(input);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input, 0);
    posix_spawn_file_actions_adddup2(&actions, ready[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    posix_spawn_file_actions_addchdir_np(&actions, "/");
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    const QByteArray path = program.toLocal8Bit();
    // On the X server this program uses, whatever else the environment would choose.
    char platformOption[] = "-platform";
    char platform[] = "xcb";
    char* argv[] = {const_cast<char*>(path.constData()), platformOption, platform, nullptr};
    pid_t pid = 0;
    const bool started =
        ::posix_spawn(&pid, path.constData(), &actions, &attributes, argv, environ) == 0;
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    ::close(input);
    ::close(ready[1]);
    bool owns = false;
    if (started) {
        pollfd wait = {ready[0], POLLIN, 0};
        char answer = 0;
        owns = ::poll(&wait, 1, kKeeperStartMs) == 1 && ::read(ready[0], &answer, 1) == 1;
    }
    ::close(ready[0]);
    return owns;
}
#else
bool HandToKeeper(const QString&, const QByteArray&) {
    return false;
}
#endif

} // namespace

void KeepClipboardAfterClose() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->ownsClipboard()) {
        return;
    }
    const QString platform = QGuiApplication::platformName();
    if (platform == QStringLiteral("xcb")) {
        if (ClipboardManagerRuns()) {
            return;
        }
        const QString keeper = KeeperProgram();
        if (!keeper.isEmpty() && HandToKeeper(keeper, clipboard->text().toUtf8())) {
            return;
        }
    } else if (!platform.startsWith(QStringLiteral("wayland"))) {
        return;
    }
    // Served from here, without a window, until another program owns the clipboard.
    QEventLoop loop;
    QObject::connect(clipboard, &QClipboard::changed, &loop, [&](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard()) {
            loop.quit();
        }
    });
    loop.exec();
}

} // namespace quorvane::app
