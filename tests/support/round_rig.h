// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/round_engine.h"
#include "settings/options_model.h"
#include "settings/settings_file.h"
#include "support/round_fakes.h"

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>

#include <memory>

// A round engine on a recording host, manual timers, a settings file in a
// temporary program folder and an in-memory dictionary named "test". Sound
// slot texts are the slots' component names ("GoodDropSound", ...).
struct RoundRig
{
    RoundRig();

    Board &board() { return engine->board(); }
    RoundState &round() { return engine->round(); }
    const tTile &tile(int slot) { return engine->board().Tiles(slot); }

    // Replaces the dictionary's entries (definitions "def <word>" unless given).
    void setEntries(const QList<QByteArray> &words, const QList<QByteArray> &definitions = {});
    // Entries whose words have distinct cells for the format: row r's cell k is
    // its row letter, then digits of k ("A1A2A3" for 2-2-2).
    void setDistinctWords(int count, const QString &format);
    void setFormat(const QString &format); // the split format by its text
    void setFixedNone();                   // no cell fixed at setup
    void setLevel(const QString &key, int value); // section "Levels"

    // Exchanges captions so that slot shows its own text (taken from the first
    // other movable tile showing it); false when none shows it.
    bool putInPlace(int slot);
    // First movable slot other than `except` showing text; 0 when none.
    int movableShowing(const QByteArray &text, int except = 0);
    // Slots of row r (0-based) in order, retired ones excluded.
    QList<int> rowSlots(int r);
    // Sets the captions of slots 1.. to texts (which must be a permutation of
    // the shown texts); returns false if it is not.
    bool arrange(const QList<QByteArray> &texts);
    // Plays row r to completion by dropping the right text onto each movable
    // cell from the left; false if the round ends first or a text is missing.
    bool completeRow(int r);
    // True when row r shows one solved tile with its whole word.
    bool rowComplete(int r);

    QTemporaryDir dir;
    OptionsModel options;
    std::unique_ptr<SettingsFile> settings;
    RecordingHost host;
    ManualTimer timer1;
    std::unique_ptr<RoundEngine> engine;
};
