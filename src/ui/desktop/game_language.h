// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class SettingsFile;

// The language the game speaks: English, or one it ships a translation of.
// Chosen once at start-up, before any window exists; a change in the Options
// dialog takes effect at the next start.

// The translated languages by their code ("de", "es", "fr").
QStringList translatedLanguages();
// The language of a run: the player's choice when the game has it, otherwise
// the first of the desktop's languages the game speaks, otherwise "en".
QString chooseLanguage(const QString &choice, const QLocale &desktop);
// The choice saved by the Options dialog, read before any window exists.
QString savedLanguageChoice(const SettingsFile &settings);
// Loads the game's translation and Qt's own (the colour and font choosers,
// button boxes) for code; "en" loads nothing, so the texts stay the game's own.
void installLanguage(const QString &code);
// The language installed for this run ("en" before installLanguage).
QString gameLanguage();
// The shipped dictionary of the language's words ("Mots français"), or empty.
QString languageDictionary(const QString &code);
// The How to Play page in the run's language, relative to the program folder.
QString helpPageName();
// A language's own name ("Français"), for the Options dialog.
QString languageName(const QString &code);
