// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Builds dictionary component streams byte by byte, so tests can make files
// the writer would never produce (odd cases, prefixes, indices, bad types).

#include "words/kbase.h"
#include "words/kbase_tsv.h"

#include <QByteArray>
#include <QList>

class KbStream
{
public:
    // "TPF0", the class name and the object name.
    static KbStream header(const QByteArray &objectName = QByteArray(),
                           const QByteArray &className = "tZRVDictionary")
    {
        KbStream s;
        s.raw("TPF0").shortString(className).shortString(objectName);
        return s;
    }

    KbStream &raw(const QByteArray &bytes) { m_bytes += bytes; return *this; }
    KbStream &byte(int value) { m_bytes += char(quint8(value)); return *this; }
    KbStream &shortString(const QByteArray &text) { return byte(int(text.size())).raw(text); }
    // A property name.
    KbStream &prop(const QByteArray &name) { return shortString(name); }
    KbStream &end() { return byte(0); }

    KbStream &int8(qint8 v) { return byte(2).byte(quint8(v)); }
    KbStream &int16(qint16 v) { return byte(3).byte(quint16(v) & 0xFF).byte(quint16(v) >> 8); }
    KbStream &int32(qint32 v) { return byte(4).le32(quint32(v)); }
    KbStream &le32(quint32 v)
    {
        for (int i = 0; i < 4; ++i)
            byte(int((v >> (8 * i)) & 0xFF));
        return *this;
    }
    KbStream &text(const QByteArray &t) { return byte(6).shortString(t); }
    KbStream &longText(const QByteArray &t) { return byte(12).le32(quint32(t.size())).raw(t); }
    KbStream &ident(const QByteArray &t) { return byte(7).shortString(t); }
    KbStream &set(const QList<QByteArray> &names)
    {
        byte(11);
        for (const QByteArray &name : names)
            shortString(name);
        return end();
    }

    // "Items" and the collection's type byte; items follow, then endItems().
    KbStream &beginItems() { return prop("Items").byte(14); }
    // The list start of an item; remembers where it is.
    KbStream &beginItem()
    {
        m_itemStarts.append(m_bytes.size());
        return byte(1);
    }
    // End of the collection, of the store's properties and of its children.
    KbStream &endItems() { return end().end().end(); }
    KbStream &endStore() { return end().end(); }

    QByteArray bytes() const { return m_bytes; }
    operator QByteArray() const { return m_bytes; }
    // Offsets of the list-start byte of every item begun with beginItem().
    QList<qsizetype> itemStarts() const { return m_itemStarts; }

private:
    QByteArray m_bytes;
    QList<qsizetype> m_itemStarts;
};

// A store holding one item whose properties are given as raw bytes.
inline QByteArray oneItem(const QByteArray &properties)
{
    return KbStream::header().beginItems().beginItem().raw(properties).end().endItems();
}

// The store's entries in the dictionary tool's text form.
inline QByteArray dumpOf(const tZRVDictionary &store)
{
    QByteArray out;
    for (int i = 0; i < store.Items().Count(); ++i)
        appendTsvLine(out, store.Items()[i]);
    return out;
}

// An expected dump line with only n, d and the attribute field set.
inline QByteArray line(const QByteArray &n, const QByteArray &d = {}, const QByteArray &attributes = {})
{
    return n + '\t' + d + "\t\t\t\t\t\t\t" + attributes + '\n';
}

// Shorthand for the properties of one item: p().prop("n").text("word").
inline KbStream p()
{
    return KbStream();
}
