#include "round/random_source.h"
#include "round/round_engine.h"

#include "settings/options_model.h"
#include "settings/score_record.h"

// Places one random movable cell by fetching its text from the movable tile
// that shows it, at the price of ClueCost.
void RoundEngine::Clue1Click()
{
    Board &b = m_board;
    RoundParameters &p = b.Parameters;
    // Not while a round is built, a clue or a drop is under way, or after the round.
    if (b.Busy || m_inClue || !m_boardEnabled || !m_inPlay)
        return;
    if (p.WordsLeft == 0 || p.ClueCost >= m_rating || p.CluesLeft <= 0)
        return;
    const quint64 serial = m_serial;
    m_inClue = true;
    const auto finish = [this] { m_inClue = false; };

    RoundCommands c = m_commands;
    c.mReveal = false;
    updateCommands(c);
    m_host.processEvents();
    if (roundChanged(serial) || !m_inPlay)
        return finish();

    int drawn = 0;
    for (int draw = 0; draw < 99 && drawn == 0; ++draw) {
        const int slot = 1 + RandomSource::random(b.TileCount());
        m_host.processEvents();
        if (roundChanged(serial) || !m_inPlay)
            return finish();
        if (b.Tiles(slot).Panel.state == TileState::Movable)
            drawn = slot;
    }
    if (drawn == 0) {
        c = m_commands;
        c.mReveal = true;
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

    const bool stillInPlay = m_inPlay;
    // A clue that won the round costs nothing more: the win stands.
    if (stillInPlay) {
        ChangeRating(p.ClueCost);
        if (m_inPlay)
            m_host.PlaySoundEffect(m_options.soundText(SoundSlot::GoodDrop));
    }
    --p.CluesLeft;
    c = m_commands;
    if (p.CluesLeft < 100)
        c.mRevealCaption = clueCaption(p.CluesLeft);
    if (p.CluesLeft == 0)
        c.mRevealCaption = QStringLiteral("Clue (No more)");
    c.mReveal = m_inPlay && p.CluesLeft > 0;
    c.Clue1 = c.Clue1 && p.CluesLeft > 0; // the pop-up item offers no clue beyond the allowance either
    updateCommands(c);
    finish();
}

void RoundEngine::Solve1Click()
{
    Board &b = m_board;
    if (b.Busy || !m_inPlay)
        return;
    m_inPlay = false;
    m_timer1.stop();
    RoundCommands c = m_commands;
    c.mReveal = c.mSolve = false;
    updateCommands(c);
    m_modeText = QStringLiteral("Solving");
    setStatus(QStringLiteral("Try again."));
    m_host.setStatusColour(0xFFFF0000, false);
    m_bTimer.stop();
    EndRound();
    b.Parameters.WordsLeft = 0;
    m_rating = 0;
    setRatingCaption(QStringLiteral("0"));
}

void RoundEngine::EndRound()
{
    m_timer1.stop();
    RoundCommands c = m_commands;
    c.Solve1 = c.Clue1 = c.mReveal = false;
    updateCommands(c);
    RevealWords();
    m_options.setSettingsPageEnabled(true);
}

// Every row as one tile showing its whole word, taking no drops.
void RoundEngine::RevealWords()
{
    Board &b = m_board;
    const quint64 serial = m_serial;
    const bool hints = m_host.hoverHints();
    for (int slot = 1; slot <= b.TileCount(); ++slot) {
        const tTile &tile = b.Tiles(slot);
        b.setVisible(slot, tile.FirstInRow);
        b.setCaption(slot, tile.RowWord);
        m_host.processEvents();
        if (roundChanged(serial))
            return; // a new round took the board
        b.setWidth(slot, RowWidth);
        b.setState(slot, TileState::Solved);
        b.setShowHint(slot, hints);
    }
    m_options.setSettingsPageEnabled(true);
}

void RoundEngine::WinRound()
{
    static const char *const messages[] = {"Success !", "Complete !", "Done !", "Finished !"};
    m_inPlay = false;
    setStatus(QString::fromLatin1(messages[RandomSource::random(4)]));
    m_host.PlaySoundEffect(m_options.soundText(SoundSlot::GameWon));
    m_host.setStatusColour(0xFF800000, true);
    m_bTimer.stop();
    m_timer1.stop();
    RoundCommands c = m_commands;
    c.mSolve = c.mReveal = c.Solve1 = c.Clue1 = false;
    updateCommands(c);
    // Swallows its own failures: recording never stands in the way of the game.
    RecordScore(m_settings, m_rating, m_board.Moves, m_board.TileCount(), m_board.Parameters.Level);
}
