#include "ui/application.h"

#include "round/random_source.h"
#include "round/round_engine.h"
#include "settings/game_error.h"
#include "settings/installation.h"
#include "settings/options_model.h"
#include "settings/program_folder.h"
#include "settings/split_formats.h"
#include "settings/settings_file.h"
#include "ui/options/options_dialog.h"
#include "ui/about_window.h"
#include "ui/debug_window.h"
#include "ui/hover_hints.h"
#include "ui/look_alike_fonts.h"
#include "ui/main_window.h"
#include "ui/system_desktop.h"

#include <QTimer>
#include <QWindow>

GameApplication::GameApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool GameApplication::notify(QObject *receiver, QEvent *event)
{
    bool result = false;
    runShowingErrors([&] { result = QApplication::notify(receiver, event); });
    return result;
}

void GameApplication::showUncaughtError(const QString &message)
{
    auto *app = qobject_cast<GameApplication *>(QCoreApplication::instance());
    static SystemDesktop system;
    Desktop &desktop = app && app->m_desktop ? *app->m_desktop : system;
    desktop.showMessage(QApplication::activeWindow(), Desktop::BoxKind::Error, QStringLiteral("Splitwick"), message);
}

void initialiseProgram()
{
    RandomSource::seedFromClock();
    // ChosenEntries belongs to the board, which the main window's engine creates.
    HoverHints::install();
    loadLookAlikeFonts();
    programFolder();
    // The application title; no display name, which the window system would
    // add to every other window's caption.
    QApplication::setApplicationName(QStringLiteral("Splitwick"));
}

StartupSwitches StartupSwitches::fromEnvironment()
{
    StartupSwitches switches;
    switches.quitAfterShow = qEnvironmentVariableIntValue("SPLITWICK_QUIT_AFTER_SHOW") != 0;
    switches.dealWords = qEnvironmentVariableIntValue("SPLITWICK_DEAL_ROUND");
    return switches;
}

void quitOnceShown(QWidget *window)
{
    // Shown means on screen and painted once; then the loop ends without the
    // close steps, so that only the start is measured.
    if (!window->windowHandle() || !window->windowHandle()->isExposed()) {
        QTimer::singleShot(1, window, [window] { quitOnceShown(window); });
        return;
    }
    window->repaint();
    QCoreApplication::exit(0);
}

namespace {
// The installation's warnings in a box over the main window.
class WarningBox : public InstallationWarnings
{
public:
    WarningBox(Desktop &desktop, QWidget *parent) : m_desktop(desktop), m_parent(parent) {}
    void warnInstallation(const QString &text) override
    {
        m_desktop.showMessage(m_parent, Desktop::BoxKind::Warning, QStringLiteral("Splitwick"), text);
    }

private:
    Desktop &m_desktop;
    QWidget *m_parent;
};
} // namespace

GameProgram::GameProgram(Desktop &desktop) : m_desktop(desktop), m_options(std::make_unique<OptionsModel>())
{
    m_main = std::make_unique<TfrmMain>(desktop);
    m_about = new TfrmAbout(m_main.get());
    WarningBox warnings(desktop, m_main.get());
    m_installation = std::make_unique<Installation>(*m_options, warnings);
    m_fo = new Tfo(*m_options, desktop, m_main.get());
    // The statistics window, the Background and Styles dialogs come here when they exist;
    // the news page opens in the system's browser.
    m_debug = std::make_unique<TfrmDebug>();

    m_main->attachOptions(*m_options, m_installation->settings());
    m_main->setOptionsDialog(m_fo);
    m_main->setAboutBox(m_about);
    m_main->setDebugWindow(m_debug.get());
}

GameProgram::~GameProgram()
{
    // The engine and the Options dialog go before the options and the settings file they use.
    m_main.reset();
}

SettingsFile &GameProgram::settings()
{
    return m_installation->settings();
}

int GameProgram::run(const StartupSwitches &switches)
{
    QObject::connect(m_main.get(), &TfrmMain::closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    if (switches.quitAfterShow) {
        m_main->setSplashEnabled(false);
        QTimer::singleShot(0, m_main.get(), [this, switches] {
            m_main->show();
            if (switches.dealWords > 0) {
                options().setPresetsIndex(SplitFormatCount - 1);
                options().setWordCount(switches.dealWords);
                m_main->New1Click();
                qInfo("Dealt %d tiles in %d rows", int(m_main->engine().board().TileCount()),
                      int(m_main->engine().board().RoundWords.size()));
            }
            quitOnceShown(m_main.get());
        });
    } else {
        QTimer::singleShot(0, m_main.get(), [this] { m_main->show(); });
    }
    return QApplication::exec();
}
