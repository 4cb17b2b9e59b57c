// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads a dictionary's component stream into a store. The reader checks every
// length against the bytes left before using it, never allocates from a
// length field, and keeps entry texts as spans of the store's load buffer.

#include "words/kbase.h"

class KbaseReader
{
public:
    // A load of N bytes takes at most half of MemoryPerFileByte * N +
    // MemoryAllowance bytes, buffer, spans and entries together; a file whose
    // entries would take more fails to load.
    static constexpr quint64 MemoryPerFileByte = 10;
    static constexpr quint64 MemoryAllowance = 10u << 20;

    // Reads the store's load buffer (Items().m_buffer) into it.
    explicit KbaseReader(tZRVDictionary &store);

    // Throws GameError("Unable to load the Knowledge Base") on any fault;
    // entries completed or begun before the fault stay in the store.
    void read();

private:
    [[noreturn, gnu::cold]] static void fail();

    // The two primitives every read goes through; inline, as a load calls
    // them for every property.
    quint8 byte()
    {
        if (m_pos == m_end)
            fail();
        return quint8(*m_pos++);
    }
    QByteArrayView bytes(size_t count)
    {
        if (size_t(m_end - m_pos) < count)
            fail();
        const QByteArrayView view(m_pos, qsizetype(count));
        m_pos += count;
        return view;
    }
    QByteArrayView shortString() { return bytes(byte()); }
    qint32 integerPayload(quint8 type);
    qint32 integerValue() { return integerPayload(byte()); }

    // An entry's texts as they are read, stored in text order at its end.
    struct PendingTexts
    {
        quint8 loaded = 0;
        quint32 spans[TKbItem::TextCount]; // where each value lies
        quint8 loadedWindows = 0;          // the non-zero ones
        quint32 windows[KbiWindowCount];
    };

    bool entryFitsTheBudget() const;
    void storeProperty(QByteArrayView name);
    void readCollection();
    void readEntry(PendingTexts &texts);
    void storeTexts(TKbItem &item, const PendingTexts &texts);
    quint32 readSet();

    tZRVDictionary &m_store;
    const char *m_pos;
    const char *m_end;
};
