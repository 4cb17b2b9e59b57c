// SPDX-License-Identifier: GPL-3.0-or-later
// Setting up a round: New Game, the rows, the grid, the shuffle and the level's parameters.
#include "base/random_source.h"
#include "round/round_engine.h"

#include "round/code_deal.h"
#include "settings/daily_record.h"
#include "settings/options_model.h"
#include "settings/player_folders.h"
#include "settings/settings_file.h"
#include "settings/split_formats.h"
#include "words/windows1252.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QScopeGuard>
#include <QCoreApplication>
#include <optional>

namespace {
constexpr int BoardMargin = 10;
constexpr int ColumnPitch = 240;
constexpr int FirstTileWidth = 50;

// A new column block starts before row r of a round of `rows` rows.
bool blockBreak(int rows, int r)
{
    switch (rows) {
    case 20: return r == 10;
    case 24: return r == 8 || r == 16;
    case 30: return r == 15;
    case 45: return r == 15 || r == 30;
    default: return false;
    }
}

// Where each row of a round of `rows` rows sits: rows fill a column block
// top-down, and a block break starts the next block to its right.
struct RowPlace
{
    int column;
    int rowInColumn;
};
QList<RowPlace> rowPlaces(int rows)
{
    QList<RowPlace> places;
    RowPlace place{1, 1};
    for (int r = 0; r < rows; ++r) {
        if (blockBreak(rows, r))
            place = {place.column + 1, 1};
        places.append(place);
        ++place.rowInColumn;
    }
    return places;
}

int rowsHeight(int rows, int pitch)
{
    switch (rows) {
    case 10:
    case 20: return pitch * 10;
    case 24: return pitch * 8;
    case 15:
    case 30:
    case 45: return pitch * 15;
    default: return BoardMargin + rows * pitch;
    }
}
} // namespace

void RoundEngine::New1Click()
{
    Board &b = m_board;
    if (m_round.Busy)
        return;
    ++m_serial;
    m_roundNumber = RandomSource::seed();
    // The options stay those of the deal's start, whatever changes meanwhile.
    m_dealt = m_nextDeal ? *m_nextDeal : RoundOptions::fromModel(m_options);
    m_nextDeal.reset();
    m_countsForToday = false;

    setRatingBand(RatingBand::Dealing);
    RoundCommands c = m_commands;
    c.clueCaption = QCoreApplication::translate("RoundEngine", "Clue");
    updateCommands(c);
    m_host.trace.clearDebug();
    setStatus(QString());

    m_round.Busy = true;
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
    std::optional<Board::Batch> relay(std::in_place, b);
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

        RoundParameters &p = m_round.Parameters;
        p.Level = b.TileCount() / rows + b.TileCount() / 25 + (m_dealt.showDefinitions ? 1 : 0);
        ReadLevel(p.Level);
        const auto parameterLine = [&p] {
            return QStringLiteral("level=%1 pop=%2 penalty=%3 good=%4 bad=%5 word=%6 start=%7 delay=%8")
                .arg(p.Level)
                .arg(p.Pop)
                .arg(p.Penalty)
                .arg(p.Good)
                .arg(p.Bad)
                .arg(p.WordBonus)
                .arg(p.Start)
                .arg(p.Delay);
        };
        m_parameterText = parameterLine();
        const int h = m_dealt.handicap;
        if (h != 0) {
            applyHandicap(h);
            m_parameterText += QStringLiteral("\r\n") + parameterLine();
        }
        // No round may be lost before it begins.
        if (p.Start < 1)
            p.Start = 1;

        m_rating = 0;
        ChangeRating(p.Start);
        p.CluesLeft = qBound(2, p.Level, 20);
        if (m_options.showParameters())
            m_host.messages.showInformation(m_parameterText);

        if (m_dealt.day.isValid())
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

void RoundEngine::ReadLevel(int level)
{
    const QString digit = QString::number(qBound(0, level, 9));
    const auto read = [this, &digit](const char *key, int defaultValue) {
        // Hand-edited values stay within a million, so that no rating or
        // timer arithmetic can overflow.
        const int value = m_settings.readInteger(QStringLiteral("Levels"), QLatin1String(key) + digit, defaultValue);
        return qBound(-1000000, value, 1000000);
    };
    RoundParameters &p = m_round.Parameters;
    p.Pop = read("TIMER", 5);
    p.Penalty = read("PENALTY", -1);
    p.Good = read("GOOD", 1);
    p.Bad = read("BAD", -5);
    p.WordBonus = read("WORD", 0);
    p.Start = read("START", 30);
    p.Delay = read("DELAY", 5);
    // DELAY 0 means the penalty clock never starts, as TIMER 0 means no
    // ticks; a negative value reads the same. Under a handicap the floor of
    // 1 s comes after the handicap's own change.
    if (p.Delay < 0 && m_dealt.handicap == 0)
        p.Delay = 0;
    p.ClueCost = p.Bad - 1;
}

void RoundEngine::applyHandicap(int h)
{
    RoundParameters &p = m_round.Parameters;
    // Pop * 0.1 * h truncated toward zero, in exact arithmetic. The floor of
    // 2 s holds for every level: a handicap never leaves a round without ticks.
    p.Pop = qBound(2, p.Pop - p.Pop * h / 10, 90);
    p.Penalty = qMin(p.Penalty - h, -1);
    p.Good = qMax(h > 0 ? p.Good - 1 : p.Good + 1, 1);
    p.Bad = qMin(p.Bad - h, -1);
    p.Start = qBound(30, p.Start - 10 * h, 100);
    p.Delay = p.Delay - 10 * h;
    if (p.Delay <= 0)
        p.Delay = 1;
}

void RoundEngine::chooseFixedCell(int cells, bool fixed[8]) const
{
    int position = 0;
    if (m_dealt.fixedCell == FixedCell::Random)
        position = 1 + RandomSource::random(cells);
    else if (m_dealt.fixedCell == FixedCell::NotFirst)
        position = 2 + RandomSource::random(cells - 1);
    else if (m_dealt.fixedCell == FixedCell::First)
        position = 1;
    else if (m_dealt.fixedCell == FixedCell::Middle)
        position = cells == 4 ? 2 + RandomSource::random(2) : (cells + 1) / 2;
    else if (m_dealt.fixedCell == FixedCell::Last)
        position = cells;
    if (position >= 1 && position <= cells)
        fixed[position] = true;
}

void RoundEngine::BuildRows()
{
    Board &b = m_board;
    b.clearTileCount();
    const QList<int> lengths = splitFormatCellLengths(m_dealt.presetsText());
    const int cells = int(lengths.size());
    const int pitch = b.templateHeight() + 2;
    const int rows = int(m_round.RoundWords.size());
    const bool showHints = m_dealt.showDefinitions;

    const QList<RowPlace> places = rowPlaces(rows);
    int lastColumn = 1;
    for (int r = 0; r < rows; ++r) {
        const auto [column, rowInColumn] = places[r];
        lastColumn = column;
        const int x0 = BoardMargin + (column - 1) * ColumnPitch;
        const int y = BoardMargin + (rowInColumn - 1) * pitch;
        bool fixed[8] = {};
        chooseFixedCell(cells, fixed);

        const tWord &word = m_round.RoundWords[r];
        qsizetype used = 0;
        int x = x0;
        for (int i = 1; i <= cells; ++i) {
            const QByteArray text = word.Word.mid(used, lengths[i - 1]);
            b.SetTile({.text = text,
                       .definition = word.Definition,
                       .rowWord = word.Word,
                       .width = FirstTileWidth,
                       .left = x,
                       .top = y,
                       .rowIndex = r,
                       .column = column,
                       .rowInColumn = rowInColumn,
                       .cellsInRow = cells,
                       .fixed = fixed[i],
                       .firstInRow = i == 1,
                       .showHint = showHints});
            settle();
            used += lengths[i - 1];
            x += FirstTileWidth;
        }
    }
    m_windowWidth = BoardMargin + lastColumn * ColumnPitch;
    m_windowHeight = rowsHeight(rows, pitch) + 86;
}

void RoundEngine::DrawGrid()
{
    const QSize screen = m_host.window.screenSize();
    m_windowLeft = (screen.width() - m_windowWidth) / 2;
    m_windowTop = (screen.height() - m_windowHeight) / 2;
    m_host.window.setWindowGeometry(m_windowLeft, m_windowTop, m_windowWidth, m_windowHeight);
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
    if (m_settings.readBool(QStringLiteral("Options"), QStringLiteral("trace"), false))
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

void RoundEngine::FitRows()
{
    for (const RowPlace &place : rowPlaces(int(m_round.RoundWords.size()))) {
        m_board.FitRow(place.column, place.rowInColumn, RowWidth);
        settle();
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
