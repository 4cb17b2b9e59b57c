// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Dictionary files made for a test: many words of chosen lengths, written
// with the game's own writer.

#include "words/kbase.h"
#include "words/kbase_writer.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QString>

// `perLength` words of each length, letters spread by a fixed generator so
// that a different `salt` gives a different dictionary.
inline QList<QByteArray> madeUpWords(const QList<int> &lengths, int perLength, quint32 salt = 0)
{
    QList<QByteArray> words;
    quint32 x = 12345u + salt * 7919u;
    for (int length : lengths) {
        for (int i = 0; i < perLength; ++i) {
            QByteArray word;
            for (int k = 0; k < length; ++k) {
                x = x * 1103515245u + 12345u;
                word += char((k == 0 ? 'A' : 'a') + (x >> 16) % 26);
            }
            words << word;
        }
    }
    return words;
}

inline void writeDictionaryFile(const QString &path, const QList<QByteArray> &words)
{
    QDir().mkpath(QFileInfo(path).path());
    tZRVDictionary store;
    for (const QByteArray &word : words) {
        TKbItem &item = store.Items().Add();
        item.setN(word);
        item.setD("meaning of " + word);
    }
    saveDictionary(store, path);
}
