// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

// A dictionary file the game can read: its name in the options' list and its path.
struct DictionaryFile
{
    QString name;
    QString path;
};

namespace DictionaryFiles {

// The player's own dictionaries first, then the shipped ones, those a
// player's file of the same name hides included: a code may have been dealt
// from either.
QList<DictionaryFile> all();

// The shipped dictionary of that name (without regard to case), whatever the
// player keeps; nothing when the game does not ship it.
std::optional<DictionaryFile> shipped(const QString &name);

// The shipped dictionary of a language's own words, for a language code
// ("fr"): the one the installation's list of languages (kbs/languages.txt)
// names for it, else one named after the language in English or in itself
// ("French", "français"); nothing when the game ships none.
std::optional<DictionaryFile> ofLanguage(const QString &code);

// The file whose content id matches a code's dictionary id (its low bits).
// Of several, the one named `preferredName` wins, then the first listed.
std::optional<DictionaryFile> findById(quint32 codeId, quint32 mask, const QString &preferredName);

} // namespace DictionaryFiles
