#include "ui/application.h"

#include "round/random_source.h"
#include "round/round_engine.h"
#include "settings/game_error.h"
#include "settings/options_model.h"
#include "settings/program_folder.h"
#include "settings/split_formats.h"
#include "settings/settings_file.h"
#include "settings/dialogs/options_dialog.h"
#include "ui/about_window.h"
#include "ui/debug_window.h"
#include "ui/hover_hints.h"
#include "ui/look_alike_fonts.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/splash_window.h"

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
    GameMessageBox::show(QApplication::activeWindow(), GameMessageBox::Kind::Error, QStringLiteral("Splitwick"),
                         message);
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

void StartupSwitches::prepare() const
{
    // Unattended runs answer every box at once (No where there is a No).
    if (quitAfterShow) {
        GameMessageBox::setHook([](QWidget *, GameMessageBox::Kind, const QString &, const QString &text,
                                   QMessageBox::StandardButtons buttons) {
            // Said on the error stream, so that an unattended run can be checked.
            qWarning("Message box: %s", qUtf8Printable(text));
            return buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
        });
    }
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

GameProgram::GameProgram()
{
    m_main = std::make_unique<TfrmMain>();
    m_splash = std::make_unique<TfrmSplash>();
    m_about = new TfrmAbout(m_main.get());
    m_fo = new Tfo(m_main.get());
    // The statistics window, the Background and Styles dialogs come here when they exist;
    // the news page opens in the system's browser.
    m_debug = std::make_unique<TfrmDebug>();

    m_main->attachOptionsDialog(*m_fo);
    m_main->setAboutBox(m_about);
    m_main->setDebugWindow(m_debug.get());
}

GameProgram::~GameProgram()
{
    // The engine goes before the Options dialog whose options it reads.
    m_main.reset();
}

OptionsModel &GameProgram::options()
{
    return m_fo->options();
}

SettingsFile &GameProgram::settings()
{
    return m_fo->settings();
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
