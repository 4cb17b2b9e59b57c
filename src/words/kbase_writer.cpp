// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a store as a dictionary file, replaced atomically.
#include "words/kbase_writer.h"

#include "base/game_error.h"
#include "words/kbase.h"

#include <QSaveFile>

namespace {

class StreamWriter
{
public:
    explicit StreamWriter(QByteArray &out) : m_out(out) {}

    void byte(quint8 value) { m_out.append(char(value)); }

    void shortString(QByteArrayView text)
    {
        Q_ASSERT(text.size() <= 255);
        byte(quint8(text.size()));
        m_out.append(text);
    }

    void int32(qint32 value)
    {
        const quint32 bits = quint32(value);
        for (int i = 0; i < 4; ++i)
            byte(quint8(bits >> (8 * i)));
    }

    // The smallest of the three integer types that holds the value.
    void integer(qint32 value)
    {
        if (value >= -128 && value <= 127) {
            byte(2);
            byte(quint8(qint8(value)));
        } else if (value >= -32768 && value <= 32767) {
            byte(3);
            const quint16 bits = quint16(qint16(value));
            byte(quint8(bits));
            byte(quint8(bits >> 8));
        } else {
            byte(4);
            int32(value);
        }
    }

    void text(QByteArrayView value)
    {
        if (value.size() <= 255) {
            byte(6);
            shortString(value);
        } else {
            if (value.size() > INT32_MAX)
                throw GameError(QStringLiteral("Text too long for a dictionary file"));
            byte(12);
            int32(qint32(value.size()));
            m_out.append(value);
        }
    }

    void set(quint32 bits)
    {
        byte(11);
        for (int b = 0; b < 32; ++b) {
            if (bits & (1u << b))
                shortString(attributeNameBytes(TKbiAttribute(b)));
        }
        byte(0);
    }

private:
    QByteArray &m_out;
};

bool isIdentifierText(const QString &name)
{
    if (name.isEmpty() || name.size() > 255)
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
        if (!letter && !(i > 0 && c >= u'0' && c <= u'9'))
            return false;
    }
    return true;
}

} // namespace

QByteArray writeDictionary(const tZRVDictionary &store)
{
    const TKbItems &items = store.Items();
    qsizetype estimate = 64;
    for (int i = 0; i < items.Count(); ++i) {
        const TKbItem &item = items[i];
        estimate += 2 + 8 * 7 + 4 * 40;
        for (int t = 0; t < TKbItem::TextCount; ++t)
            estimate += item.text(TKbItem::Text(t)).size();
    }
    QByteArray out;
    out.reserve(estimate);
    StreamWriter w(out);

    out.append("TPF0");
    w.shortString("tZRVDictionary");
    w.shortString(isIdentifierText(store.Name()) ? store.Name().toLatin1() : QByteArray());
    if (store.QuickDestroy()) {
        w.shortString("QuickDestroy");
        w.byte(9);
    }
    if (store.Tag() != 0) {
        w.shortString("Tag");
        w.integer(store.Tag());
    }
    w.shortString("Items");
    w.byte(14);
    static const char *const textNames[TKbItem::TextCount] = {"n", "d", "a", "f", "s", "j", "p", "r"};
    static const char *const windowNames[KbiWindowCount] = {"a1", "a2", "a3", "a4"};
    for (int i = 0; i < items.Count(); ++i) {
        const TKbItem &item = items[i];
        w.byte(1);
        // Published order: n d a f s j p a1 a2 a3 a4 r.
        for (int t = TKbItem::N; t <= TKbItem::P; ++t) {
            const QByteArrayView value = item.text(TKbItem::Text(t));
            if (!value.isEmpty()) {
                w.shortString(textNames[t]);
                w.text(value);
            }
        }
        for (int window = 1; window <= KbiWindowCount; ++window) {
            if (item.window(window) != 0) {
                w.shortString(windowNames[window - 1]);
                w.set(item.window(window));
            }
        }
        if (!item.r().isEmpty()) {
            w.shortString(textNames[TKbItem::R]);
            w.text(item.r());
        }
        w.byte(0);
    }
    w.byte(0); // end of the collection
    w.byte(0); // end of the store's properties
    w.byte(0); // end of its (empty) list of children
    return out;
}

void saveDictionary(const tZRVDictionary &store, const QString &fileName)
{
    const QByteArray data = writeDictionary(store);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw GameError(QStringLiteral("Unable to write to %1").arg(fileName));
}
