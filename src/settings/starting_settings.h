// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The settings a new player starts with, shipped with the game's data: the
// shipped sounds and a tune, so the first round is heard.
namespace StartingSettings {

inline constexpr char FileName[] = "starting-settings.ini";

// Copies the shipped starting settings to settingsPath when the player has no
// settings file there yet; a file of the player's, even an empty one, is never
// touched. False when nothing was copied (the player has a file, or the game
// ships none, or the copy failed: the game then starts with no sounds chosen).
bool provide(const QString &settingsPath);

} // namespace StartingSettings
