#include "ui/application.h"

#include "round/random_source.h"
#include "round/round_engine.h"
#include "settings/game_error.h"
#include "settings/options_model.h"
#include "settings/program_folder.h"
#include "settings/settings_file.h"
#include "ui/about_window.h"
#include "ui/debug_window.h"
#include "ui/hover_hints.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/splash_window.h"

#include <QDir>
#include <QTimer>
#include <algorithm>
#include <exception>

GameApplication::GameApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool GameApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const GameError &error) {
        showUncaughtError(error.message());
    } catch (const std::exception &error) {
        showUncaughtError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

void GameApplication::showUncaughtError(const QString &message)
{
    GameMessageBox::show(QApplication::activeWindow(), GameMessageBox::Kind::Error,
                         QApplication::applicationDisplayName(), message);
}

void initialiseProgram()
{
    RandomSource::seedFromClock();
    // ChosenEntries belongs to the board, which the main window's engine creates.
    HoverHints::install();
    programFolder();
    QApplication::setApplicationName(QStringLiteral("Splitwick"));
    QApplication::setApplicationDisplayName(QStringLiteral("Splitwick"));
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
        GameMessageBox::setHook([](QWidget *, GameMessageBox::Kind, const QString &, const QString &,
                                   QMessageBox::StandardButtons buttons) {
            return buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
        });
    }
}

void loadOptions(OptionsModel &options, const SettingsFile &settings)
{
    const QString folder = dataPath(QStringLiteral("kbs"));
    QStringList names;
    if (QDir(folder).exists()) {
        QStringList files = QDir(folder).entryList({QStringLiteral("*.dic")}, QDir::Files, QDir::NoSort);
        std::sort(files.begin(), files.end(),
                  [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        for (const QString &file : files)
            names << file.left(file.size() - 4);
    } else {
        GameMessageBox::show(nullptr, GameMessageBox::Kind::Error, QStringLiteral("Splitwick"),
                             QStringLiteral("Cannot open folder %1").arg(QDir::toNativeSeparators(folder)));
    }
    options.setDictionaryNames(names);
    options.restore(settings);
}

GameProgram::GameProgram()
{
    m_main = std::make_unique<TfrmMain>();
    m_splash = std::make_unique<TfrmSplash>();
    m_about = std::make_unique<TfrmAbout>(m_main.get());
    m_settings = std::make_unique<SettingsFile>(dataPath(QStringLiteral("ZRV_XQ.INI")));
    m_options = std::make_unique<OptionsModel>();
    loadOptions(*m_options, *m_settings);
    m_debug = std::make_unique<TfrmDebug>();

    m_main->attachOptions(*m_options, *m_settings);
    m_main->setAboutBox(m_about.get());
    m_main->setDebugWindow(m_debug.get());
}

GameProgram::~GameProgram()
{
    // The About box is the main window's child: it goes with the window's own children.
    m_about.reset();
    m_main.reset();
}

int GameProgram::run(const StartupSwitches &switches)
{
    QObject::connect(m_main.get(), &TfrmMain::closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    if (switches.quitAfterShow) {
        m_main->setSplashEnabled(false);
        QTimer::singleShot(0, m_main.get(), [this, switches] {
            m_main->show();
            if (switches.dealWords > 0) {
                m_options->setPresetsIndex(35);
                m_options->setWordCount(switches.dealWords);
                m_main->New1Click();
            }
            QTimer::singleShot(0, m_main.get(), [this] { m_main->close(); });
        });
    } else {
        QTimer::singleShot(0, m_main.get(), [this] { m_main->show(); });
    }
    return QApplication::exec();
}
