// SPDX-License-Identifier: GPL-3.0-or-later
// The application object: the top-level error handler, the desktop entry's id and the window icon.
#include "ui/desktop/application.h"

#include "base/program_folder.h"
#include "ui/desktop/lazy_file_icon.h"
#include "ui/desktop/system_desktop.h"

#include <QThread>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler g_previousMessages = nullptr;
std::function<void()> g_displayLost;
std::atomic<bool> g_displayLostSaid{false};

void endAtOnce()
{
    // Not exit(): what it would tear down (the audio device's thread among
    // it) may hang, and the music plays on meanwhile.
    std::fflush(nullptr);
    std::_Exit(1);
}

// Qt ends the process itself when the display connection breaks, without a
// close: exit(1) on X11, from the window thread; _exit(1) on Wayland, from
// its own thread. This warning is its last word before, and the moment to
// save what a close saves.
void onMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (g_previousMessages)
        g_previousMessages(type, context, message);
    const bool displayLost = type == QtWarningMsg && (message.startsWith(u"The X11 connection broke")
                                                      || message.startsWith(u"The Wayland connection"));
    if (!displayLost || g_displayLostSaid.exchange(true))
        return;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || !g_displayLost)
        endAtOnce();
    if (QThread::currentThread() == app->thread()) {
        g_displayLost();
        endAtOnce();
    }
    // The window thread saves and ends the process; should it be stuck, Qt
    // ends it when this returns.
    QMetaObject::invokeMethod(app, [] {
        g_displayLost();
        endAtOnce();
    }, Qt::QueuedConnection);
    QThread::sleep(5);
}

} // namespace

GameApplication::GameApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    g_previousMessages = qInstallMessageHandler(onMessage);
    // Wayland and X11 shells match the windows to the launcher by the desktop
    // entry's id; the icon is the launcher's, shipped with the data.
    setDesktopFileName(QStringLiteral(SPLITWICK_APP_ID));
    setWindowIcon(lazyFileIcon(dataPath(QStringLiteral("xq/splitwick.png"))));
}

bool GameApplication::notify(QObject *receiver, QEvent *event)
{
    bool result = false;
    runShowingErrors([&] { result = QApplication::notify(receiver, event); });
    return result;
}

void GameApplication::showUncaughtError(const QString &message)
{
    // Before a desktop is set (or under another application object) the real one shows it.
    auto *app = qobject_cast<GameApplication *>(QCoreApplication::instance());
    static SystemDesktop system;
    Desktop &desktop = app && app->m_desktop ? *app->m_desktop : system;
    desktop.showMessage(QApplication::activeWindow(), Desktop::BoxKind::Error, QStringLiteral("Splitwick"), message);
}

void GameApplication::setDisplayLostHandler(std::function<void()> handler)
{
    g_displayLost = std::move(handler);
}
