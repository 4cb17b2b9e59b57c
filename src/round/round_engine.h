// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/board.h"
#include "round/round_host.h"
#include "round/round_options.h"
#include "round/round_state.h"
#include "round/round_timer.h"
#include "settings/daily_record.h"

#include <QElapsedTimer>
#include <QString>
#include <memory>
#include <optional>
#include <QCoreApplication>

class KeptRoundFile;
class OptionsModel;
class SettingsFile;
struct KeptRound;
class SoundLayer;
class tZRVDictionary;
enum class SoundSlot;

// Enabled states and captions of the commands the engine governs. The view
// enables its menu items from them: newGame (Game1, New1, F2), clue (mReveal,
// F11), solve (mSolve, F12), popupSolve (Solve1), popupClue (Clue1,
// Shift+F12), settings (mSettings, Settings1, F7), newCells (the Options
// dialog's bNewWords), settingsPage (the Options dialog's settings page,
// closed while a round is in play).
struct RoundCommands
{
    bool newGame = true;
    bool clue = false;
    QString clueCaption = QCoreApplication::translate("RoundEngine", "Clue"); // "Clue", "Clue (4)", "Clue (No more)"
    bool solve = false;
    bool popupSolve = false;
    bool popupClue = false;
    bool settings = true;
    bool newCells = true;
    bool settingsPage = true;
    bool operator==(const RoundCommands &) const = default;
};

// The round: setup, moves, rating, penalty timer, clues, solve and the ends.
// The view draws board() (listening to it) and routes the player's actions
// to the handlers below; the engine reaches the world only through the
// interfaces of its wiring (sound included), the two timers, the options
// model and the settings file.
//
// Wiring:
// - start-up: board().setTemplateHeight((client height - 200) / 15), then
//   board().MakeTiles() and board().setListener(view);
// - the penalty timer's ticks go to Timer1Timer(); the banner starts and
//   stops through the status line;
// - Options > "Hover Hints": setHintsOnHover() with its tick, at start-up and on every change;
// - "New Game" items, F2 and a double-click on the board: New1Click();
//   "Clue" items: Clue1Click(); "Solve" items: Solve1Click(); enable and
//   caption the items (and their keys) from commands() whenever the listener
//   hears commandsChanged();
// - tiles are slot numbers 1..TileCount: a drag may start on a tile whose
//   Panel.draggable(); a release over a tile for which bgDragOver(target,
//   source) is true ends in bgDragDrop(target, source).
class RoundEngine
{
public:
    RoundEngine(const RoundWiring &wiring, const OptionsModel &options, SettingsFile &settings,
                RoundTimer &penaltyTimer);
    ~RoundEngine();
    RoundEngine(const RoundEngine &) = delete;
    RoundEngine &operator=(const RoundEngine &) = delete;

    Board &board() { return m_board; }
    const Board &board() const { return m_board; }
    RoundState &round() { return m_round; }
    const RoundState &round() const { return m_round; }
    // Sounds go here from now on (the view may swap its sound layer).
    void setSound(SoundLayer &sound) { m_sound = &sound; }
    tZRVDictionary &dictionary() { return *m_dictionary; }
    // Whether revealed and newly placed tiles show their definition on hover (Options > "Hover Hints").
    void setHintsOnHover(bool on) { m_hintsOnHover = on; }
    bool hintsOnHover() const { return m_hintsOnHover; }

    // --- round setup
    void New1Click(); // "New Game", F2, double-click on the board, "New Cells"
    // Deals the round of that number again: the same dictionary and options
    // give the same words, fixed cells and shuffle. Refused while a round is set up.
    void dealRound(quint32 number);
    // The same with options of its own for this one round (a round code,
    // Today's Round); the player's options stay as they are.
    void dealRound(quint32 number, const RoundOptions &options);
    // The options the current round was dealt with.
    const RoundOptions &dealtOptions() const { return m_dealt; }
    // The content id of the current round's dictionary; nothing before the
    // first load or for a store filled without a file.
    std::optional<quint32> dictionaryId() const { return m_dictionaryId; }
    // The current round is Today's Round and the first of its day: its result counts.
    bool countsForToday() const { return m_countsForToday; }
    // The random source's seed when the current round's New Game began.
    quint32 roundNumber() const { return m_roundNumber; }

    // --- a round kept between runs
    // Where the round in play is written after each step and removed at its
    // end (nullptr: nowhere). The file belongs to the caller.
    void setKeptRoundFile(KeptRoundFile *file) { m_keptFile = file; }
    // Writes the round in play to the kept file now, the clock's time to its
    // next tick with it, or removes the file once no round is in play.
    void keepRound();
    // The round in play as it would be kept.
    KeptRound keptRound() const;
    // Goes on with a kept round. The penalty clock stays stopped, holding its
    // time to the next tick, until startHeldClock().
    void restoreRound(const KeptRound &kept);
    // The held clock's time to its next tick in ms; -1 when nothing is held.
    int heldClockRemaining() const { return m_paused ? m_pausedClockMs : m_heldClock; }
    // Starts the held clock with its remaining time (then whole periods).
    void startHeldClock();

    // --- moves, rating, timer
    bool bgDragOver(int target, int source) const; // whether target accepts source
    void bgDragDrop(int target, int source);
    void ChangeRating(int amount);
    void Timer1Timer(); // penalty timer tick

    // --- pause: the clock and the sound hold where they are and the board
    // takes no moves until resume(), which lets the clock go on with the time
    // it had left. Only a round in play pauses; a new round ends a pause.
    void pause();
    void resume();
    bool paused() const { return m_paused; }

    // --- clue, solve, ends
    void Clue1Click();
    void Solve1Click();

    // --- what the view shows
    int rating() const { return m_rating; }
    QString ratingCaption() const { return m_ratingCaption; }
    RatingBand ratingBand() const { return m_ratingBand; }
    const RoundCommands &commands() const { return m_commands; }
    QString modeText() const { return m_modeText; } // lROund: "" or "Solving"
    QString parameterText() const { return m_parameterText; }
    QString statusText() const { return m_statusText; } // the last text the engine wrote
    bool boardEnabled() const { return m_boardEnabled; }
    bool inPlay() const { return m_inPlay; } // a round's board takes moves (from the timer start to its end)
    // How the last round ended; nothing while it is dealt or played.
    std::optional<RoundOutcome> outcome() const { return m_outcome; }
    // The clock's time to its next tick, in ms; -1 when it does not run.
    int msToNextTick() const;
    // Time played in the round, pauses left out.
    qint64 playedMs() const;
    // The outer window geometry of the last round built (left, top, width, height).
    int windowLeft() const { return m_windowLeft; }
    int windowTop() const { return m_windowTop; }
    int windowWidth() const { return m_windowWidth; }
    int windowHeight() const { return m_windowHeight; }

    // The band of a rating's value.
    static RatingBand bandFor(int rating);
    // The clue item's caption with a count of clues left: "Clue (4)".
    static QString clueCaption(int cluesLeft) { return QCoreApplication::translate("RoundEngine", "Clue (%1)").arg(cluesLeft); }

private:
    // The steps of a round's setup, in order.
    void GetWords();
    void BuildRows();
    void DrawGrid();
    void ShuffleTiles();
    void FitRows();
    void ShowTiles();
    void HideTiles();
    void ReadLevel(int level);

    void CheckWords();
    // The reveal and the steps around it return true when a new round took
    // the board while they let events run: the caller then stops at once.
    bool EndRound();
    bool RevealWords();
    void WinRound();
    void openSettingsPage();

    // What a pause must find unchanged for its caller to go on.
    enum class Needs { SameRound, RoundInPlay };
    // The one way the engine lets pending events run. True when, meanwhile,
    // a new round was dealt (or, for RoundInPlay, the round stopped taking
    // moves): the caller must stop.
    [[nodiscard]] bool pauseInterrupts(quint64 serial, Needs needs);
    bool roundChanged(quint64 serial) const { return serial != m_serial; }
    [[nodiscard]] bool changeRating(int amount); // true: a new round took the board
    [[nodiscard]] bool loseRound();
    [[nodiscard]] bool placeTile(int slot);
    [[nodiscard]] bool checkWords();
    // A pause during setup, which refuses New Game while Busy: no other round can start in it.
    void settle();
    void recordWin(int rating, int moves, int tiles, int level);
    // A counted Today's Round that ends without a win: lost, given up or left for another round.
    void recordDayLost();
    DayResult dayResult(DayOutcome outcome, int rating) const;
    void playSound(SoundSlot slot);
    void stopSound();
    void raiseDifficulty();
    void setStatus(const QString &text);
    void setRatingCaption(const QString &caption);
    void setRatingBand(RatingBand band);
    void updateCommands(const RoundCommands &commands);
    void setBoardEnabled(bool enabled);
    void startPenaltyTimer(int ms);
    QString traceLine(int firstSlot) const;
    void chooseFixedCell(int cells, bool fixed[8]) const;
    void applyHandicap(int h);
    // A round of `rows` rows: its level, that level's parameters with the handicap applied, and their text.
    void setLevelParameters(int rows);
    QString codeSuffix() const; // ", round: 7K3M-9QXP-R2TD5" for the status line

    RoundWiring m_host;
    SoundLayer *m_sound;
    const OptionsModel &m_options;
    SettingsFile &m_settings;
    RoundTimer &m_penaltyTimer; // Timer1
    Board m_board;
    RoundState m_round;
    std::unique_ptr<tZRVDictionary> m_dictionary;

    int m_rating = 0;
    QString m_ratingCaption = QStringLiteral("0");
    RatingBand m_ratingBand = RatingBand::Below26;
    RoundCommands m_commands;
    QString m_modeText;
    QString m_parameterText;
    QString m_statusText;
    bool m_boardEnabled = true;
    bool m_hintsOnHover = true;
    bool m_inClue = false;
    bool m_inPlay = false;
    bool m_paused = false;
    std::optional<RoundOutcome> m_outcome;
    int m_pausedClockMs = -1; // the clock's time to its next tick when paused; -1: it was not running
    bool m_storeLost = false; // the last load failed: the store holds no dictionary's whole entries
    bool m_quietLoss = false; // the previous round ends without the game-over sound
    quint32 m_roundNumber = 0;
    RoundOptions m_dealt;                   // the current round's options
    std::optional<RoundOptions> m_nextDeal; // the next deal's own options, once
    std::optional<quint32> m_dictionaryId;
    bool m_countsForToday = false;
    QElapsedTimer m_playTime; // from the round's first move allowed
    QElapsedTimer m_pausedAt; // while paused: since when
    qint64 m_pausedMs = 0;    // the round's pauses so far, left out of its time
    KeptRoundFile *m_keptFile = nullptr;
    int m_heldClock = -1; // a restored round's time to its next tick, until its clock starts
    quint64 m_serial = 0; // counts round setups: work that let events run notices a new round
    int m_windowLeft = 0;
    int m_windowTop = 0;
    int m_windowWidth = 0;
    int m_windowHeight = 0;
};
