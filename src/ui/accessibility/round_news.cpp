// SPDX-License-Identifier: GPL-3.0-or-later
// A round's visible changes put into words for a screen reader.
#include "ui/accessibility/round_news.h"

#include "round/round_engine.h"
#include "ui/accessibility/announcer.h"
#include "words/windows1252.h"

#include <algorithm>

namespace {
int countMovable(const RoundNews::Snapshot &s)
{
    return int(std::count(s.states.begin(), s.states.end(), TileState::Movable));
}

// A deal is the only step that makes a cell movable again.
bool newDeal(const RoundNews::Snapshot &before, const RoundNews::Snapshot &after)
{
    if (before.deals != after.deals || before.states.size() != after.states.size())
        return true;
    for (qsizetype i = 0; i < after.states.size(); ++i)
        if (after.states[i] == TileState::Movable && before.states[i] != TileState::Movable)
            return true;
    return false;
}

// What a drop did to its own two cells, as a sighted player sees them turn.
QString dropResult(int placed)
{
    if (placed == 1)
        return RoundNews::tr("Correct.");
    if (placed > 1)
        return RoundNews::tr("%1 cells correct.").arg(placed);
    return RoundNews::tr("Wrong place.");
}

// A period closes each part, unless the engine's own words already end in one.
QString sentence(QString text)
{
    text = text.trimmed();
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('.')) && !text.endsWith(QLatin1Char('!')))
        text += QLatin1Char('.');
    return text;
}
} // namespace

RoundNews::RoundNews(RoundEngine &engine, Announcer &announcer, QObject *parent)
    : QObject(parent), m_engine(engine), m_announcer(announcer), m_before(capture(engine))
{
    m_later.setSingleShot(true);
    connect(&m_later, &QTimer::timeout, this, &RoundNews::flush);
}

RoundNews::Snapshot RoundNews::capture(const RoundEngine &engine)
{
    Snapshot s;
    const Board &board = engine.board();
    for (int slot = 1; slot <= board.TileCount(); ++slot) {
        const TilePanel &p = board.Tiles(slot).Panel;
        s.states << p.state;
        s.captions << p.caption;
        s.visible << p.visible;
    }
    s.rating = engine.ratingCaption().toInt(); // as the label shows it: a loss shows 0
    s.moves = engine.round().Moves;
    s.cluesLeft = engine.round().Parameters.CluesLeft;
    s.wordsLeft = engine.round().Parameters.WordsLeft;
    s.penalty = engine.round().Parameters.Penalty;
    s.inPlay = engine.inPlay();
    s.solved = engine.outcome() == RoundOutcome::Solved;
    s.status = engine.statusText().trimmed();
    return s;
}

QString RoundNews::compose(const Snapshot &before, const Snapshot &after)
{
    const QString rating = tr("Rating %1.").arg(after.rating);
    if (newDeal(before, after))
        return after.status.isEmpty() ? QString() : sentence(after.status) + QLatin1Char(' ') + rating;

    QStringList parts;
    const bool ended = before.inPlay && !after.inPlay;
    const bool won = ended && after.wordsLeft == 0 && after.rating > 0;
    // Solve shows every word: no move of the player's, so no drop's news.
    if (ended && after.solved)
        return tr("Solved by the game. Every word is shown.");
    // After the end the board only shows the solution: that is no news of the player's.
    if (!before.inPlay && !after.inPlay)
        return {};
    if (after.cluesLeft < before.cluesLeft) {
        // The cell the clue put in place: movable before, placed now.
        QString placed;
        for (qsizetype i = 0; i < after.states.size() && i < before.states.size() && placed.isEmpty(); ++i)
            if (before.states[i] == TileState::Movable && after.states[i] != TileState::Movable && after.visible[i])
                placed = fromWindows1252(before.captions[i]);
        parts << (placed.isEmpty() ? tr("Clue used.") : tr("Clue used: %1 placed.").arg(placed));
    }
    // Cells placed and words completed: on a loss or Solve the board shows the solution instead.
    if (!ended || won) {
        const int placed = countMovable(before) - countMovable(after);
        if (placed > 0 || after.moves > before.moves)
            parts << dropResult(placed);
        for (qsizetype i = 0; i < after.states.size(); ++i)
            if (after.states[i] == TileState::Solved && after.visible[i] &&
                (before.states[i] != TileState::Solved || !before.visible[i]))
                parts << tr("Word complete: %1.").arg(fromWindows1252(after.captions[i]));
    } else if (after.moves > before.moves) {
        // The drop that lost: its own result first, as the board showed it before the solution.
        parts << dropResult(std::max(after.dropPlaced, 0));
    }
    if (after.rating != before.rating || (!parts.isEmpty() && !ended))
        parts << rating;
    // The clock is about to end the round.
    if (!ended && after.inPlay && after.rating < before.rating && after.penalty < 0 &&
        after.rating > 0 && after.rating <= -2 * after.penalty)
        parts << tr("Hurry: the clock is near 0.");
    if (ended) {
        parts << sentence(after.status);
        if (!won)
            parts << tr("Every word is shown.");
    }
    return parts.join(QLatin1Char(' '));
}

void RoundNews::poke()
{
    if (!m_later.isActive())
        m_later.start(0);
}

void RoundNews::dealt()
{
    ++m_deals;
    poke();
}

void RoundNews::dropping(int target, int source)
{
    const Board &board = m_engine.board();
    const auto rightThere = [&board](int slot, int from) {
        return board.Tiles(slot).Panel.state == TileState::Movable &&
               board.Tiles(from).Panel.caption == board.Tiles(slot).CorrectText;
    };
    m_dropMoves = m_engine.round().Moves;
    m_dropPlaced = int(rightThere(target, source)) + int(rightThere(source, target));
}

void RoundNews::flush()
{
    // A round being dealt or a drop under way: the step is not over yet.
    if (m_engine.round().Busy || !m_engine.boardEnabled()) {
        m_later.start(50);
        return;
    }
    m_later.stop();
    Snapshot now = capture(m_engine);
    now.deals = m_deals;
    if (m_dropMoves >= 0 && now.moves == m_dropMoves + 1)
        now.dropPlaced = m_dropPlaced;
    m_dropMoves = -1;
    const QString news = compose(m_before, now);
    m_before = now;
    m_announcer.announce(news);
}
