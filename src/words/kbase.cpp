// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary store: entries, their texts and attributes, the collection and loading a file.
#include "words/kbase.h"
#include "words/ascii_case.h"

#include "base/game_error.h"
#include "base/whole_file.h"
#include "words/kbase_reader.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <bit>
#include <cstring>
#include <functional>
#include <new>
#include <QCoreApplication>

namespace {

#define SPLITWICK_KBI_NAME(name) #name,
constexpr const char *attributeNames[KbiAttributeCount] = {SPLITWICK_KBI_ATTRIBUTES(SPLITWICK_KBI_NAME)};
#undef SPLITWICK_KBI_NAME

// Names bucketed by length so a lookup compares against a dozen names at most.
struct AttributeIndex
{
    static constexpr int MaxLength = 32;
    std::vector<quint8> byLength[MaxLength + 1];

    AttributeIndex()
    {
        for (int k = 0; k < KbiAttributeCount; ++k) {
            const size_t length = qstrlen(attributeNames[k]);
            Q_ASSERT(length <= MaxLength);
            byLength[length].push_back(quint8(k));
        }
    }
};

const AttributeIndex &attributeIndex()
{
    static const AttributeIndex index;
    return index;
}

} // namespace

QString attributeName(TKbiAttribute attribute)
{
    return QString::fromLatin1(attributeNameBytes(attribute));
}

QByteArrayView attributeNameBytes(TKbiAttribute attribute)
{
    return QByteArrayView(attributeNames[quint8(attribute) & 0x7F]);
}

std::optional<TKbiAttribute> attributeByName(QByteArrayView name)
{
    if (name.size() < 1 || name.size() > AttributeIndex::MaxLength)
        return std::nullopt;
    for (quint8 k : attributeIndex().byLength[name.size()]) {
        const char *candidate = attributeNames[k];
        qsizetype i = 0;
        while (i < name.size() && asciiLower(name[i]) == asciiLower(candidate[i]))
            ++i;
        if (i == name.size())
            return TKbiAttribute(k);
    }
    return std::nullopt;
}

// --- TKbItem ---------------------------------------------------------------

// Its table, its link and where its values start: a load makes one per entry.
static_assert(sizeof(TKbItem) <= 3 * sizeof(void *));

TKbItem::TKbItem() = default;

TKbItem::~TKbItem()
{
    delete extra();
}

TKbItem::Extra &TKbItem::ensureExtra()
{
    if (Extra *existing = extra())
        return *existing;
    auto *created = new Extra;
    created->collection = reinterpret_cast<TKbItems *>(m_link);
    m_link = reinterpret_cast<quintptr>(created) | ExtraTag;
    return *created;
}

const quint32 *TKbItem::loadedValues() const
{
    return Collection()->m_spans.get() + m_firstSpan;
}

QByteArrayView TKbItem::text(Text which) const
{
    const quint8 bit = quint8(1u << which);
    if (const Extra *own = extra(); own && (own->ownedMask & bit))
        return own->texts[which];
    if (!(m_loaded & bit))
        return {};
    // The entry's spans are in text order: count the loaded texts before this one.
    return Collection()->loadedText(loadedValues()[std::popcount(quint32(m_loaded & (bit - 1)))]);
}

QByteArray &TKbItem::ownedText(Text which)
{
    Extra &own = ensureExtra();
    own.ownedMask |= quint8(1u << which);
    return own.texts[which];
}

void TKbItem::setText(Text which, QByteArray value)
{
    if (value.size() > qsizetype(UINT32_MAX))
        throw GameError(QStringLiteral("Text too long"));
    ownedText(which) = std::move(value);
}

quint32 TKbItem::window(int w) const
{
    if (w < 1 || w > KbiWindowCount)
        return 0;
    if (const Extra *own = extra(); own && own->ownsWindows)
        return own->windows[w - 1];
    const quint8 bit = quint8(1u << (w - 1));
    if (!(m_loadedWindows & bit))
        return 0;
    // The windows' bits follow the texts' offsets, in window order.
    return loadedValues()[std::popcount(quint32(m_loaded)) + std::popcount(quint32(m_loadedWindows & (bit - 1)))];
}

quint32 *TKbItem::ownedWindows()
{
    Extra &own = ensureExtra();
    if (!own.ownsWindows) {
        for (int w = 0; w < KbiWindowCount; ++w)
            own.windows[w] = window(w + 1);
        own.ownsWindows = true;
    }
    return own.windows;
}

void TKbItem::setWindow(int w, quint32 bits)
{
    if (w >= 1 && w <= KbiWindowCount)
        ownedWindows()[w - 1] = bits;
}

bool TKbItem::hasAttribute(TKbiAttribute attribute) const
{
    const int k = quint8(attribute) & 0x7F;
    return (window((k >> 5) + 1) >> (k & 31)) & 1u;
}

void TKbItem::setAttribute(TKbiAttribute attribute, bool on)
{
    const int k = quint8(attribute) & 0x7F;
    const quint32 bit = 1u << (k & 31);
    quint32 &bits = ownedWindows()[k >> 5];
    if (on)
        bits |= bit;
    else
        bits &= ~bit;
}

std::array<quint8, 16> TKbItem::attributeSet() const
{
    std::array<quint8, 16> bytes{};
    for (int i = 0; i < 16; ++i)
        bytes[i] = quint8(window((i >> 2) + 1) >> (8 * (i & 3)));
    return bytes;
}

void TKbItem::setAttributeSet(const std::array<quint8, 16> &bytes)
{
    quint32 *windows = ownedWindows();
    for (int w = 0; w < KbiWindowCount; ++w)
        windows[w] = quint32(bytes[4 * w]) | quint32(bytes[4 * w + 1]) << 8
            | quint32(bytes[4 * w + 2]) << 16 | quint32(bytes[4 * w + 3]) << 24;
}

QString TKbItem::className() const
{
    return QStringLiteral("TKbItem");
}

bool TKbItem::isInLoadBuffer(const char *data) const
{
    const TKbItems *collection = Collection();
    if (!collection || !data || collection->m_buffer.isEmpty())
        return false;
    const QByteArray &buffer = collection->m_buffer;
    const std::less_equal<const char *> le;
    return le(buffer.constData(), data) && !le(buffer.constData() + buffer.size(), data);
}

void TKbItem::Assign(const TKbItem *source)
{
    const QString sourceClass = source ? source->className() : QStringLiteral("nil");
    if (sourceClass != QLatin1String("TKbItem") && sourceClass != QLatin1String("TDesignKbItem"))
        throw GameError(QStringLiteral("Cannot assign a %1 to a %2").arg(sourceClass, className()));
    if (source == this)
        return;
    const Extra *sourceOwn = source->extra();
    for (int i = D; i < TextCount; ++i) {
        const Text which = Text(i);
        const QByteArrayView value = source->text(which);
        // Texts from this collection's load buffer can be shared; anything
        // else may die before this entry does, so it is copied.
        if (value.isEmpty()) {
            ownedText(which) = QByteArray();
        } else if (isInLoadBuffer(value.data())) {
            // Shared, not copied: the arena lives as long as this entry.
            ownedText(which) = QByteArray::fromRawData(value.data(), value.size());
        } else if (sourceOwn && (sourceOwn->ownedMask & (1u << which)) && sourceOwn->texts[which].constData() == value.data()) {
            setText(which, sourceOwn->texts[which]); // implicitly shared, no copy
        } else {
            setText(which, value.toByteArray());
        }
    }
    quint32 *windows = ownedWindows();
    for (int w = 0; w < KbiWindowCount; ++w)
        windows[w] = source->window(w + 1);
}

// --- TKbItems --------------------------------------------------------------

TKbItems::TKbItems() = default;

TKbItems::~TKbItems()
{
    Clear();
}

const TKbItem &TKbItems::operator[](int index) const
{
    if (index < 0 || index >= m_count)
        throw GameError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return at(index);
}

TKbItem &TKbItems::operator[](int index)
{
    if (index < 0 || index >= m_count)
        throw GameError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return at(index);
}

TKbItem &TKbItems::Add()
{
    if (m_count == INT_MAX)
        throw GameError(QStringLiteral("Too many entries"));
    // The blocks so far hold 64 * (2^blocks - 1) entries.
    if (quint64(m_count) == ((quint64(1) << m_blocks.size()) - 1) << FirstBlockShift) {
        m_blocks.reserve(m_blocks.size() + 1);
        m_blocks.push_back(std::allocator<TKbItem>().allocate(blockSize(m_blocks.size())));
    }
    TKbItem *item = std::construct_at(&at(m_count));
    item->m_link = reinterpret_cast<quintptr>(this);
    ++m_count;
    return *item;
}

void TKbItems::clearEntries()
{
    // Every slot holds exactly a TKbItem: no virtual call needed.
    for (int i = 0; i < m_count; ++i)
        at(i).TKbItem::~TKbItem();
    m_count = 0;
    for (size_t block = 0; block < m_blocks.size(); ++block)
        std::allocator<TKbItem>().deallocate(m_blocks[block], blockSize(block));
    m_blocks.clear();
}

void TKbItems::Clear()
{
    clearEntries();
    m_buffer = QByteArray();
    m_spans.reset();
    m_spanCount = m_spanCapacity = 0;
}

QByteArrayView TKbItems::loadedText(quint32 offset) const
{
    const auto *value = reinterpret_cast<const quint8 *>(m_buffer.constData()) + offset;
    if (value[0] == ShortTextType)
        return QByteArrayView(value + 2, value[1]);
    const quint32 length = quint32(value[1]) | quint32(value[2]) << 8 | quint32(value[3]) << 16 | quint32(value[4]) << 24;
    return QByteArrayView(value + 5, qsizetype(length));
}

void TKbItems::reserveSpans(qsizetype capacity)
{
    m_spans.reset(static_cast<quint32 *>(std::malloc(size_t(capacity) * sizeof(quint32))));
    if (!m_spans)
        throw std::bad_alloc();
    m_spanCount = 0;
    m_spanCapacity = capacity;
}

void TKbItems::keepOnlyWhatIsUsed()
{
    // Each text moves with its type and length bytes; windows' bits are no
    // offsets and stay as they are. Entries hold their values in order, so
    // walking them walks the spans.
    const auto valueSize = [this](quint32 offset) {
        const QByteArrayView text = loadedText(offset);
        return (text.data() - m_buffer.constData() - offset) + text.size();
    };
    const auto forEachText = [this](auto &&visit) {
        for (int i = 0; i < m_count; ++i) {
            const TKbItem &item = at(i);
            const int texts = std::popcount(quint32(item.m_loaded));
            for (int t = 0; t < texts; ++t)
                visit(qsizetype(item.m_firstSpan) + t);
        }
    };
    qsizetype used = 0;
    forEachText([&](qsizetype span) { used += valueSize(m_spans[span]); });
    QByteArray arena(used, Qt::Uninitialized);
    std::unique_ptr<quint32[], FreeSpans> spans(static_cast<quint32 *>(std::malloc(size_t(m_spanCount + 1) * sizeof(quint32))));
    if (!spans)
        throw std::bad_alloc();
    std::copy(m_spans.get(), m_spans.get() + m_spanCount, spans.get());
    quint32 written = 0;
    forEachText([&](qsizetype span) {
        const qsizetype size = valueSize(m_spans[span]);
        std::memcpy(arena.data() + written, m_buffer.constData() + m_spans[span], size_t(size));
        spans[span] = written;
        written += quint32(size);
    });
    m_buffer = std::move(arena);
    m_spans = std::move(spans);
    m_spanCapacity = m_spanCount;
}

// --- tZRVDictionary --------------------------------------------------------

bool startsAsDictionary(QFile &file)
{
    return file.peek(4) == QByteArrayView("TPF0");
}

tZRVDictionary::tZRVDictionary() = default;

tZRVDictionary::~tZRVDictionary() = default;

void tZRVDictionary::LoadFromFile(const QString &fileName)
{
    // Cleared first, so a failed load never leaves the old entries behind.
    m_items.Clear();
    try {
        const QString failed = QCoreApplication::translate("KnowledgeBase", "Unable to load the Knowledge Base");
        QFile file;
        if (!openToRead(file, fileName, FileKind::Dictionary)) {
            // A regular file larger than any dictionary is no dictionary.
            throw GameError(QFileInfo(fileName).isFile()
                                ? failed
                                : QCoreApplication::translate("KnowledgeBase", "Unable to create stream"));
        }
        // The signature first: any large file that is no dictionary is
        // refused without being read.
        if (!startsAsDictionary(file))
            throw GameError(failed);
        std::optional<QByteArray> data = readRest(file, FileKind::Dictionary);
        if (!data)
            throw GameError(failed);
        LoadFromData(std::move(*data));
    } catch (const std::bad_alloc &) {
        // Out of memory is a load that failed, like any other.
        throw GameError(QCoreApplication::translate("KnowledgeBase", "Unable to load the Knowledge Base"));
    }
}

void tZRVDictionary::LoadFromData(QByteArray data)
{
    m_items.Clear();
    // Entries view the buffer for as long as the store keeps it, so it must
    // own its bytes (not wrap someone else's memory).
    data.detach();
    // Spans address the arena with 32 bits.
    if (quint64(data.size()) > UINT32_MAX)
        throw GameError(QCoreApplication::translate("KnowledgeBase", "Unable to load the Knowledge Base"));
    m_items.m_buffer = std::move(data);
    try {
        try {
            KbaseReader(*this).read();
        } catch (const std::bad_alloc &) {
            throw GameError(QCoreApplication::translate("KnowledgeBase", "Unable to load the Knowledge Base"));
        }
    } catch (const GameError &) {
        // What was read stays; the file's bytes it no longer needs go.
        try {
            m_items.keepOnlyWhatIsUsed();
        } catch (const std::bad_alloc &) {
            // Without room for a smaller copy the file's bytes stay.
        }
        throw;
    }
}
