#pragma once

#include "settings/game_error.h"

#include <QApplication>
#include <exception>
#include <memory>

class OptionsModel;
class SettingsFile;
class TfrmAbout;
class TfrmBG;
class TfrmDebug;
class TfrmMain;
class TfrmSplash;
class TfrmStyle;
class Tfo;

// The application object with the program's one top-level error handler: an
// error that no handler caught (GameError, or any other exception) is shown in
// an error box and the program goes on with the next event.
class GameApplication : public QApplication
{
    Q_OBJECT
public:
    GameApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

    // Shows an uncaught error's message the way notify() does.
    static void showUncaughtError(const QString &message);
};

// Runs work and shows any error it throws in an error box, as notify() does;
// for handlers that Qt calls outside event delivery, such as the focus-window
// signal, where an exception would end the program.
template <typename Work>
void runShowingErrors(Work &&work)
{
    try {
        work();
    } catch (const GameError &error) {
        GameApplication::showUncaughtError(error.message());
    } catch (const std::exception &error) {
        GameApplication::showUncaughtError(QString::fromLocal8Bit(error.what()));
    }
}

// Ends the message loop once the window is exposed and painted.
void quitOnceShown(QWidget *window);

// Program-wide initialisation before any window exists: the random source,
// the hint pop-up time, the program folder; and the application title.
void initialiseProgram();

// Start-up switches for measurements, read from the environment (the game
// itself takes no command line): SPLITWICK_QUIT_AFTER_SHOW=1 skips the splash,
// answers every message box at once (No where there is one) and quits as soon
// as the main window is shown and painted, without the close steps;
// SPLITWICK_DEAL_ROUND=<words> with it deals a round of that many words of the
// longest split format ("25 letters: 5-5-5-5-5") before quitting.
struct StartupSwitches
{
    bool quitAfterShow = false;
    int dealWords = 0;
    static StartupSwitches fromEnvironment();
    // Before the windows are made.
    void prepare() const;
};

// The windows of one run, created hidden in the program's order: the main
// window, a splash window that is never shown, the About box, the Options
// dialog (with the settings file), the Background dialog, the debug window and
// the Styles dialog.
class GameProgram
{
public:
    GameProgram();
    ~GameProgram();
    GameProgram(const GameProgram &) = delete;
    GameProgram &operator=(const GameProgram &) = delete;

    TfrmMain &mainWindow() { return *m_main; }
    TfrmDebug &debugWindow() { return *m_debug; }
    TfrmAbout &aboutBox() { return *m_about; }
    Tfo &optionsDialog() { return *m_fo; }
    TfrmBG &backgroundDialog() { return *m_bg; }
    TfrmStyle &styleDialog() { return *m_style; }
    OptionsModel &options();
    SettingsFile &settings();

    // Shows the main window (its show handler runs the splash) and runs the
    // message loop until the main window closes.
    int run(const StartupSwitches &switches = {});

private:
    std::unique_ptr<TfrmMain> m_main;
    std::unique_ptr<TfrmSplash> m_splash;
    TfrmAbout *m_about = nullptr; // the About box and the Options dialog belong to the main window
    Tfo *m_fo = nullptr;
    std::unique_ptr<TfrmBG> m_bg;
    std::unique_ptr<TfrmDebug> m_debug;
    TfrmStyle *m_style = nullptr; // belongs to the main window
};

