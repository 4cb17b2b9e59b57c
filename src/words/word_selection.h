// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "words/word.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <functional>

class tZRVDictionary;

// Bytes 128..189 become the capital of the code page 437 accented letter they
// stand for, or '?'; all other bytes are kept.
QByteArray FoldAccents(QByteArrayView text);

// An entry's word as a round uses it: bytes <= 32 trimmed from both ends,
// upper case (Windows-1252), accents folded, at most 255 characters.
QByteArray prepareWord(QByteArrayView n);

inline constexpr int MaxDraws = 5000;

struct WordDraw
{
    bool complete = false;            // false: too few matching entries (or none at all)
    int draws = 0;                    // random draws made
    QList<QByteArray> chosenEntries;  // "word,definition" of each accepted entry (empty when not complete)
    QList<tWord> roundWords;          // the same entries as rows (empty when not complete)
};

// Draws wordCount distinct entries (compared as "word,definition" without
// regard to case) whose prepared word has letterCount characters (3..30),
// from the process's random source, giving up after MaxDraws draws.
// onAccepted runs after each accepted entry. A word holding a comma stays
// whole; the definition is cut so that word, comma and definition fit 255.
WordDraw drawWords(const tZRVDictionary &dictionary, int letterCount, int wordCount,
                   const std::function<void()> &onAccepted = {});
