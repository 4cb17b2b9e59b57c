// SPDX-License-Identifier: GPL-3.0-or-later
// Preparing dictionary words for a round and drawing a round's entries.
#include "words/word_selection.h"

#include "base/random_source.h"
#include "words/kbase.h"
#include "words/windows1252.h"

#include <algorithm>

namespace {
constexpr int MaxText = 255;

// Code page 437 accented letters at 128..189 and their Latin-1 capitals.
struct FoldTable
{
    unsigned char to[256];
    constexpr FoldTable() : to()
    {
        for (int b = 0; b < 256; ++b)
            to[b] = (b >= 128 && b <= 189) ? '?' : (unsigned char)(b);
        to[128] = 199; // Ç
        to[130] = 201; // é
        to[131] = 194; // â
        to[133] = 192; // à
        to[135] = 199; // ç
        to[136] = 202; // ê
        to[137] = 203; // ë
        to[138] = 200; // è
        to[139] = 207; // ï
        to[140] = 206; // î
        to[147] = 212; // ô
        to[149] = 210; // ò
        to[150] = 219; // û
        to[151] = 217; // ù
        to[160] = 193; // á
    }
};
constexpr FoldTable Fold;

QByteArrayView trimmed(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && quint8(text[begin]) <= 32)
        ++begin;
    while (end > begin && quint8(text[end - 1]) <= 32)
        --end;
    return text.sliced(begin, end - begin);
}

QByteArray upperFolded(QByteArrayView text)
{
    QByteArray result(text.data(), text.size());
    for (char &c : result)
        c = char(Fold.to[quint8(upperCase1252(c))]);
    return result;
}
} // namespace

QByteArray FoldAccents(QByteArrayView text)
{
    QByteArray result(text.data(), text.size());
    for (char &c : result)
        c = char(Fold.to[quint8(c)]);
    return result;
}

QByteArray prepareWord(QByteArrayView n)
{
    const QByteArrayView word = trimmed(n);
    return upperFolded(word.first(std::min<qsizetype>(word.size(), MaxText)));
}

WordDraw drawWords(const tZRVDictionary &dictionary, int letterCount, int wordCount,
                   const std::function<void()> &onAccepted)
{
    WordDraw result;
    const TKbItems &items = dictionary.Items();
    const int count = items.Count();
    if (count <= 0)
        return result; // nothing can ever match: the caller reports the shortage

    QList<QByteArray> words;
    int found = 0;
    while (found < wordCount) {
        const TKbItem &item = items[RandomSource::random(count)];
        // Case and accent folding keep the length, so the length test needs no copy.
        const QByteArrayView raw = trimmed(item.n());
        const qsizetype length = std::min<qsizetype>(raw.size(), MaxText);
        if (length == letterCount && length >= 3 && length <= 30) {
            const QByteArray word = upperFolded(raw.first(length));
            const QByteArrayView definition = item.d().first(std::min<qsizetype>(item.d().size(), MaxText));
            QByteArray entry;
            entry.reserve(word.size() + 1 + definition.size());
            entry.append(word).append(',').append(definition);
            const bool duplicate = std::any_of(result.chosenEntries.cbegin(), result.chosenEntries.cend(),
                                               [&](const QByteArray &e) { return equalsIgnoreCase1252(e, entry); });
            if (!duplicate) {
                result.chosenEntries.append(entry);
                words.append(word);
                ++found;
                if (onAccepted)
                    onAccepted();
            }
        }
        ++result.draws;
        if (result.draws > MaxDraws) {
            result.chosenEntries.clear();
            return result;
        }
    }

    result.complete = true;
    result.roundWords.reserve(words.size());
    for (qsizetype i = 0; i < words.size(); ++i) {
        // The row keeps its whole word; the definition gives way so the entry fits 255.
        const QByteArray &word = words[i];
        const qsizetype room = std::max<qsizetype>(0, MaxText - word.size() - 1);
        result.roundWords.append(tWord{word, result.chosenEntries[i].mid(word.size() + 1, room)});
    }
    return result;
}
