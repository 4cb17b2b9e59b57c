// SPDX-License-Identifier: GPL-3.0-or-later
// Drags and drops between tiles, and joining correct cells into words.
#include "base/random_source.h"
#include "round/round_engine.h"

#include "settings/options_model.h"

bool RoundEngine::bgDragOver(int target, int source) const
{
    const Board &b = m_board;
    if (m_round.Busy || !m_inPlay || m_paused || target < 1 || target > b.TileCount() || source < 1 || source > b.TileCount())
        return false;
    return b.Tiles(target).Panel.state == TileState::Movable && b.Tiles(source).Panel.state == TileState::Movable;
}

// True when a new round took the board meanwhile (a negative reward lost this one).
bool RoundEngine::placeTile(int slot)
{
    m_board.setState(slot, TileState::Placed);
    m_board.setShowHint(slot, m_hintsOnHover);
    return changeRating(m_round.Parameters.Good);
}

// The two tiles exchange their texts; a tile that now shows its own text is placed.
void RoundEngine::bgDragDrop(int target, int source)
{
    Board &b = m_board;
    if (target == source || !bgDragOver(target, source) || !m_boardEnabled)
        return;
    const quint64 serial = m_serial;
    // The exchange, the re-lays, the joins and a win's reveal paint together.
    Board::Batch batch(b);
    setBoardEnabled(false);
    // Whatever ends the drop early hands the board back; a new round needs it too.
    const auto stop = [this] { setBoardEnabled(true); };
    // A tick or a new round may have ended this round meanwhile: the drop no longer applies.
    if (pauseInterrupts(serial, Needs::RoundInPlay))
        return stop();

    const tTile &t = b.Tiles(target);
    const tTile &s = b.Tiles(source);
    const QByteArray targetCorrect = t.CorrectText;
    const QByteArray sourceCorrect = s.CorrectText;
    const QByteArray targetText = t.Panel.caption;
    b.setCaption(target, s.Panel.caption);
    b.setCaption(source, targetText);
    // Each re-lay lets events run too. Once the round has ended there (the
    // board now shows the solution) or been replaced, neither row may be
    // re-laid again and the drop does not count.
    b.FitRow(s.Column, s.RowInColumn, RowWidth);
    if (pauseInterrupts(serial, Needs::RoundInPlay))
        return stop();
    b.FitRow(t.Column, t.RowInColumn, RowWidth);
    if (pauseInterrupts(serial, Needs::RoundInPlay))
        return stop();

    const auto isRight = [&b](int slot, const QByteArray &correct) {
        const TilePanel &panel = b.Tiles(slot).Panel;
        return panel.state == TileState::Movable && panel.caption == correct;
    };
    // Placing rewards the rating, which may end the round and start a new one in its reveal.
    const auto place = [this](int slot) {
        if (placeTile(slot))
            return true;
        playSound(SoundSlot::GoodDrop);
        return false;
    };
    bool placed = false;
    if (isRight(target, targetCorrect) && isRight(source, sourceCorrect) && t.RowIndex == s.RowIndex) {
        if (place(target))
            return stop();
        if (m_inPlay && placeTile(source))
            return stop();
        placed = true;
    }
    if (m_inPlay && isRight(target, targetCorrect)) {
        if (place(target))
            return stop();
        placed = true;
    }
    if (m_inPlay && isRight(source, sourceCorrect)) {
        if (place(source))
            return stop();
        placed = true;
    }
    if (placed) {
        if (m_inPlay && checkWords())
            return stop();
    } else {
        if (changeRating(m_round.Parameters.Bad))
            return stop();
        if (m_inPlay)
            playSound(SoundSlot::Incorrect);
    }
    ++m_round.Moves;
    setBoardEnabled(true);
    keepRound();
}

void RoundEngine::CheckWords()
{
    (void)checkWords();
}

// Joins neighbouring cells that both show their own text, retiring the
// right one's slot, and counts completed rows. True when a new round took
// the board during a reveal.
bool RoundEngine::checkWords()
{
    Board &b = m_board;
    RoundParameters &p = m_round.Parameters;
    m_host.window.setBusyCursor(true);
    const bool hints = m_hintsOnHover;
    int i = 1;
    while (i < b.TileCount()) {
        const tTile &left = b.Tiles(i);
        const tTile &right = b.Tiles(i + 1);
        if (left.RowIndex == RetiredRow || left.RowIndex != right.RowIndex ||
            left.Panel.caption != left.CorrectText || right.Panel.caption != right.CorrectText) {
            ++i;
            continue;
        }

        const QByteArray joined = left.Panel.caption + right.Panel.caption;
        b.setCaption(i, joined);
        b.setCorrectText(i, joined);
        b.setWidth(i, left.Panel.width + right.Panel.width);
        b.setState(i, TileState::Placed);
        b.raise(i);
        b.setShowHint(i, hints);

        int last = i + 1;
        while (last + 1 <= b.TileCount() && b.Tiles(last + 1).RowIndex == left.RowIndex)
            ++last;
        for (int j = i + 1; j < last; ++j) {
            const tTile &next = b.Tiles(j + 1);
            b.setLeft(j, next.Panel.left);
            b.setCaption(j, next.Panel.caption);
            b.setState(j, next.Panel.state);
            b.setWidth(j, next.Panel.width);
            b.setCorrectText(j, next.CorrectText);
        }
        b.setVisible(last, false);
        b.setState(last, TileState::Retired);
        b.setCaption(last, QByteArrayLiteral("??"));
        b.setRowWord(last, QByteArrayLiteral("?"));
        b.setRowIndex(last, RetiredRow);

        if (b.Tiles(i).Panel.caption == b.Tiles(i).RowWord) {
            --p.WordsLeft;
            const bool replaced = changeRating(b.Tiles(i).CellsInRow + p.WordBonus - 1);
            if (replaced || !m_inPlay) {
                // The row bonus lost the round: the board now shows the solution.
                m_host.window.setBusyCursor(false);
                return replaced;
            }
            raiseDifficulty();
            stopSound();
            playSound(SoundSlot::GoodWord);
            b.setState(i, TileState::Solved);
            b.setWidth(i, RowWidth);
        }
        i = 1;
    }
    m_host.window.setBusyCursor(false);
    if (p.WordsLeft == 0) {
        m_inPlay = false;
        // The win is this round's, whatever happens during the reveal.
        const auto record = [this, rating = m_rating, moves = m_round.Moves, tiles = m_board.TileCount(),
                             level = p.Level] { recordWin(rating, moves, tiles, level); };
        if (RevealWords()) {
            record();
            return true;
        }
        WinRound();
    }
    return false;
}

// After most rows are done, the round gets a little harder.
void RoundEngine::raiseDifficulty()
{
    RoundParameters &p = m_round.Parameters;
    if (p.WordsLeft >= p.WordCount - p.WordCount / 5)
        return;
    switch (RandomSource::random(3)) {
    case 0: --p.Penalty; break;
    case 1: --p.Bad; break;
    default:
        // Shorter penalty period, never below 2 s; a round without penalty ticks keeps none.
        if (p.Pop > 2) {
            --p.Pop;
            if (m_round.timerPhase == TimerPhase::Ticking && m_penaltyTimer.isActive())
                m_penaltyTimer.setInterval(p.Pop * 1000);
        }
        break;
    }
    if (p.Penalty < -6)
        p.Penalty = -6;
    if (p.Bad < -10)
        p.Bad = -10;
}
