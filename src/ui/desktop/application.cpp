// SPDX-License-Identifier: GPL-3.0-or-later
// The application object: the top-level error handler, the desktop entry's id and the window icon.
#include "ui/desktop/application.h"

#include "base/program_folder.h"
#include "ui/desktop/lazy_file_icon.h"
#include "ui/desktop/system_desktop.h"

GameApplication::GameApplication(int &argc, char **argv) : QApplication(argc, argv)
{
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
