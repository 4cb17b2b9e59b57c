#include "ui/desktop/application.h"

#include "ui/desktop/system_desktop.h"

GameApplication::GameApplication(int &argc, char **argv) : QApplication(argc, argv) {}

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
