// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/round_host.h"
#include "ui/main_window/menu_table.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class Banner;
class BackgroundImage;
class BoardBackground;
class BoardPanel;
class BoardScroll;
class BoardView;
class Desktop;
class KeptRoundFile;
class KeyboardPlay;
class MainMenus;
class OptionsModel;
class QFrame;
class QtRoundTimer;
class RoundCards;
class RoundEngine;
class RoundTimer;
class SettingsFile;
class SoundLayer;
class SoundMenu;
class StatusPanel;
class TfrmAbout;
class TfrmDebug;
class TfrmScore;
class TfrmStyle;
class Tfo;
class TileLookHolder;
class TileWidget;

// The game's one window: the board panel pGame above the status panel, the
// main menu and the board's pop-up menu. It owns the tiles, the round engine
// (and with it the board and the knowledge base) and the penalty timer, and
// it glues the round to the player's mouse and keys.
class TfrmMain : public QMainWindow,
                 private RoundMessages,
                 private TraceWindow,
                 private BoardWindow,
                 private EventPump,
                 private RoundListener
{
    Q_OBJECT
public:
    static constexpr int DesignClientWidth = 337;
    static constexpr int DesignClientHeight = 157;
    static constexpr int TileCountInPool = 250;

    // Makes the round engine over the window's side of the wiring and its
    // penalty timer; the composition root supplies the rest.
    using EngineMaker =
        std::function<std::unique_ptr<RoundEngine>(const RoundWiring &wiring, RoundTimer &penaltyTimer)>;

    // desktop: where boxes, links and the splash holds go. It, the options
    // and the settings file belong to the program and outlive the window.
    TfrmMain(Desktop &desktop, OptionsModel &options, SettingsFile &settings, const EngineMaker &makeEngine,
             QWidget *parent = nullptr);
    ~TfrmMain() override;

    // The Options dialog over those options, shown by "Settings" (F7).
    void setOptionsDialog(Tfo *dialog);
    void setDebugWindow(TfrmDebug *window) { m_debugWindow = window; }
    void setAboutBox(TfrmAbout *box) { m_aboutBox = box; }
    void setScoreWindow(TfrmScore *window) { m_scoreWindow = window; }
    void setStyleDialog(TfrmStyle *dialog) { m_styleDialog = dialog; }
    void setSoundLayer(std::unique_ptr<SoundLayer> sound);

    // Start-up without the splash (measurements, tests of the shown window).
    void setSplashEnabled(bool on) { m_splashEnabled = on; }

    RoundEngine &engine() { return *m_engine; }
    SoundLayer &sound() { return *m_sound; }
    SoundMenu &soundMenu() { return *m_soundMenu; }
    Banner &banner();
    MainMenus &menus() { return *m_menus; }
    Desktop &desktop() { return m_desktop; }
    TileWidget *templateTile() const { return m_templateTile; }
    BoardPanel *board() const { return m_boardPanel; }
    BoardScroll *boardScroll() const { return m_boardScroll; }
    KeyboardPlay *keyboardPlay() const { return m_keyboardPlay.get(); }
    RoundCards &cards() { return *m_cards; }
    BackgroundImage *backgroundImage() const { return m_backgroundImage; }
    // The tile look holders and the picture behind the board, which the Styles
    // and Background dialogs change and the activation restores.
    TileLookHolder &tileLook() { return *m_look; }
    BoardBackground &boardBackground() { return *m_background; }

    // Height of the full-screen client area, and the template tile height it gives.
    int fullScreenClientHeight() const;
    static int templateHeightFor(int clientHeight) { return (clientHeight - 200) / 15; }

    // Sets the outer geometry (frame included) the way round setup computes it.
    void setOuterGeometry(int left, int top, int width, int height);

    // Day number of a date: whole days since 30 December 1899.
    static int dayNumber(const QDate &date);

    // Handlers (classic names, see the README's glossary).
    void FormCreate();
    void FormShow();
    void FormActivate();
    void New1Click();
    void Options1Click();
    void Exit1Click() { close(); }
    void HonorRoll2Click();
    void Styles1Click();
    void About2Click();
    void Contents1Click();
    void mMusicClick();
    void mSOundClick();
    void WordGame1Click();
    void RoundNumberClick(); // Game > "Round Number...": show the number and code, deal one again
    void TodaysRoundClick(); // Game > "Today's Round": the day's round, the first play of the day counting
    void CopyRoundCodeClick(); // Ctrl+C: the round's code with its dictionary's name to the clipboard
    // Ctrl+Shift+C, and the round's end card: the day's result to post (see
    // TodaysRound::resultOf) to the clipboard, once the day's counted round has ended.
    void CopyResultClick();
    void EarlierDaysClick(); // Game > "Earlier Days...": a day of the last 30 played as practice
    void ColourCuesClick();  // Options > "Colour-blind Cues": the tick, stored
    // Options > "Zoom In", "Zoom Out", "Actual Size": the board's size in per
    // cent of its natural size, the window following; kept at close.
    void zoomTo(int percent);
    int zoom() const { return m_zoom; }
    // The keys the window takes before its menus, as the round's commands
    // allow them: F2 New Game, F3 (swallowed), F7 Options when settings are
    // open, F12 Solve and Shift+F12 Clue while the pop-up offers them. True
    // when the key was taken.
    bool FormShortCut(int key, Qt::KeyboardModifiers modifiers);

    int activationCount() const { return m_activationCount; }

    // The display is gone (the X server or the compositor, or the window
    // killed by the window system): what a close saves is saved and the
    // sound stopped, touching nothing on screen. Failed writes go to the
    // error stream, there being nowhere to show them.
    void displayLost();

signals:
    // After FormClose has run: the application ends.
    void closed();

protected:
    void setVisible(bool visible) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildBoard();
    void showRoundCode(); // the code items' captions and enabling for the round on the board
    void afterDeal();
    void attachEngine(const EngineMaker &makeEngine);
    void runCommand(MenuCommand command);
    void applyCommands();
    void restoreLook();
    void newsCheck();
    void FormClose();
    // The close's steps after the banner: a failed write is passed to report
    // and closing goes on; withDisplay, the music fades out first.
    void closeSteps(bool withDisplay, const std::function<void(const QString &)> &report);
    void centreOnScreen();
    // Sizes the window for the board's natural size at the zoom, centred on
    // centre (screen coordinates), within the screen's available area.
    void placeBoard(const QPoint &centre);
    QSize chromeSize() const; // what the window adds to the board: frame, menu bar, status line
    void fitTemplateToFrame();
    void showSoundTicks();
    // At the first activation: the round kept at the last close, its clock held until the first key or click.
    void restoreKeptRound();

    // What the round engine asks of this window.
    void showWarning(const QString &text) override;
    void showInformation(const QString &text) override;
    void showError(const QString &text) override;
    void ratingChanged() override;
    void commandsChanged() override;
    void processEvents() override;
    void setBoardEnabled(bool enabled) override;
    void setBusyCursor(bool busy) override;
    void clearDebug() override;
    void appendDebugLine(const QString &line) override;
    void showDebugWindow() override;
    QSize screenSize() const override;
    void setWindowGeometry(int left, int top, int width, int height) override;

    Desktop &m_desktop;
    OptionsModel &m_options;
    SettingsFile &m_settings;

    // Widgets; their object names are the classic component names.
    BoardPanel *m_boardPanel = nullptr;          // pGame
    BoardScroll *m_boardScroll = nullptr;
    BackgroundImage *m_backgroundImage = nullptr; // Image2
    TileWidget *m_templateTile = nullptr;        // pCopy: the hidden tile every tile copies
    StatusPanel *m_statusPanel = nullptr;        // pStatus
    MainMenus *m_menus = nullptr;

    std::unique_ptr<QtRoundTimer> m_penaltyTimer; // Timer1
    std::unique_ptr<SoundLayer> m_sound;
    std::unique_ptr<SoundMenu> m_soundMenu; // the ticks of "Sound Effects" and "Music"
    std::unique_ptr<KeptRoundFile> m_keptRound; // the engine writes the round in play here
    std::unique_ptr<RoundEngine> m_engine;
    std::unique_ptr<BoardView> m_boardView;
    std::unique_ptr<KeyboardPlay> m_keyboardPlay;
    std::unique_ptr<RoundCards> m_cards; // the pause, the way in and each round's result

    Tfo *m_optionsDialog = nullptr;
    TfrmDebug *m_debugWindow = nullptr;
    TfrmAbout *m_aboutBox = nullptr;
    TfrmScore *m_scoreWindow = nullptr;
    std::optional<QString> m_resultOfferedAfter; // the round's last status, once the status line offered its result
    TfrmStyle *m_styleDialog = nullptr;

    std::unique_ptr<TileLookHolder> m_look;
    std::unique_ptr<BoardBackground> m_background;

    int m_zoom = 100;     // per cent of the board's natural size
    int m_swallowKey = 0; // a key the hook handled: its key press goes no further
    bool m_splashEnabled = true;
    bool m_shownOnce = false;
    bool m_closed = false;
    int m_activationCount = 0;
};
