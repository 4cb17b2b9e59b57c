// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The knowledge base store: the entries of one dictionary file in memory.
//
// A load reads the file into one buffer, the arena of every loaded text: an
// entry is a record of three machine words that finds its texts through a
// table of offsets into the arena (its windows follow them there), so a
// 100,000-entry dictionary costs a handful of allocations and less memory
// than its file. Texts and windows written through the API later live in
// storage the entry allocates for them.
// Texts are raw bytes (Windows-1252 in practice), never QString.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <array>
#include <bit>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

class QFile;

// The 128 attributes in ordinal order. Dictionary files name attributes by
// these texts, so the spelling matters at run time.
#define SPLITWICK_KBI_ATTRIBUTES(X) \
    X(City) X(ProvState) X(Country) X(Currency) X(Landmark) X(Landform) X(Lake) X(River) \
    X(OceanSea) X(Capital) X(Volcano) X(Mountain) X(MtnRange) X(Desert) X(Food) X(Island) \
    X(Language) X(CapitalPS) X(GulfBayStrait) X(Special) X(Continent) X(Attr022) X(Attr023) X(Attr024) \
    X(Attr025) X(Attr026) X(Attr027) X(Attr028) X(Attr029) X(Attr030) X(Attr031) X(Attr032) \
    X(LastName) X(FirstName) X(FamousFor) X(Nationality) X(Occupation) X(Attr038) X(Attr039) X(Attr040) \
    X(English) X(French) X(German) X(Spanish) X(Italian) X(Attr046) X(Attr047) X(Attr048) \
    X(Attr049) X(BodyPart) X(Disease) X(Infestation) X(Affliction) X(Condition) X(Defect) X(Disability) \
    X(Medicine) X(Treatment) X(Attr059) X(Attr060) X(Song) X(Novel) X(Movie) X(Artwork) \
    X(TVShow) X(Play) X(Musical) X(Genre) X(Character) X(Actor) X(Host) X(Director) \
    X(Artist) X(Musician) X(Playwright) X(Author) X(Composer) X(Attr078) X(Attr079) X(Attr080) \
    X(Species) X(Attr082) X(Attr083) X(Attr084) X(Attr085) X(Attr086) X(Attr087) X(Attr088) \
    X(Attr089) X(Attr090) X(Attr091) X(Attr092) X(Attr093) X(Category) X(MemberOf) X(Terminology) \
    X(DealsWith) X(CommonTerm) X(Classification) X(RelatedTo) X(User01) X(User02) X(User03) X(User04) \
    X(User05) X(User06) X(User07) X(User08) X(User09) X(User10) X(User11) X(User12) \
    X(User13) X(User14) X(User15) X(User16) X(User17) X(User18) X(User19) X(User20) \
    X(User21) X(User22) X(User23) X(User24) X(User25) X(User26) X(User27) X(User28)

enum class TKbiAttribute : quint8 {
#define SPLITWICK_KBI_ENUM(name) name,
    SPLITWICK_KBI_ATTRIBUTES(SPLITWICK_KBI_ENUM)
#undef SPLITWICK_KBI_ENUM
};

constexpr int KbiAttributeCount = 128;
constexpr int KbiWindowCount = 4; // windows a1..a4, 32 attributes each

QString attributeName(TKbiAttribute attribute);
// The same name as bytes (static storage, never empty).
QByteArrayView attributeNameBytes(TKbiAttribute attribute);
// ASCII letters compared without regard to case; nullopt for an unknown name.
std::optional<TKbiAttribute> attributeByName(QByteArrayView name);

class TKbItems;

// One dictionary entry: eight texts and a 128-bit attribute set.
class TKbItem
{
public:
    // The texts in the order the entry publishes them (a1..a4 sit between p and r).
    enum Text : quint8 { N, D, A, F, S, J, P, R };
    static constexpr int TextCount = 8;

    TKbItem();
    virtual ~TKbItem();
    TKbItem(const TKbItem &) = delete;
    TKbItem &operator=(const TKbItem &) = delete;

    QByteArrayView n() const { return text(N); }
    QByteArrayView d() const { return text(D); }
    QByteArrayView a() const { return text(A); }
    QByteArrayView f() const { return text(F); }
    QByteArrayView s() const { return text(S); }
    QByteArrayView j() const { return text(J); }
    QByteArrayView p() const { return text(P); }
    QByteArrayView r() const { return text(R); }
    QByteArrayView text(Text which) const;

    void setN(QByteArray value) { setText(N, std::move(value)); }
    void setD(QByteArray value) { setText(D, std::move(value)); }
    void setA(QByteArray value) { setText(A, std::move(value)); }
    void setF(QByteArray value) { setText(F, std::move(value)); }
    void setS(QByteArray value) { setText(S, std::move(value)); }
    void setJ(QByteArray value) { setText(J, std::move(value)); }
    void setP(QByteArray value) { setText(P, std::move(value)); }
    void setR(QByteArray value) { setText(R, std::move(value)); }
    void setText(Text which, QByteArray value);

    // Window w (1..4) is bytes 4(w-1)..4(w-1)+3 of the attribute set: bit b
    // stands for attribute 32(w-1)+b. Writing a window replaces exactly its
    // 32 bits. A window number outside 1..4 reads as 0 and writes nothing.
    quint32 window(int w) const;
    void setWindow(int w, quint32 bits);

    bool hasAttribute(TKbiAttribute attribute) const;
    void setAttribute(TKbiAttribute attribute, bool on = true);

    // The whole set as 16 bytes: attribute k at bit k mod 8 of byte k div 8.
    std::array<quint8, 16> attributeSet() const;
    void setAttributeSet(const std::array<quint8, 16> &bytes);

    // Copies d, a, f, s, j, p, r and the attribute set (never n) from an entry
    // of class "TKbItem" or "TDesignKbItem"; anything else, or none, throws
    // GameError("Cannot assign a <source> to a <target>") ("nil" for none).
    void Assign(const TKbItem *source);
    virtual QString className() const;

    // The collection that owns this entry; nullptr for a free-standing one.
    TKbItems *Collection() const
    {
        return m_link & ExtraTag ? extra()->collection : reinterpret_cast<TKbItems *>(m_link);
    }

private:
    friend class TKbItems;
    friend class KbaseReader;

    // What an entry holds beyond its loaded values, allocated at the first
    // write through the API.
    struct Extra
    {
        TKbItems *collection = nullptr;
        std::array<QByteArray, TextCount> texts;
        quint32 windows[KbiWindowCount] = {};
        quint8 ownedMask = 0;     // bit t: text t lives here (it overrides a loaded one)
        bool ownsWindows = false; // the windows live here, no longer in the spans
    };
    static constexpr quintptr ExtraTag = 1;

    Extra *extra() const { return m_link & ExtraTag ? reinterpret_cast<Extra *>(m_link & ~ExtraTag) : nullptr; }
    Extra &ensureExtra();
    bool isInLoadBuffer(const char *data) const;
    QByteArray &ownedText(Text which);
    quint32 *ownedWindows();
    // Where the loaded values start in the collection's spans: the texts' offsets, then the windows' bits.
    const quint32 *loadedValues() const;

    // The owning collection (nullptr for a free-standing entry), or the
    // entry's Extra, which names it, tagged with ExtraTag.
    quintptr m_link = 0;
    quint32 m_firstSpan = 0;       // the loaded values, in order, from here
    quint8 m_loaded = 0;           // bit t: text t was loaded
    quint8 m_loadedWindows = 0;    // bit w: window w + 1 was loaded, non-zero
};

// The entries in order, each owned by the collection; entry i by index in
// constant time. References to entries stay valid until Clear().
class TKbItems
{
public:
    TKbItems();
    ~TKbItems();
    TKbItems(const TKbItems &) = delete;
    TKbItems &operator=(const TKbItems &) = delete;

    int Count() const { return m_count; }
    // An index outside 0..Count()-1 throws GameError("List index out of bounds (<index>)").
    const TKbItem &operator[](int index) const;
    TKbItem &operator[](int index);
    TKbItem &Add();
    // Removes and releases every entry (and the load buffer their texts view).
    void Clear();

private:
    friend class TKbItem;
    friend class tZRVDictionary;
    friend class KbaseReader;

    // Entries live in blocks that double in size (64, 128, 256, ... entries),
    // so Add never moves one, a load allocates once per block rather than once
    // per entry, and a small dictionary takes a small block.
    static constexpr int FirstBlockShift = 6;
    static constexpr quint8 ShortTextType = 6; // the stream's type byte of a short text
    static constexpr size_t blockSize(size_t block) { return size_t(1) << (FirstBlockShift + block); }

    TKbItem &at(int index) const
    {
        // Block k starts at entry 64 * (2^k - 1).
        const quint32 scaled = (quint32(index) >> FirstBlockShift) + 1;
        const int block = 31 - std::countl_zero(scaled);
        const int first = ((1 << block) - 1) << FirstBlockShift;
        return m_blocks[size_t(block)][index - first];
    }
    // Removes every entry but keeps the load buffer.
    void clearEntries();
    // After a refused load: the kept entries' texts move into an arena of
    // their own size and the file's bytes are let go.
    void keepOnlyWhatIsUsed();

    // A loaded text is found by the offset of its value in the arena: its
    // type byte, then its length (one byte, or four for a long text), then
    // its bytes.
    QByteArrayView loadedText(quint32 offset) const;
    // Room for capacity offsets; throws std::bad_alloc.
    void reserveSpans(qsizetype capacity);
    void appendSpan(quint32 value) { m_spans.get()[m_spanCount++] = value; }

    struct FreeSpans
    {
        void operator()(quint32 *spans) const { std::free(spans); }
    };

    std::vector<TKbItem *> m_blocks; // raw storage, block k for blockSize(k) entries
    int m_count = 0;
    QByteArray m_buffer; // the arena: bytes of the last file loaded
    // The loaded values of every entry, entry by entry: its texts' offsets in
    // text order, then its non-zero windows' bits. Its room is only touched
    // where it is used.
    std::unique_ptr<quint32[], FreeSpans> m_spans;
    qsizetype m_spanCount = 0;
    qsizetype m_spanCapacity = 0;

public:
    // Bytes held for loaded texts and where they are (the arena and its table).
    qsizetype loadedBytes() const { return m_buffer.size() + m_spanCapacity * qsizetype(sizeof(quint32)); }
};

// Whether an opened file starts as a dictionary does ("TPF0"), read without
// moving on: what is no dictionary need not be read any further.
bool startsAsDictionary(QFile &file);

// The store: one dictionary's entries plus the component's own properties.
class tZRVDictionary
{
public:
    tZRVDictionary();
    ~tZRVDictionary();
    tZRVDictionary(const tZRVDictionary &) = delete;
    tZRVDictionary &operator=(const tZRVDictionary &) = delete;

    TKbItems &Items() { return m_items; }
    const TKbItems &Items() const { return m_items; }

    // Replaces the entries with those of a dictionary file. Throws
    // GameError("Unable to create stream") when the file cannot be opened
    // (the store is then empty) and GameError("Unable to load the Knowledge
    // Base") on any fault in its contents (entries completed or begun before
    // the fault stay).
    void LoadFromFile(const QString &fileName);
    // The same from bytes already in memory.
    void LoadFromData(QByteArray data);

    // Read from and kept for dictionary files; changes nothing in the store.
    bool QuickDestroy() const { return m_quickDestroy; }
    void setQuickDestroy(bool on) { m_quickDestroy = on; }
    int Tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    // The component's name; a dictionary file's object name is checked, not kept.
    QString Name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }

private:
    friend class KbaseReader;

    TKbItems m_items;
    bool m_quickDestroy = false;
    int m_tag = 0;
    QString m_name;
};
