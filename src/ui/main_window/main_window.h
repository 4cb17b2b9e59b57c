#pragma once

#include "round/round_host.h"
#include "ui/styles/tile_style.h"

#include <QFont>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class ActivationTracker;
class Banner;
class Desktop;
class BackgroundImage;
class BoardBackground;
class BoardScroll;
class BoardView;
class KeyboardPlay;
class OptionsModel;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QTimer;
class QtRoundTimer;
class RoundEngine;
class SettingsFile;
class SoundLayer;
class SoundMenu;
class TfrmAbout;
class TfrmDebug;
class TfrmScore;
class TfrmStyle;
class Tfo;
class TileLookHolder;
class TileWidget;

// The game's one window: the board pGame above the status bar (rating and
// banner line), the main menu and the board's pop-up menu. It owns the
// tiles, the round engine (and with it the board and the knowledge base) and
// the two timers, and it glues the round to the player's mouse and keys.
class TfrmMain : public QMainWindow,
                 private StatusLine,
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
    static constexpr int StatusHeight = 25;
    static constexpr int TileCountInPool = 250;

    // desktop: where boxes, links and the splash holds go; it outlives the window.
    explicit TfrmMain(Desktop &desktop, QWidget *parent = nullptr);
    ~TfrmMain() override;

    // Wiring at start-up, before the window is shown. The options and the
    // settings file belong to the program; the round engine is built on them here.
    void attachOptions(OptionsModel &options, SettingsFile &settings);
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
    bool hasEngine() const { return bool(m_engine); }
    SoundLayer &sound() { return *m_sound; }
    SoundMenu &soundMenu() { return *m_soundMenu; }
    Banner &banner() { return *m_banner; }
    Desktop &desktop() { return m_desktop; }
    TileWidget *tile(int slot) const; // 1..250
    TileWidget *templateTile() const { return m_pCopy; }
    QWidget *board() const;
    BoardScroll *boardScroll() const { return m_boardScroll; }
    KeyboardPlay *keyboardPlay() const { return m_keyboardPlay.get(); }
    BackgroundImage *backgroundImage() const { return m_image2; }
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

    // Handlers (named after their controls and events).
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
    void RoundNumberClick(); // Game > "Round Number...": show the number, deal one again
    void ColourCuesClick();  // Options > "Colour-blind Cues": the tick, stored
    // The keys the window takes before its menus, as the round's commands
    // allow them: F2 New Game, F3 (swallowed), F7 Options when settings are
    // open, F12 Solve and Shift+F12 Clue while the pop-up offers them. True
    // when the key was taken.
    bool FormShortCut(int key, Qt::KeyboardModifiers modifiers);

    int activationCount() const { return m_activationCount; }

signals:
    // After FormClose has run: the application ends.
    void closed();

protected:
    void setVisible(bool visible) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWidgets();
    void buildMenus();
    void buildPopupMenu();
    QAction *addItem(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = {});
    void connectActions();
    void applyCommands();
    void restoreLook();
    void newsCheck();
    void notAvailableYet(const QString &what);
    void FormClose();
    void centreOnScreen();
    void fitTemplateToFrame();
    void showSoundTicks();

    // What the round engine asks of this window.
    void setStatusText(const QString &text) override;
    void showOutcome(RoundOutcome outcome) override;
    void showNextBannerLine() override;
    void showWarning(const QString &text) override;
    void showInformation(const QString &text) override;
    void showError(const QString &text) override;
    void ratingChanged() override;
    void commandsChanged() override;
    bool hoverHints() const override;
    void processEvents() override;
    void setBoardEnabled(bool enabled) override;
    void setBusyCursor(bool busy) override;
    void clearDebug() override;
    void appendDebugLine(const QString &line) override;
    void showDebugWindow() override;
    QSize screenSize() const override;
    void setWindowGeometry(int left, int top, int width, int height) override;

    Desktop &m_desktop;

    // Widgets (object names as the component names).
    QFrame *m_pGame = nullptr;
    BoardScroll *m_boardScroll = nullptr;
    BackgroundImage *m_image2 = nullptr;
    TileWidget *m_pCopy = nullptr;
    QFrame *m_pStatus = nullptr;
    QFrame *m_ppp = nullptr;
    QFrame *m_ratingFrame = nullptr;
    QLabel *m_counter = nullptr;
    QLabel *m_lb = nullptr;
    QLabel *m_lROund = nullptr;
    QMenu *m_popup = nullptr;
    std::array<TileWidget *, TileCountInPool> m_tiles{};

    // Menu items.
    QAction *m_HonorRoll2 = nullptr, *m_Exit1 = nullptr;
    QAction *m_Game1 = nullptr, *m_mReveal = nullptr, *m_mSolve = nullptr;
    QAction *m_mSettings = nullptr, *m_Styles1 = nullptr, *m_Banner = nullptr, *m_mHints = nullptr;
    QAction *m_mSOund = nullptr, *m_mMusic = nullptr;
    QAction *m_mRoundNumber = nullptr, *m_mCues = nullptr;
    QAction *m_Contents1 = nullptr, *m_ByEmail1 = nullptr, *m_TryOtherGames1 = nullptr, *m_WebSite2 = nullptr,
            *m_About3 = nullptr;
    QAction *m_Help1 = nullptr, *m_New1 = nullptr, *m_WordGame1 = nullptr, *m_PhraseGame1 = nullptr,
            *m_Settings1 = nullptr, *m_Solve1 = nullptr, *m_Clue1 = nullptr, *m_HonorRoll1 = nullptr,
            *m_MakerWebsite1 = nullptr, *m_About1 = nullptr;

    std::unique_ptr<QtRoundTimer> m_timer1;
    std::unique_ptr<QtRoundTimer> m_bTimer;
    Banner *m_banner = nullptr;
    std::unique_ptr<SoundLayer> m_sound;
    std::unique_ptr<SoundMenu> m_soundMenu; // the ticks of "Sound Effects" and "Music"
    std::unique_ptr<RoundEngine> m_engine;
    std::unique_ptr<BoardView> m_boardView;
    std::unique_ptr<KeyboardPlay> m_keyboardPlay;
    ActivationTracker *m_activation = nullptr;

    OptionsModel *m_options = nullptr;
    SettingsFile *m_settings = nullptr;
    Tfo *m_optionsDialog = nullptr;
    TfrmDebug *m_debugWindow = nullptr;
    TfrmAbout *m_aboutBox = nullptr;
    TfrmScore *m_scoreWindow = nullptr;
    TfrmStyle *m_styleDialog = nullptr;

    std::unique_ptr<TileLookHolder> m_look;
    std::unique_ptr<BoardBackground> m_background;

    int m_swallowKey = 0; // a key the hook handled: its key press goes no further
    bool m_splashEnabled = true;
    bool m_shownOnce = false;
    bool m_closed = false;
    int m_activationCount = 0;
};
