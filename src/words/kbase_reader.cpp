// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a dictionary file's component stream into the store, every length checked first.
#include "words/kbase_reader.h"
#include "words/ascii_case.h"

#include "base/game_error.h"

#include <bit>
#include <cstring>
#include <QCoreApplication>
#include <QtEndian>

namespace {

// Value type bytes of the component stream.
enum ValueType : quint8 {
    EndOfList = 0,
    ListStart = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    ShortText = 6,
    Identifier = 7,
    False = 8,
    True = 9,
    Set = 11,
    LongText = 12,
    Collection = 14,
};

bool sameName(QByteArrayView name, const char *expected)
{
    qsizetype i = 0;
    for (; i < name.size(); ++i) {
        if (expected[i] == '\0' || asciiLower(name[i]) != asciiLower(expected[i]))
            return false;
    }
    return expected[i] == '\0';
}

bool isIdentifierStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool isIdentifierName(QByteArrayView name)
{
    if (name.isEmpty() || !isIdentifierStart(name[0]))
        return false;
    for (char c : name) {
        if (!isIdentifierStart(c) && !(c >= '0' && c <= '9'))
            return false;
    }
    return true;
}

// Entry property by name: 0..7 are the texts n..r, 8..11 the windows a1..a4,
// -1 for a name the entry does not have.
int entryProperty(QByteArrayView name)
{
    if (name.size() == 1) {
        switch (asciiLower(name[0])) {
        case 'n': return TKbItem::N;
        case 'd': return TKbItem::D;
        case 'a': return TKbItem::A;
        case 'f': return TKbItem::F;
        case 's': return TKbItem::S;
        case 'j': return TKbItem::J;
        case 'p': return TKbItem::P;
        case 'r': return TKbItem::R;
        default: return -1;
        }
    }
    if (name.size() == 2 && asciiLower(name[0]) == 'a' && name[1] >= '1' && name[1] <= '4')
        return TKbItem::TextCount + (name[1] - '1');
    return -1;
}

} // namespace

KbaseReader::KbaseReader(tZRVDictionary &store)
    : m_store(store),
      m_pos(store.m_items.m_buffer.constData()),
      m_end(store.m_items.m_buffer.constData() + store.m_items.m_buffer.size())
{
}

void KbaseReader::fail()
{
    throw GameError(QCoreApplication::translate("KnowledgeBase", "Unable to load the Knowledge Base"));
}

qint32 KbaseReader::integerPayload(quint8 type)
{
    switch (type) {
    case Int8:
        return qint8(byte());
    case Int16: {
        const QByteArrayView b = bytes(2);
        return qint16(quint16(quint8(b[0]) | quint8(b[1]) << 8));
    }
    case Int32: {
        const QByteArrayView b = bytes(4);
        return qint32(quint32(quint8(b[0])) | quint32(quint8(b[1])) << 8 | quint32(quint8(b[2])) << 16
                      | quint32(quint8(b[3])) << 24);
    }
    default:
        fail();
    }
}

void KbaseReader::read()
{
    if (bytes(4) != QByteArrayView("TPF0"))
        fail();
    // Flags prefix of an inherited or positioned child; bit 1 carries the position.
    if (m_pos != m_end && quint8(*m_pos) >= 0xF0) {
        if (byte() & 0x02)
            integerValue();
    }
    shortString(); // class name: the game does not look at it
    const QByteArrayView objectName = shortString();
    if (!objectName.isEmpty() && !isIdentifierName(objectName))
        fail();
    for (;;) {
        const QByteArrayView name = shortString();
        if (name.isEmpty())
            break;
        storeProperty(name);
    }
    // The store has no child objects: their list is empty.
    if (byte() != EndOfList)
        fail();
    // Bytes after the object are not looked at.
}

void KbaseReader::storeProperty(QByteArrayView name)
{
    if (sameName(name, "Items")) {
        if (byte() != Collection)
            fail();
        readCollection();
    } else if (sameName(name, "QuickDestroy")) {
        switch (byte()) {
        case False:
            m_store.m_quickDestroy = false;
            break;
        case True:
            m_store.m_quickDestroy = true;
            break;
        case Identifier: {
            const QByteArrayView value = shortString();
            if (sameName(value, "False"))
                m_store.m_quickDestroy = false;
            else if (sameName(value, "True"))
                m_store.m_quickDestroy = true;
            else
                fail();
            break;
        }
        default:
            fail();
        }
    } else if (sameName(name, "Tag")) {
        m_store.m_tag = integerValue();
    } else if (sameName(name, "Left") || sameName(name, "Top")) {
        integerValue(); // design position
    } else {
        fail();
    }
}

void KbaseReader::readCollection()
{
    TKbItems &items = m_store.m_items;
    // A second Items value replaces the first, like any later duplicate.
    items.clearEntries();
    // Every loaded value takes at least four bytes of the file (a text: its
    // name's length and letter, its type, its length; a window more): the
    // table never grows past this.
    items.reserveSpans(items.m_buffer.size() / 4 + 1);
    for (;;) {
        quint8 type = byte();
        if (type == EndOfList)
            return;
        if (type == Int8 || type == Int16 || type == Int32) {
            integerPayload(type); // item index
            type = byte();
        }
        if (type != ListStart)
            fail();
        // The entry exists from its list start on, so a fault inside it
        // leaves what was read so far.
        if (!entryFitsTheBudget())
            fail();
        TKbItem &item = items.Add();
        PendingTexts texts;
        try {
            readEntry(texts);
        } catch (...) {
            storeTexts(item, texts);
            throw;
        }
        storeTexts(item, texts);
    }
}

bool KbaseReader::entryFitsTheBudget() const
{
    // Entries cost more than the bytes they are read from: a file of
    // millions of empty entries is refused before it takes much memory. A
    // load keeps within half the budget, the other half being slack.
    const TKbItems &items = m_store.m_items;
    const quint64 blocks = items.m_blocks.size();
    if (quint64(items.m_count) < ((quint64(1) << blocks) - 1) << TKbItems::FirstBlockShift)
        return true; // the current block has room
    const quint64 file = quint64(items.m_buffer.size());
    const quint64 entries = ((quint64(1) << (blocks + 1)) - 1) << TKbItems::FirstBlockShift;
    const quint64 spans = quint64(items.m_spanCount) * sizeof(quint32);
    return 2 * (file + spans + entries * sizeof(TKbItem)) <= MemoryPerFileByte * file + MemoryAllowance;
}

void KbaseReader::storeTexts(TKbItem &item, const PendingTexts &texts)
{
    TKbItems &items = m_store.m_items;
    item.m_firstSpan = quint32(items.m_spanCount);
    item.m_loaded = texts.loaded;
    item.m_loadedWindows = texts.loadedWindows;
    for (quint32 bits = texts.loaded; bits; bits &= bits - 1)
        items.appendSpan(texts.spans[std::countr_zero(bits)]);
    for (quint32 bits = texts.loadedWindows; bits; bits &= bits - 1)
        items.appendSpan(texts.windows[std::countr_zero(bits)]);
}

void KbaseReader::readEntry(PendingTexts &texts)
{
    // Every property of every entry passes through here: the position is
    // kept in a local, so it stays in a register, and every length is
    // checked against the bytes left before it is used.
    const char *p = m_pos;
    const char *const end = m_end;
    const char *const arena = m_store.m_items.m_buffer.constData();
    for (;;) {
        if (p == end)
            fail();
        const size_t nameLength = quint8(*p++);
        if (nameLength == 0)
            break;
        // The name and the type byte after it.
        if (size_t(end - p) <= nameLength)
            fail();
        const int property = entryProperty(QByteArrayView(p, qsizetype(nameLength)));
        if (property < 0)
            fail();
        p += nameLength;
        const char *const typeAt = p;
        const quint8 type = quint8(*p++);
        if (property >= TKbItem::TextCount) {
            if (type != Set)
                fail();
            m_pos = p;
            const quint32 bits = readSet();
            p = m_pos;
            // Like a text: a later value replaces the earlier one, and an empty set is none.
            const int w = property - TKbItem::TextCount;
            const quint8 bit = quint8(1u << w);
            texts.windows[w] = bits;
            texts.loadedWindows = bits ? quint8(texts.loadedWindows | bit) : quint8(texts.loadedWindows & ~bit);
            continue;
        }
        size_t length = 0;
        if (type == ShortText) {
            if (p == end)
                fail();
            length = quint8(*p++);
        } else if (type == LongText) {
            if (end - p < 4)
                fail();
            const qint32 signedLength = qFromLittleEndian<qint32>(p);
            if (signedLength < 0)
                fail();
            p += 4;
            length = size_t(signedLength);
        } else {
            fail();
        }
        if (size_t(end - p) < length)
            fail();
        p += length;
        // A later value of the same text replaces the earlier one; an empty one is no text.
        const quint8 bit = quint8(1u << property);
        if (length == 0) {
            texts.loaded &= quint8(~bit);
            continue;
        }
        texts.loaded |= bit;
        texts.spans[property] = quint32(typeAt - arena);
    }
    m_pos = p;
}

quint32 KbaseReader::readSet()
{
    // Every window names its bits by the names of ordinals 0..31; a name of a
    // higher ordinal is accepted and sets nothing.
    quint32 bits = 0;
    for (;;) {
        const QByteArrayView name = shortString();
        if (name.isEmpty())
            return bits;
        const std::optional<TKbiAttribute> attribute = attributeByName(name);
        if (!attribute)
            fail();
        const int ordinal = int(*attribute);
        if (ordinal < 32)
            bits |= 1u << ordinal;
    }
}
