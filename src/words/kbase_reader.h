#pragma once

// Reads a dictionary's component stream into a store. The reader checks every
// length against the bytes left before using it, never allocates from a
// length field, and keeps entry texts as views into the store's load buffer.

#include "words/kbase.h"

class KbaseReader
{
public:
    // Reads the store's load buffer (Items().m_buffer) into it.
    explicit KbaseReader(tZRVDictionary &store);

    // Throws GameError("Unable to load the Knowledge Base") on any fault;
    // entries completed or begun before the fault stay in the store.
    void read();

private:
    [[noreturn]] static void fail();
    quint8 byte();
    QByteArrayView bytes(size_t count);
    QByteArrayView shortString() { return bytes(byte()); }
    qint32 integerPayload(quint8 type);
    qint32 integerValue() { return integerPayload(byte()); }

    void storeProperty(QByteArrayView name);
    void readCollection();
    void readEntryProperty(TKbItem &item, QByteArrayView name);
    quint32 readSet();

    tZRVDictionary &m_store;
    const char *m_pos;
    const char *m_end;
};
