#include "words/kbase.h"

#include "base/game_error.h"
#include "words/kbase_reader.h"

#include <QFile>

#include <functional>
#include <new>
#include <QCoreApplication>

namespace {

#define SPLITWICK_KBI_NAME(name) #name,
constexpr const char *attributeNames[KbiAttributeCount] = {SPLITWICK_KBI_ATTRIBUTES(SPLITWICK_KBI_NAME)};
#undef SPLITWICK_KBI_NAME

constexpr char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

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

TKbItem::TKbItem() : m_text{}, m_length{}, m_windows{} {}

TKbItem::~TKbItem() = default;

void TKbItem::setText(Text which, QByteArray value)
{
    if (value.size() > qsizetype(UINT32_MAX))
        throw GameError(QStringLiteral("Text too long"));
    if (!m_owned)
        m_owned = std::make_unique<std::array<QByteArray, TextCount>>();
    QByteArray &slot = (*m_owned)[which];
    slot = std::move(value);
    m_text[which] = slot.constData();
    m_length[which] = quint32(slot.size());
}

void TKbItem::setWindow(int w, quint32 bits)
{
    if (w >= 1 && w <= KbiWindowCount)
        m_windows[w - 1] = bits;
}

bool TKbItem::hasAttribute(TKbiAttribute attribute) const
{
    const int k = quint8(attribute) & 0x7F;
    return (m_windows[k >> 5] >> (k & 31)) & 1u;
}

void TKbItem::setAttribute(TKbiAttribute attribute, bool on)
{
    const int k = quint8(attribute) & 0x7F;
    const quint32 bit = 1u << (k & 31);
    if (on)
        m_windows[k >> 5] |= bit;
    else
        m_windows[k >> 5] &= ~bit;
}

std::array<quint8, 16> TKbItem::attributeSet() const
{
    std::array<quint8, 16> bytes{};
    for (int i = 0; i < 16; ++i)
        bytes[i] = quint8(m_windows[i >> 2] >> (8 * (i & 3)));
    return bytes;
}

void TKbItem::setAttributeSet(const std::array<quint8, 16> &bytes)
{
    for (int w = 0; w < KbiWindowCount; ++w)
        m_windows[w] = quint32(bytes[4 * w]) | quint32(bytes[4 * w + 1]) << 8
            | quint32(bytes[4 * w + 2]) << 16 | quint32(bytes[4 * w + 3]) << 24;
}

QString TKbItem::className() const
{
    return QStringLiteral("TKbItem");
}

bool TKbItem::isInLoadBuffer(const char *data) const
{
    if (!m_collection || !data || m_collection->m_buffer.isEmpty())
        return false;
    const QByteArray &buffer = m_collection->m_buffer;
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
    for (int i = D; i < TextCount; ++i) {
        const Text which = Text(i);
        const QByteArrayView value = source->text(which);
        // Texts from this collection's load buffer can be shared; anything
        // else may die before this entry does, so it is copied.
        if (value.isEmpty() || isInLoadBuffer(value.data())) {
            if (m_owned)
                (*m_owned)[which] = QByteArray();
            setView(which, value.isEmpty() ? nullptr : value.data(), quint32(value.size()));
        } else if (source->m_owned && (*source->m_owned)[which].constData() == value.data()) {
            setText(which, (*source->m_owned)[which]); // implicitly shared, no copy
        } else {
            setText(which, value.toByteArray());
        }
    }
    for (int w = 0; w < KbiWindowCount; ++w)
        m_windows[w] = source->m_windows[w];
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
    item->m_collection = this;
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
}

// --- tZRVDictionary --------------------------------------------------------

tZRVDictionary::tZRVDictionary() = default;

tZRVDictionary::~tZRVDictionary() = default;

void tZRVDictionary::LoadFromFile(const QString &fileName)
{
    // Cleared first, so a failed load never leaves the old entries behind.
    m_items.Clear();
    try {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            throw GameError(QCoreApplication::translate("KnowledgeBase", "Unable to create stream"));
        QByteArray data = file.readAll();
        const bool readFailed = file.error() != QFileDevice::NoError;
        file.close();
        if (readFailed)
            throw GameError(QCoreApplication::translate("KnowledgeBase", "Unable to load the Knowledge Base"));
        LoadFromData(std::move(data));
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
    m_items.m_buffer = std::move(data);
    try {
        KbaseReader(*this).read();
    } catch (const std::bad_alloc &) {
        throw GameError(QCoreApplication::translate("KnowledgeBase", "Unable to load the Knowledge Base"));
    }
}
