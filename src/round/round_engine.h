#pragma once

#include "round/board.h"
#include "round/round_host.h"

#include <QString>
#include <memory>

class OptionsModel;
class SettingsFile;
class tZRVDictionary;

// Enabled states and captions of the commands the engine governs.
struct RoundCommands
{
    bool Game1 = true;                   // "New Game" (main menu; the pop-up's New1 and F2 follow it)
    bool mReveal = false;                // main menu "Clue" (F11)
    QString mRevealCaption = "Clue";     // "Clue", "Clue (4)", "Clue (No more)"
    bool mSolve = false;                 // main menu "Solve" (F12)
    bool Solve1 = false;                 // pop-up "Solve"
    bool Clue1 = false;                  // pop-up "Clue" (Shift+F12)
    bool mSettings = true;               // main menu "Settings" (F7)
    bool bNewWords = true;               // Options dialog "New Cells"
    bool operator==(const RoundCommands &) const = default;
};

// The round: setup, moves, rating, penalty timer, clues, solve and the ends.
// The view draws board() (listening to it) and routes the player's actions
// to the handlers below; the engine reaches the world only through the host,
// the two timers, the options model and the settings file.
//
// Wiring:
// - start-up: board().setTemplateHeight((client height - 200) / 15), then
//   board().MakeTiles() and board().setListener(view);
// - the penalty timer's ticks go to Timer1Timer(); the banner timer (period
//   100 ms, set by its owner) belongs to the banner: the engine only calls
//   its start() and stop();
// - "New Game" items, F2 and a double-click on the board: New1Click();
//   "Clue" items: Clue1Click(); "Solve" items: Solve1Click(); key-downs go
//   first through FormShortCut(); enable and caption the items from
//   commands() whenever the host hears commandsChanged();
// - tiles are slot numbers 1..TileCount: a drag may start on a tile whose
//   Panel.draggable(); a release over a tile for which bgDragOver(target,
//   source) is true ends in bgDragDrop(target, source).
class RoundEngine
{
public:
    RoundEngine(RoundHost &host, OptionsModel &options, SettingsFile &settings, RoundTimer &penaltyTimer,
                RoundTimer &bannerTimer);
    ~RoundEngine();
    RoundEngine(const RoundEngine &) = delete;
    RoundEngine &operator=(const RoundEngine &) = delete;

    Board &board() { return m_board; }
    const Board &board() const { return m_board; }
    tZRVDictionary &dictionary() { return *m_dictionary; }

    // --- round setup
    void New1Click(); // "New Game", F2, double-click on the board, "New Cells"
    void GetWords();
    void BuildRows();
    void DrawGrid();
    void ShuffleTiles();
    void FitRows();
    void ShowTiles();
    void HideTiles();
    void ReadLevel(int level);

    // --- moves, rating, timer
    bool bgDragOver(int target, int source) const; // whether target accepts source
    void bgDragDrop(int target, int source);
    void ChangeRating(int amount);
    void CheckWords();
    void Timer1Timer(); // penalty timer tick
    // Shortcut hook for a key-down (Qt::Key); true when the key is handled and
    // must go no further. F2 new round, F3 swallowed, F7 options (when
    // mSettings is enabled), F12 solve (when Solve1 is enabled), Shift+F12 clue
    // (when Clue1 is enabled).
    bool FormShortCut(int key, int modifiers);

    // --- clue, solve, ends
    void Clue1Click();
    void Solve1Click();
    void EndRound();
    void RevealWords();
    void WinRound();

    // --- what the view shows
    int rating() const { return m_rating; }
    QString ratingCaption() const { return m_ratingCaption; }
    QRgb ratingBackground() const { return m_ratingBackground; }
    const RoundCommands &commands() const { return m_commands; }
    QString modeText() const { return m_modeText; } // lROund: "" or "Solving"
    QString parameterText() const { return m_parameterText; }
    QString statusText() const { return m_statusText; } // the last text the engine wrote
    bool boardEnabled() const { return m_boardEnabled; }
    bool inPlay() const { return m_inPlay; } // a round's board takes moves (from the timer start to its end)
    // The outer window geometry of the last round built (left, top, width, height).
    int windowLeft() const { return m_windowLeft; }
    int windowTop() const { return m_windowTop; }
    int windowWidth() const { return m_windowWidth; }
    int windowHeight() const { return m_windowHeight; }

    // Ratings, background colours.
    static constexpr QRgb Navy = 0xFF000080;
    static QRgb ratingBand(int rating);
    // The clue item's caption with a count of clues left: "Clue (4)".
    static QString clueCaption(int cluesLeft) { return QStringLiteral("Clue (%1)").arg(cluesLeft); }

private:
    void loseRound();
    bool roundChanged(quint64 serial) const { return serial != m_serial; }
    void placeTile(int slot);
    void raiseDifficulty();
    void setStatus(const QString &text);
    void setRatingCaption(const QString &caption);
    void setRatingBackground(QRgb colour);
    void updateCommands(const RoundCommands &commands);
    void setBoardEnabled(bool enabled);
    void startPenaltyTimer(int ms);
    QString traceLine(int firstSlot) const;
    void chooseFixedCell(int cells, bool fixed[8]) const;
    void applyHandicap(int h);

    RoundHost &m_host;
    OptionsModel &m_options;
    SettingsFile &m_settings;
    RoundTimer &m_timer1;
    RoundTimer &m_bTimer;
    Board m_board;
    std::unique_ptr<tZRVDictionary> m_dictionary;

    int m_rating = 0;
    QString m_ratingCaption = QStringLiteral("0");
    QRgb m_ratingBackground = 0xFFF5150A;
    RoundCommands m_commands;
    QString m_modeText;
    QString m_parameterText;
    QString m_statusText;
    bool m_boardEnabled = true;
    bool m_inClue = false;
    bool m_inPlay = false;
    bool m_storeLost = false; // the last load failed: the store holds no dictionary's whole entries
    bool m_quietLoss = false; // the previous round ends without the game-over sound
    quint64 m_serial = 0; // counts round setups: work that let events run notices a new round
    int m_windowLeft = 0;
    int m_windowTop = 0;
    int m_windowWidth = 0;
    int m_windowHeight = 0;
};
