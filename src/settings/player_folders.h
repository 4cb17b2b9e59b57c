// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Where the player's files live.
//
// The files the game writes (the settings file, the background copy, the
// "c999" marker) stay in the program folder of a game run from its build or a
// copied folder, so such a folder keeps working. An installed game (its
// program folder holds InstalledMarkerName, laid there by the install rules)
// keeps them in $XDG_CONFIG_HOME/splitwick (else ~/.config/splitwick), even
// for root, who could write into the installation; so does a copied folder
// that cannot be written.
//
// The player's own dictionaries, sounds and music may sit in
// $XDG_DATA_HOME/splitwick/{kbs,sound,music} (else ~/.local/share/splitwick);
// a file there wins over a shipped one of the same name.
namespace PlayerFolders {

inline constexpr char SettingsFileName[] = "ZRV_XQ.INI";
inline constexpr char InstalledMarkerName[] = "INSTALLED";

// True when folder is an installed game's program folder.
bool isInstalledFolder(const QString &folder);

// True when a file can be created in folder (tried, not guessed from the
// permission bits, which say nothing for root or a read-only mount).
bool isWritableFolder(const QString &folder);

// $XDG_CONFIG_HOME/splitwick/, else $HOME/.config/splitwick/. A relative
// XDG value is ignored, as the freedesktop.org rules ask.
QString configFolder();
// $XDG_DATA_HOME/splitwick/, else $HOME/.local/share/splitwick/.
QString dataFolder();

// The folder the game writes into, with one trailing '/': configFolder()
// (created when missing) for an installed game, else the program folder when
// it is writable, else configFolder(). Decided once per program folder and
// configuration folder.
QString writtenFilesFolder();

// writtenFilesFolder() + name, the name matched without regard to case.
QString writtenFilePath(const QString &name);

// The written copy of name when it exists, else the program folder's.
QString existingFilePath(const QString &name);

// The settings file. On the first start in the configuration folder, an
// existing program-folder settings file is copied there as the starting point.
QString settingsFilePath();

// The player's folder of that kind (kbs, sound, music), with a trailing '/'.
QString playerDataFolder(const QString &kind);

// kind/fileName: the player's file when there is one (matched without regard
// to case), else the shipped one.
QString dataFilePath(const QString &kind, const QString &fileName);

// The shipped and the player's lists of file names as one, each name once
// (without regard to case; the player's spelling wins), sorted by name
// without regard to case.
QStringList mergeFileLists(const QStringList &shipped, const QStringList &own);

} // namespace PlayerFolders
