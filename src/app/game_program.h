// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

class AudioDevice;

class Desktop;
class Installation;
class OptionsModel;
class SettingsFile;
class TfrmAbout;
class TfrmBG;
class TfrmDebug;
class TfrmMain;
class TfrmScore;
class TfrmStyle;
class Tfo;

// Program-wide initialisation before any window exists: the random source,
// the hint pop-up time, the look-alike fonts, the program folder; and the
// application title.
void initialiseProgram();

// The composition root: the windows of one run, created hidden in the
// program's order (the installation with the settings file and the options,
// the main window with the round engine made here, the About box, the
// installation's warnings over the main window, the Options dialog, the
// statistics window, the Background dialog, the debug window, the Styles
// dialog) and wired to each other and to the desktop they are given.
class GameProgram
{
public:
    // audio makes the audio device; without it the game is silent.
    using AudioFactory = std::function<std::unique_ptr<AudioDevice>()>;
    explicit GameProgram(Desktop &desktop, const AudioFactory &audio = {});
    ~GameProgram();
    GameProgram(const GameProgram &) = delete;
    GameProgram &operator=(const GameProgram &) = delete;

    TfrmMain &mainWindow() { return *m_main; }
    TfrmDebug &debugWindow() { return *m_debug; }
    TfrmAbout &aboutBox() { return *m_about; }
    Tfo &optionsDialog() { return *m_fo; }
    TfrmScore &scoreWindow() { return *m_score; }
    TfrmBG &backgroundDialog() { return *m_bg; }
    TfrmStyle &styleDialog() { return *m_style; }
    OptionsModel &options() { return *m_options; }
    Installation &installation() { return *m_installation; }
    SettingsFile &settings();

    // Shows the main window (its show handler runs the splash) and runs the
    // message loop until the main window closes.
    int run();

private:
    void setUpSound(std::unique_ptr<AudioDevice> device);

    Desktop &m_desktop;
    std::unique_ptr<OptionsModel> m_options;
    std::unique_ptr<Installation> m_installation;
    std::unique_ptr<TfrmMain> m_main;
    TfrmAbout *m_about = nullptr; // the About box and the Options dialog belong to the main window
    Tfo *m_fo = nullptr;
    TfrmScore *m_score = nullptr; // belongs to the main window too
    std::unique_ptr<TfrmBG> m_bg;
    std::unique_ptr<TfrmDebug> m_debug;
    TfrmStyle *m_style = nullptr; // belongs to the main window
};
