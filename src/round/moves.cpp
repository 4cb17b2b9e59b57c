#include "round/random_source.h"
#include "round/round_engine.h"

#include "settings/options_model.h"

bool RoundEngine::bgDragOver(int target, int source) const
{
    const Board &b = m_board;
    if (b.Busy || !m_inPlay || target < 1 || target > b.TileCount() || source < 1 || source > b.TileCount())
        return false;
    return b.Tiles(target).Panel.state == TileState::Movable && b.Tiles(source).Panel.state == TileState::Movable;
}

void RoundEngine::placeTile(int slot)
{
    m_board.setState(slot, TileState::Placed);
    m_board.setShowHint(slot, m_host.hoverHints());
    ChangeRating(m_board.Parameters.Good);
}

// The two tiles exchange their texts; a tile that now shows its own text is placed.
void RoundEngine::bgDragDrop(int target, int source)
{
    Board &b = m_board;
    if (target == source || !bgDragOver(target, source) || !m_boardEnabled)
        return;
    const quint64 serial = m_serial;
    setBoardEnabled(false);
    m_host.processEvents();
    // A tick or a new round may have ended this round meanwhile: the drop no longer applies.
    if (roundChanged(serial) || !m_inPlay) {
        setBoardEnabled(true);
        return;
    }

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
    if (!roundChanged(serial) && m_inPlay)
        b.FitRow(t.Column, t.RowInColumn, RowWidth);
    if (roundChanged(serial) || !m_inPlay) {
        setBoardEnabled(true);
        return;
    }

    const QString goodDrop = m_options.soundText(SoundSlot::GoodDrop);
    const auto isRight = [&b](int slot, const QByteArray &correct) {
        const TilePanel &panel = b.Tiles(slot).Panel;
        return panel.state == TileState::Movable && panel.caption == correct;
    };
    bool placed = false;
    if (isRight(target, targetCorrect) && isRight(source, sourceCorrect) && t.RowIndex == s.RowIndex) {
        placeTile(target);
        m_host.PlaySoundEffect(goodDrop);
        if (m_inPlay)
            placeTile(source);
        placed = true;
    }
    if (m_inPlay && isRight(target, targetCorrect)) {
        placeTile(target);
        m_host.PlaySoundEffect(goodDrop);
        placed = true;
    }
    if (m_inPlay && isRight(source, sourceCorrect)) {
        placeTile(source);
        m_host.PlaySoundEffect(goodDrop);
        placed = true;
    }
    if (placed) {
        if (m_inPlay)
            CheckWords();
    } else {
        ChangeRating(b.Parameters.Bad);
        if (m_inPlay)
            m_host.PlaySoundEffect(m_options.soundText(SoundSlot::Incorrect));
    }
    ++b.Moves;
    setBoardEnabled(true);
}

// Joins neighbouring cells that both show their own text, retiring the
// right one's slot, and counts completed rows.
void RoundEngine::CheckWords()
{
    Board &b = m_board;
    RoundParameters &p = b.Parameters;
    m_host.setBusyCursor(true);
    const bool hints = m_host.hoverHints();
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
            ChangeRating(b.Tiles(i).CellsInRow + p.WordBonus - 1);
            if (!m_inPlay) {
                // The row bonus lost the round: the board now shows the solution.
                m_host.setBusyCursor(false);
                return;
            }
            raiseDifficulty();
            m_host.PlaySoundEffect(QString());
            m_host.PlaySoundEffect(m_options.soundText(SoundSlot::GoodWord));
            b.setState(i, TileState::Solved);
            b.setWidth(i, RowWidth);
        }
        i = 1;
    }
    m_host.setBusyCursor(false);
    if (p.WordsLeft == 0) {
        m_inPlay = false;
        RevealWords();
        WinRound();
    }
}

// After most rows are done, the round gets a little harder.
void RoundEngine::raiseDifficulty()
{
    RoundParameters &p = m_board.Parameters;
    if (p.WordsLeft >= p.WordCount - p.WordCount / 5)
        return;
    switch (RandomSource::random(3)) {
    case 0: --p.Penalty; break;
    case 1: --p.Bad; break;
    default:
        // Shorter penalty period, never below 2 s; a round without penalty ticks keeps none.
        if (p.Pop > 2) {
            --p.Pop;
            if (m_board.TimerPhase == 'G' && m_timer1.isActive())
                m_timer1.setInterval(p.Pop * 1000);
        }
        break;
    }
    if (p.Penalty < -6)
        p.Penalty = -6;
    if (p.Bad < -10)
        p.Bad = -10;
}
