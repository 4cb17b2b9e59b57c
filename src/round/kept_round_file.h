// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/kept_round.h"

#include <QString>

#include <optional>

// The file that keeps the round in play between runs, in the player's
// folder beside (never inside) the settings file. It is written whole after
// every step of the round and removed when the round ends.
class KeptRoundFile
{
public:
    static constexpr char FileName[] = "round-in-play.json";

    explicit KeptRoundFile(const QString &path);
    // Waits for what is still being written.
    ~KeptRoundFile();
    // FileName in the folder the game writes into.
    static QString defaultPath();
    const QString &path() const { return m_path; }

    // A temporary file renamed over the old one: a kill leaves either the
    // previous round or this one. A file that cannot be written only means
    // the round will not survive quitting.
    void save(const KeptRound &kept);
    void remove();
    // Until every save and removal asked for so far is on the disk.
    void waitForWrites();

    struct Loaded
    {
        std::optional<KeptRound> round;
        QString setAsidePath; // where a file that could not be read went; empty when none did
    };
    // The kept round, if there is one. A file that is damaged, of another
    // format or of a later version is renamed to path + ".broken" (replacing
    // an older one) and gives no round.
    Loaded load();

private:
    QString m_path;
};
