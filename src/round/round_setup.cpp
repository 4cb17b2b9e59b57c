// SPDX-License-Identifier: GPL-3.0-or-later
// Dealing a round: New Game and its steps, the shuffle, the tiles shown and hidden, the round's code.
#include "base/random_source.h"
#include "round/round_engine.h"

#include "round/code_deal.h"
#include "settings/daily_record.h"
#include "settings/options_model.h"
#include "settings/player_folders.h"
#include "settings/settings_file.h"
#include "sound/sound_layer.h"
#include "words/windows1252.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <utility>
#include <QScopeGuard>
#include <memory>
#include <optional>

void RoundEngine::New1Click()
{
    Board &b = m_board;
    if (m_round.Busy)
        return;
    // Today's counted round left for another is that day's loss.
    if (m_countsForToday && m_inPlay)
        recordDayLost();
    ++m_serial;
    m_roundNumber = RandomSource::seed();
    // The options stay those of the deal's start, whatever changes meanwhile.
    m_dealt = m_nextDeal ? *m_nextDeal : RoundOptions::fromModel(m_options);
    m_nextDeal.reset();
    m_countsForToday = false;
    // A new round ends a pause: its own clock starts afresh.
    if (std::exchange(m_paused, false))
        m_sound->setPaused(false);
    m_pausedClockMs = -1;
    m_outcome.reset();

    setRatingBand(RatingBand::Dealing);
    RoundCommands c = m_commands;
    c.clueCaption = QCoreApplication::translate("RoundEngine", "Clue");
    updateCommands(c);
    m_host.trace.clearDebug();
    setStatus(QString());

    m_round.Busy = true;
    m_heldClock = -1;
    keepRound(); // a new round replaces the kept one
    // Should anything below throw, "New Game" must not stay blocked.
    auto unblock = qScopeGuard([this] {
        m_round.Busy = false;
        m_host.window.setBusyCursor(false);
        RoundCommands c = m_commands;
        c.newGame = true;
        updateCommands(c);
    });
    m_host.window.setBusyCursor(true);
    settle();
    m_modeText.clear();
    c = m_commands;
    c.newGame = false;
    updateCommands(c);

    m_host.status.showNextBannerLine();
    // Hiding the old board and laying the new one paint once, when both are done.
    auto relay = std::make_unique<Board::Batch>(b);
    if (m_round.Parameters.WordsLeft > 0)
        HideTiles();
    setStatus(QString());
    settle();

    // The round draws from its number alone: the previous board's hiding
    // must not change which round a number deals.
    RandomSource::setSeed(m_roundNumber);
    m_round.Parameters.WordCount = quint16(m_dealt.wordCount);
    GetWords();
    setStatus(QString());
    settle();

    for (int slot = 1; slot <= b.TileCount(); ++slot)
        b.setVisible(slot, false);

    const int rows = int(m_round.ChosenEntries.size());
    if (rows > 0) {
        BuildRows();
        DrawGrid();
        ShuffleTiles();
        FitRows();
        ShowTiles();
        relay.reset();

        setLevelParameters(rows);
        RoundParameters &p = m_round.Parameters;
        m_rating = 0;
        ChangeRating(p.Start);
        p.CluesLeft = qBound(2, p.Level, 20);
        if (m_options.showParameters())
            m_host.messages.showInformation(m_parameterText);

        if (m_dealt.day.isValid() && !m_dealt.practice)
            m_countsForToday = DailyRecord(m_settings).startDay(m_dealt.day);

        setStatus(QString(25, QLatin1Char(' ')) +
                  QCoreApplication::translate("RoundEngine", "%1 words to find, level: %2, dictionary: %3")
                      .arg(rows)
                      .arg(p.Level)
                      .arg(m_dealt.dictionary) +
                  codeSuffix());
        m_host.status.startBanner();

        if (QFileInfo::exists(PlayerFolders::existingFilePath(QStringLiteral("c999"))))
            p.CluesLeft = 999;
        m_host.trace.appendDebugLine(QStringLiteral("%1 %2 %3").arg(p.Pop).arg(m_penaltyTimer.interval()).arg(p.CluesLeft));
        if (p.CluesLeft < 100) {
            c = m_commands;
            c.clueCaption = clueCaption(p.CluesLeft);
            updateCommands(c);
        }

        m_round.timerPhase = TimerPhase::Waiting;
        m_inPlay = true;
        m_playTime.start();
        m_pausedMs = 0;
        startPenaltyTimer(p.Delay * 1000);
    }

    relay.reset();
    setRatingBand(RatingBand::Dealing);
    m_host.window.setBusyCursor(false);
    settle();
    c = m_commands;
    c.newGame = true;
    updateCommands(c);
    m_round.Busy = false;
    unblock.dismiss();

    if (rows > 0) {
        c = m_commands;
        c.newCells = true;
        m_round.Parameters.WordsLeft = rows;
        c.solve = c.clue = c.popupSolve = c.popupClue = true;
        c.settingsPage = false;
        updateCommands(c);
        m_round.Moves = 0;
        playSound(SoundSlot::NewGame);
        keepRound();
    }
}

QString RoundEngine::codeSuffix() const
{
    const std::optional<RoundCode> code = roundCodeOf(*this);
    if (!code)
        return QString();
    const char *form = !m_dealt.day.isValid() ? QT_TRANSLATE_NOOP("RoundEngine", ", round: %1")
                       : m_countsForToday     ? QT_TRANSLATE_NOOP("RoundEngine", ", Today's Round: %1")
                                              : QT_TRANSLATE_NOOP("RoundEngine", ", Today's Round (practice): %1");
    return QCoreApplication::translate("RoundEngine", form).arg(code->text());
}

void RoundEngine::dealRound(quint32 number)
{
    if (m_round.Busy)
        return;
    RandomSource::setSeed(number);
    New1Click();
}

void RoundEngine::dealRound(quint32 number, const RoundOptions &options)
{
    if (m_round.Busy)
        return;
    m_nextDeal = options;
    dealRound(number);
}

QString RoundEngine::traceLine(int firstSlot) const
{
    QStringList captions;
    for (int slot = firstSlot; slot < firstSlot + 5; ++slot)
        captions.append(fromWindows1252(m_board.Tiles(slot).Panel.caption));
    return captions.join(QLatin1Char(':'));
}

void RoundEngine::ShuffleTiles()
{
    Board &b = m_board;
    for (int first = 1; first <= 26; first += 5) {
        QString line = traceLine(first);
        if (first == 1)
            line += QStringLiteral("  round %1").arg(m_roundNumber);
        m_host.trace.appendDebugLine(line);
    }
    if (m_settings.readBool(OptionsSection, QStringLiteral("trace"), false))
        m_host.trace.showDebugWindow();

    const int count = b.TileCount();
    int movable = 0;
    for (int slot = 1; slot <= count; ++slot)
        movable += b.Tiles(slot).Panel.state == TileState::Movable;
    if (movable < 2)
        return; // nothing to exchange with

    const bool anyLengths = m_dealt.presetsIndex <= 0;
    const auto caption = [&b](int slot) -> const QByteArray & { return b.Tiles(slot).Panel.caption; };
    const auto swap = [&b, &caption](int s, int p) {
        const QByteArray text = caption(s);
        b.setCaption(s, caption(p));
        b.setCaption(p, text);
    };

    int budget = 9999;
    int lastPartner = 0;
    for (;;) {
        quint16 passLimit = 5000;
        for (int s = 1; s <= count; ++s) {
            if (b.Tiles(s).Panel.state != TileState::Movable)
                continue;
            for (;;) {
                --passLimit;
                if (passLimit == 0) {
                    if (lastPartner != 0)
                        swap(s, lastPartner);
                    break;
                }
                int p;
                do {
                    p = 1 + RandomSource::random(count);
                } while (p == s || b.Tiles(p).Panel.state != TileState::Movable);
                lastPartner = p;
                const QByteArray &cs = caption(s);
                const QByteArray &cp = caption(p);
                const bool acceptable = cs != b.Tiles(p).CorrectText && cp != b.Tiles(s).CorrectText &&
                                        (anyLengths || cs.size() == cp.size());
                if (cs.size() == cp.size())
                    --budget;
                if (acceptable || budget < 0) {
                    swap(s, p);
                    break;
                }
            }
        }
        if (budget < 0)
            break;
        bool anyInPlace = false;
        for (int slot = 1; slot <= count && !anyInPlace; ++slot) {
            const tTile &t = b.Tiles(slot);
            anyInPlace = t.Panel.state == TileState::Movable && t.Panel.caption == t.CorrectText;
        }
        if (!anyInPlace)
            break;
    }
}

void RoundEngine::ShowTiles()
{
    Board &b = m_board;
    const int count = b.TileCount();
    int hidden = 0;
    for (int slot = 1; slot <= count; ++slot)
        hidden += !b.Tiles(slot).Panel.visible;
    while (hidden > 0) {
        int k = 1 + RandomSource::random(count);
        for (int step = 0; step < count && b.Tiles(k).Panel.visible; ++step)
            k = k % count + 1;
        if (b.Tiles(k).Panel.visible)
            return; // something else showed them meanwhile
        b.setVisible(k, true);
        settle();
        --hidden;
    }
}

void RoundEngine::HideTiles()
{
    Board &b = m_board;
    settle();
    const int count = b.TileCount();
    int visible = 0;
    for (int slot = 1; slot <= count; ++slot)
        visible += b.Tiles(slot).Panel.visible;
    if (visible == 0)
        return;
    for (int toHide = visible; toHide > 0; --toHide) {
        int k = 1 + RandomSource::random(count);
        for (int step = 0; step < count && !b.Tiles(k).Panel.visible; ++step)
            k = k % count + 1;
        if (!b.Tiles(k).Panel.visible)
            break;
        b.setVisible(k, false);
        if (toHide % 3 == 0)
            settle();
    }
    settle();
}
