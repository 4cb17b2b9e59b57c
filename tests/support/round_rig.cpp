// SPDX-License-Identifier: GPL-3.0-or-later
// A round engine in a test rig: its set-up, and moves that put cells in place.
#include "support/round_rig.h"

#include "base/program_folder.h"
#include "settings/split_formats.h"
#include "support/temp_settings.h"
#include "words/kbase.h"

#include <algorithm>

RoundRig::RoundRig()
{
    setProgramFolder(dir.path());
    settings = std::make_unique<SettingsFile>(settingsFileIn(dir.path()));
    for (int s = 0; s < SoundSlotCount; ++s)
        options.setSoundText(SoundSlot(s), soundSlotName(SoundSlot(s)));
    options.setDictionaryNames({QStringLiteral("test")});
    options.setDictionaryIndex(0);
    engine = std::make_unique<RoundEngine>(host.wiring(), options, *settings, timer1);
    host.listenTo(*engine);
    engine->round().LoadedDictionary = QStringLiteral("test");
    engine->board().setTemplateHeight(33);
    engine->board().MakeTiles();
    timer1.onTimeout = [this] { engine->Timer1Timer(); };
}

void RoundRig::setEntries(const QList<QByteArray> &words, const QList<QByteArray> &definitions)
{
    TKbItems &items = engine->dictionary().Items();
    items.Clear();
    for (qsizetype i = 0; i < words.size(); ++i) {
        TKbItem &item = items.Add();
        item.setN(words[i]);
        item.setD(i < definitions.size() ? definitions[i] : QByteArray("def ") + words[i]);
    }
}

void RoundRig::setDistinctWords(int count, const QString &format)
{
    const QList<int> lengths = splitFormatCellLengths(format);
    QList<QByteArray> words;
    for (int r = 0; r < count; ++r) {
        QByteArray word;
        for (int k = 0; k < lengths.size(); ++k) {
            // Rows beyond Z use the capitals from byte 192 on, which stay as they are.
            QByteArray cell(1, r < 26 ? char('A' + r) : char(0xC0 + r - 26));
            while (cell.size() < lengths[k])
                cell += char('1' + (k + cell.size() - 1) % 9);
            word += cell;
        }
        words << word;
    }
    setEntries(words);
}

void RoundRig::setFormat(const QString &format)
{
    options.setPresetsIndex(int(splitFormats().indexOf(format)));
}

void RoundRig::setFixedNone()
{
    for (int f = 0; f < FixedCellCount; ++f)
        options.setFixedCell(FixedCell(f), false);
}

void RoundRig::setLevel(const QString &key, int value)
{
    settings->writeInteger(QStringLiteral("Levels"), key, value);
}

int RoundRig::movableShowing(const QByteArray &text, int except)
{
    Board &b = board();
    for (int slot = 1; slot <= b.TileCount(); ++slot) {
        const TilePanel &p = b.Tiles(slot).Panel;
        if (slot != except && p.state == TileState::Movable && p.caption == text)
            return slot;
    }
    return 0;
}

bool RoundRig::putInPlace(int slot)
{
    Board &b = board();
    if (b.Tiles(slot).Panel.caption == b.Tiles(slot).CorrectText)
        return true;
    const int from = movableShowing(b.Tiles(slot).CorrectText, slot);
    if (from == 0)
        return false;
    const QByteArray mine = b.Tiles(slot).Panel.caption;
    b.setCaption(slot, b.Tiles(from).Panel.caption);
    b.setCaption(from, mine);
    return true;
}

QList<int> RoundRig::rowSlots(int r)
{
    QList<int> result;
    Board &b = board();
    for (int slot = 1; slot <= b.TileCount(); ++slot) {
        if (b.Tiles(slot).RowIndex == r)
            result << slot;
    }
    return result;
}

bool RoundRig::arrange(const QList<QByteArray> &texts)
{
    Board &b = board();
    QList<QByteArray> now;
    for (int slot = 1; slot <= texts.size(); ++slot)
        now << b.Tiles(slot).Panel.caption;
    QList<QByteArray> wanted = texts;
    std::sort(now.begin(), now.end());
    std::sort(wanted.begin(), wanted.end());
    if (now != wanted)
        return false;
    for (int slot = 1; slot <= texts.size(); ++slot)
        b.setCaption(slot, texts[slot - 1]);
    return true;
}

bool RoundRig::rowComplete(int r)
{
    const QList<int> row = rowSlots(r);
    return row.size() == 1 && tile(row.first()).Panel.state == TileState::Solved &&
           tile(row.first()).Panel.caption == tile(row.first()).RowWord;
}

bool RoundRig::completeRow(int r)
{
    for (int guard = 0; guard < 10 && !rowComplete(r); ++guard) {
        if (!engine->inPlay())
            return false;
        for (int slot : rowSlots(r)) {
            if (tile(slot).Panel.state != TileState::Movable)
                continue;
            const int from = movableShowing(tile(slot).CorrectText, slot);
            if (from == 0)
                return false;
            engine->bgDragDrop(slot, from);
            break;
        }
    }
    return rowComplete(r);
}
