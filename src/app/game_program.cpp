#include "app/game_program.h"

#include "round/random_source.h"
#include "settings/installation.h"
#include "settings/options_model.h"
#include "settings/program_folder.h"
#include "settings/settings_file.h"
#include "ui/about_window.h"
#include "ui/debug_window.h"
#include "ui/desktop.h"
#include "ui/hover_hints.h"
#include "ui/look_alike_fonts.h"
#include "ui/main_window.h"
#include "ui/options/options_dialog.h"

#include <QApplication>
#include <QTimer>

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

void initialiseProgram()
{
    RandomSource::seedFromClock();
    HoverHints::install();
    loadLookAlikeFonts();
    programFolder();
    // The application title; no display name, which the window system would
    // add to every other window's caption.
    QApplication::setApplicationName(QStringLiteral("Splitwick"));
}

GameProgram::GameProgram(Desktop &desktop) : m_options(std::make_unique<OptionsModel>())
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

int GameProgram::run()
{
    QObject::connect(m_main.get(), &TfrmMain::closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    QTimer::singleShot(0, m_main.get(), [this] { m_main->show(); });
    return QApplication::exec();
}
