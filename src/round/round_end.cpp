// SPDX-License-Identifier: GPL-3.0-or-later
// The ends of a round: clue, solve, the reveal, the win and its record.
#include "base/random_source.h"
#include "round/round_engine.h"

#include "settings/daily_record.h"
#include "settings/options_model.h"
#include "settings/score_record.h"
#include <QCoreApplication>

#include <exception>

// Places one random movable cell by fetching its text from the movable tile
// that shows it, at the price of ClueCost.
void RoundEngine::Clue1Click()
{
    Board &b = m_board;
    RoundParameters &p = m_round.Parameters;
    // Not while a round is built, a clue or a drop is under way, or after the round.
    if (m_round.Busy || m_inClue || !m_boardEnabled || !m_inPlay || m_paused)
        return;
    if (p.WordsLeft == 0 || p.ClueCost >= m_rating || p.CluesLeft <= 0)
        return;
    const quint64 serial = m_serial;
    m_inClue = true;
    const auto finish = [this] { m_inClue = false; };

    RoundCommands c = m_commands;
    c.clue = false;
    updateCommands(c);
    if (pauseInterrupts(serial, Needs::RoundInPlay))
        return finish();

    int drawn = 0;
    for (int draw = 0; draw < 99 && drawn == 0; ++draw) {
        const int slot = 1 + RandomSource::random(b.TileCount());
        if (pauseInterrupts(serial, Needs::RoundInPlay))
            return finish();
        if (b.Tiles(slot).Panel.state == TileState::Movable)
            drawn = slot;
    }
    if (drawn == 0) {
        c = m_commands;
        c.clue = true;
        updateCommands(c);
        return finish();
    }

    const QByteArray wanted = b.Tiles(drawn).CorrectText;
    for (int slot = 1; slot <= b.TileCount(); ++slot) {
        const TilePanel &panel = b.Tiles(slot).Panel;
        if (panel.state == TileState::Movable && panel.caption == wanted) {
            bgDragDrop(slot, drawn);
            break;
        }
    }
    if (roundChanged(serial))
        return finish();

    // A clue that won the round costs nothing more: the win stands.
    if (m_inPlay) {
        if (changeRating(p.ClueCost))
            return finish(); // the cost lost the round and a new one took the board during its reveal
        if (m_inPlay)
            playSound(SoundSlot::GoodDrop);
    }
    --p.CluesLeft;
    c = m_commands;
    if (p.CluesLeft < 100)
        c.clueCaption = clueCaption(p.CluesLeft);
    if (p.CluesLeft == 0)
        c.clueCaption = QCoreApplication::translate("RoundEngine", "Clue (No more)");
    c.clue = m_inPlay && p.CluesLeft > 0;
    c.popupClue = c.popupClue && p.CluesLeft > 0; // the pop-up item offers no clue beyond the allowance either
    updateCommands(c);
    keepRound();
    finish();
}

void RoundEngine::Solve1Click()
{
    if (m_round.Busy || !m_inPlay || m_paused)
        return;
    if (m_countsForToday)
        recordDayLost(); // giving up ends the day's run at once
    m_inPlay = false;
    m_penaltyTimer.stop();
    keepRound();
    RoundCommands c = m_commands;
    c.clue = c.solve = false;
    updateCommands(c);
    m_modeText = QCoreApplication::translate("RoundEngine", "Solving");
    setStatus(QCoreApplication::translate("RoundEngine", "Try again."));
    m_outcome = RoundOutcome::Solved;
    m_host.status.showOutcome(RoundOutcome::Solved);
    m_host.status.stopBanner();
    if (EndRound())
        return; // a new round took the board during the reveal
    m_round.Parameters.WordsLeft = 0;
    m_rating = 0;
    setRatingCaption(QStringLiteral("0"));
}

bool RoundEngine::EndRound()
{
    m_penaltyTimer.stop();
    RoundCommands c = m_commands;
    c.popupSolve = c.popupClue = c.clue = false;
    updateCommands(c);
    if (RevealWords())
        return true;
    openSettingsPage();
    return false;
}

// Every row as one tile showing its whole word, taking no drops.
bool RoundEngine::RevealWords()
{
    Board &b = m_board;
    const quint64 serial = m_serial;
    const bool hints = m_hintsOnHover;
    Board::Batch batch(b);
    for (int slot = 1; slot <= b.TileCount(); ++slot) {
        const tTile &tile = b.Tiles(slot);
        b.setVisible(slot, tile.FirstInRow);
        b.setCaption(slot, tile.RowWord);
        if (pauseInterrupts(serial, Needs::SameRound))
            return true; // a new round took the board
        b.setWidth(slot, RowWidth);
        b.setState(slot, TileState::Solved);
        b.setShowHint(slot, hints);
    }
    openSettingsPage();
    return false;
}

void RoundEngine::WinRound()
{
    static const char *const messages[] = {QT_TRANSLATE_NOOP("RoundEngine", "Success !"), QT_TRANSLATE_NOOP("RoundEngine", "Complete !"),
                                           QT_TRANSLATE_NOOP("RoundEngine", "Done !"), QT_TRANSLATE_NOOP("RoundEngine", "Finished !")};
    m_inPlay = false;
    // Recorded first: what the round's end shows may read the record.
    recordWin(m_rating, m_round.Moves, m_board.TileCount(), m_round.Parameters.Level);
    setStatus(QCoreApplication::translate("RoundEngine", messages[RandomSource::random(4)]));
    playSound(SoundSlot::GameWon);
    m_outcome = RoundOutcome::Won;
    m_host.status.showOutcome(RoundOutcome::Won);
    m_host.status.stopBanner();
    m_penaltyTimer.stop();
    keepRound();
    RoundCommands c = m_commands;
    c.solve = c.clue = c.popupSolve = c.popupClue = false;
    updateCommands(c);
}

void RoundEngine::recordWin(int rating, int moves, int tiles, int level)
{
    // The score and the day's result in one locked write, each worked out
    // from the file as it is then. Recording never stands in the way of the game.
    if (rating <= 0 && !m_countsForToday)
        return;
    const DayResult result = dayResult(DayOutcome::Won, rating);
    try {
        m_settings.update([&](const SettingsFile &current) {
            SettingsFile::Changes changes = scoreChanges(current, rating, moves, tiles, level);
            if (m_countsForToday)
                changes += DailyRecord::resultChanges(current, m_dealt.day, result);
            return changes;
        });
    } catch (const std::exception &) {
    }
}

DayResult RoundEngine::dayResult(DayOutcome outcome, int rating) const
{
    DayResult r;
    r.outcome = outcome;
    r.rating = qMax(0, rating);
    r.wordCount = int(m_round.ChosenEntries.size());
    r.wordsFound = outcome == DayOutcome::Won ? r.wordCount : qBound(0, r.wordCount - m_round.Parameters.WordsLeft, r.wordCount);
    r.moves = m_round.Moves;
    r.seconds = int(qMin<qint64>(playedMs() / 1000, 1000000));
    return r;
}

void RoundEngine::recordDayLost()
{
    DailyRecord(m_settings).recordResult(m_dealt.day, dayResult(DayOutcome::Lost, m_rating));
}
