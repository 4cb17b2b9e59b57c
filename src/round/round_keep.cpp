// SPDX-License-Identifier: GPL-3.0-or-later
// The round in play kept between runs: taken, written and restored.
#include "round/kept_round_file.h"
#include "round/round_engine.h"

#include "base/game_error.h"

KeptRound RoundEngine::keptRound() const
{
    KeptRound k;
    for (int slot = 1; slot <= m_board.TileCount(); ++slot)
        k.tiles.append(m_board.Tiles(slot));
    k.round = m_round;
    k.round.Busy = false;
    k.round.LoadedDictionary.clear();
    k.dealt = m_dealt;
    k.roundNumber = m_roundNumber;
    k.dictionaryId = m_dictionaryId;
    k.countsForToday = m_countsForToday;
    k.rating = m_rating;
    k.ratingBand = m_ratingBand;
    k.statusText = m_statusText;
    k.parameterText = m_parameterText;
    k.windowLeft = m_windowLeft;
    k.windowTop = m_windowTop;
    k.windowWidth = m_windowWidth;
    k.windowHeight = m_windowHeight;
    k.clockInterval = qMax(0, m_penaltyTimer.interval());
    k.clockRemaining = m_heldClock >= 0 ? m_heldClock : m_penaltyTimer.remainingTime();
    k.clockRemaining = qMin(k.clockRemaining, k.clockInterval);
    return k;
}

void RoundEngine::keepRound()
{
    if (!m_keptFile)
        return;
    // Keeping never stands in the way of the game: a file that cannot be
    // written only means the round will not survive quitting.
    try {
        if (m_inPlay && !m_round.Busy && m_board.TileCount() > 0)
            m_keptFile->save(keptRound());
        else
            m_keptFile->remove();
    } catch (const GameError &) {
    }
}

void RoundEngine::restoreRound(const KeptRound &k)
{
    if (m_round.Busy)
        return;
    ++m_serial;
    m_penaltyTimer.stop();
    // The store holds no dictionary yet: the next deal loads its own.
    const QString loaded = m_round.LoadedDictionary;
    m_round = k.round;
    m_round.Busy = false;
    m_round.LoadedDictionary = loaded;
    m_dealt = k.dealt;
    m_nextDeal.reset();
    m_roundNumber = k.roundNumber;
    m_dictionaryId = k.dictionaryId;
    m_countsForToday = k.countsForToday;
    m_windowLeft = k.windowLeft;
    m_windowTop = k.windowTop;
    m_windowWidth = k.windowWidth;
    m_windowHeight = k.windowHeight;
    m_host.window.setWindowGeometry(m_windowLeft, m_windowTop, m_windowWidth, m_windowHeight);
    m_board.restoreTiles(k.tiles);

    m_rating = k.rating;
    setRatingCaption(QString::number(m_rating));
    setRatingBand(k.ratingBand);
    m_parameterText = k.parameterText;
    m_modeText.clear();
    setStatus(k.statusText);
    m_host.status.startBanner();
    setBoardEnabled(true);
    m_inPlay = true;

    const int clues = m_round.Parameters.CluesLeft;
    RoundCommands c = m_commands;
    c.newGame = c.newCells = true;
    c.solve = c.popupSolve = true;
    c.clue = c.popupClue = clues > 0;
    c.clueCaption = clues == 0   ? QCoreApplication::translate("RoundEngine", "Clue (No more)")
                    : clues < 100 ? clueCaption(clues)
                                  : QCoreApplication::translate("RoundEngine", "Clue");
    c.settingsPage = false;
    updateCommands(c);

    // The clock's period as it was; it runs again only from startHeldClock().
    m_penaltyTimer.setInterval(k.clockInterval);
    m_heldClock = k.clockInterval > 0 ? qMax(0, k.clockRemaining) : -1;
    if (k.clockRemaining < 0)
        m_heldClock = -1;
}

void RoundEngine::startHeldClock()
{
    const int remaining = m_heldClock;
    m_heldClock = -1;
    if (remaining < 0 || !m_inPlay)
        return;
    m_penaltyTimer.startRemaining(remaining);
}
