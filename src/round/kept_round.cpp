// SPDX-License-Identifier: GPL-3.0-or-later
// The kept round's file format: written whole, read back with every value checked.
#include "round/kept_round.h"

#include "base/game_error.h"
#include "settings/split_formats.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString bytes(const QByteArray &b)
{
    return QString::fromLatin1(b);
}

void fault(const QString &what)
{
    throw GameError(what);
}

// Reads a checked object: every value must be there with its type and range.
class Reader
{
public:
    explicit Reader(const QJsonObject &o) : m_o(o) {}

    QJsonValue value(const char *key) const
    {
        const QJsonValue v = m_o.value(QLatin1String(key));
        if (v.isUndefined())
            fault(QStringLiteral("missing %1").arg(QLatin1String(key)));
        return v;
    }
    qint64 integer(const char *key, qint64 low, qint64 high) const
    {
        const QJsonValue v = value(key);
        const double d = v.toDouble();
        if (!v.isDouble() || d != double(qint64(d)) || d < double(low) || d > double(high))
            fault(QStringLiteral("bad %1").arg(QLatin1String(key)));
        return qint64(d);
    }
    int number(const char *key, int low = -1000000, int high = 1000000) const { return int(integer(key, low, high)); }
    bool flag(const char *key) const
    {
        const QJsonValue v = value(key);
        if (!v.isBool())
            fault(QStringLiteral("bad %1").arg(QLatin1String(key)));
        return v.toBool();
    }
    QString text(const char *key) const
    {
        const QJsonValue v = value(key);
        if (!v.isString())
            fault(QStringLiteral("bad %1").arg(QLatin1String(key)));
        return v.toString();
    }
    QByteArray byteText(const char *key) const
    {
        const QString t = text(key);
        for (QChar c : t)
            if (c.unicode() > 0xFF)
                fault(QStringLiteral("bad %1").arg(QLatin1String(key)));
        return t.toLatin1();
    }
    QJsonArray array(const char *key) const
    {
        const QJsonValue v = value(key);
        if (!v.isArray())
            fault(QStringLiteral("bad %1").arg(QLatin1String(key)));
        return v.toArray();
    }
    Reader object(const char *key) const
    {
        const QJsonValue v = value(key);
        if (!v.isObject())
            fault(QStringLiteral("bad %1").arg(QLatin1String(key)));
        return Reader(v.toObject());
    }
    static Reader of(const QJsonValue &v)
    {
        if (!v.isObject())
            fault(QStringLiteral("bad entry"));
        return Reader(v.toObject());
    }

private:
    QJsonObject m_o;
};

QJsonObject writeTile(const tTile &t)
{
    const TilePanel &p = t.Panel;
    return QJsonObject{{"caption", bytes(p.caption)},  {"state", int(p.state)},       {"left", p.left},
                       {"top", p.top},                 {"width", p.width},            {"height", p.height},
                       {"visible", p.visible},         {"hint", bytes(p.hint)},       {"showHint", p.showHint},
                       {"row", t.RowIndex},            {"column", t.Column},          {"rowInColumn", t.RowInColumn},
                       {"correct", bytes(t.CorrectText)}, {"cellsInRow", t.CellsInRow}, {"rowWord", bytes(t.RowWord)},
                       {"firstInRow", t.FirstInRow}};
}

tTile readTile(const Reader &r, int rows)
{
    tTile t;
    TilePanel &p = t.Panel;
    p.caption = r.byteText("caption");
    p.state = TileState(r.number("state", 0, int(TileState::Retired)));
    p.left = r.number("left");
    p.top = r.number("top");
    p.width = r.number("width", 0);
    p.height = r.number("height", 0);
    p.visible = r.flag("visible");
    p.hint = r.byteText("hint");
    p.showHint = r.flag("showHint");
    t.RowIndex = r.number("row", 0, RetiredRow);
    if (t.RowIndex != RetiredRow && t.RowIndex >= rows)
        fault(QStringLiteral("bad row"));
    t.Column = r.number("column", 0, 1000);
    t.RowInColumn = r.number("rowInColumn", 0, 1000);
    t.CorrectText = r.byteText("correct");
    t.CellsInRow = quint16(r.number("cellsInRow", 0, TileSlots));
    t.RowWord = r.byteText("rowWord");
    t.FirstInRow = r.flag("firstInRow");
    return t;
}

QJsonObject writeParameters(const RoundParameters &p)
{
    return QJsonObject{{"level", p.Level},         {"pop", p.Pop},       {"penalty", p.Penalty},
                       {"good", p.Good},           {"bad", p.Bad},       {"wordBonus", p.WordBonus},
                       {"start", p.Start},         {"delay", p.Delay},   {"clueCost", p.ClueCost},
                       {"cluesLeft", p.CluesLeft}, {"wordsLeft", p.WordsLeft}, {"wordCount", p.WordCount}};
}

RoundParameters readParameters(const Reader &r)
{
    RoundParameters p;
    p.Level = r.number("level");
    p.Pop = r.number("pop");
    p.Penalty = r.number("penalty");
    p.Good = r.number("good");
    p.Bad = r.number("bad");
    p.WordBonus = r.number("wordBonus");
    p.Start = r.number("start");
    p.Delay = r.number("delay");
    p.ClueCost = r.number("clueCost");
    p.CluesLeft = r.number("cluesLeft", 0);
    p.WordsLeft = r.number("wordsLeft", 1, TileSlots);
    p.WordCount = quint16(r.number("wordCount", 0, 0xFFFF));
    return p;
}

QJsonObject writeOptions(const RoundOptions &o)
{
    return QJsonObject{{"dictionary", o.dictionary},
                       {"dictionaryPath", o.dictionaryPath},
                       {"wordCount", o.wordCount},
                       {"presetsIndex", o.presetsIndex},
                       {"fixedCell", o.fixedCell ? int(*o.fixedCell) : -1},
                       {"showDefinitions", o.showDefinitions},
                       {"handicap", o.handicap},
                       {"day", o.day.isValid() ? o.day.toString(Qt::ISODate) : QString()}};
}

RoundOptions readOptions(const Reader &r)
{
    RoundOptions o;
    o.dictionary = r.text("dictionary");
    o.dictionaryPath = r.text("dictionaryPath");
    o.wordCount = r.number("wordCount", 0, TileSlots);
    o.presetsIndex = r.number("presetsIndex", -1, SplitFormatCount - 1);
    const int fixed = r.number("fixedCell", -1, FixedCellCount - 1);
    if (fixed >= 0)
        o.fixedCell = FixedCell(fixed);
    o.showDefinitions = r.flag("showDefinitions");
    o.handicap = r.number("handicap", -10, 10);
    const QString day = r.text("day");
    o.day = QDate::fromString(day, Qt::ISODate);
    if (!day.isEmpty() && !o.day.isValid())
        fault(QStringLiteral("bad day"));
    return o;
}

} // namespace

namespace KeptRoundFormat {

QByteArray write(const KeptRound &k)
{
    QJsonArray tiles;
    for (const tTile &t : k.tiles)
        tiles.append(writeTile(t));
    QJsonArray words;
    for (const tWord &w : k.round.RoundWords)
        words.append(QJsonArray{bytes(w.Word), bytes(w.Definition)});
    QJsonArray entries;
    for (const QByteArray &e : k.round.ChosenEntries)
        entries.append(bytes(e));
    const QJsonObject o{
        {"format", QLatin1String(FormatName)},
        {"version", Version},
        {"tiles", tiles},
        {"words", words},
        {"entries", entries},
        {"parameters", writeParameters(k.round.Parameters)},
        {"ticking", k.round.timerPhase == TimerPhase::Ticking},
        {"moves", k.round.Moves},
        {"options", writeOptions(k.dealt)},
        {"roundNumber", qint64(k.roundNumber)},
        {"dictionaryId", k.dictionaryId ? qint64(*k.dictionaryId) : qint64(-1)},
        {"countsForToday", k.countsForToday},
        {"rating", k.rating},
        {"ratingBand", int(k.ratingBand)},
        {"status", k.statusText},
        {"parameterText", k.parameterText},
        {"window", QJsonArray{k.windowLeft, k.windowTop, k.windowWidth, k.windowHeight}},
        {"clockInterval", k.clockInterval},
        {"clockRemaining", k.clockRemaining},
    };
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

KeptRound read(const QByteArray &data)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(data, &error);
    if (doc.isNull() || !doc.isObject())
        fault(QStringLiteral("not a kept round"));
    const Reader r(doc.object());
    if (doc.object().value(QLatin1String("format")).toString() != QLatin1String(FormatName))
        fault(QStringLiteral("another format"));
    const qint64 version = r.integer("version", 1, 1000000);
    if (version > Version)
        fault(QStringLiteral("version %1 is newer than %2").arg(version).arg(Version));

    KeptRound k;
    for (const QJsonValue &w : r.array("words")) {
        const QJsonArray pair = w.toArray();
        if (!w.isArray() || pair.size() != 2 || !pair[0].isString() || !pair[1].isString())
            fault(QStringLiteral("bad words"));
        k.round.RoundWords.append(tWord{pair[0].toString().toLatin1(), pair[1].toString().toLatin1()});
    }
    for (const QJsonValue &e : r.array("entries")) {
        if (!e.isString())
            fault(QStringLiteral("bad entries"));
        k.round.ChosenEntries.append(e.toString().toLatin1());
    }
    const QJsonArray tiles = r.array("tiles");
    if (tiles.isEmpty() || tiles.size() > TileSlots)
        fault(QStringLiteral("bad tiles"));
    for (const QJsonValue &t : tiles)
        k.tiles.append(readTile(Reader::of(t), int(k.round.RoundWords.size())));
    k.round.Parameters = readParameters(r.object("parameters"));
    k.round.timerPhase = r.flag("ticking") ? TimerPhase::Ticking : TimerPhase::Waiting;
    k.round.Moves = quint16(r.number("moves", 0, 0xFFFF));
    k.dealt = readOptions(r.object("options"));
    k.roundNumber = quint32(r.integer("roundNumber", 0, 0xFFFFFFFFLL));
    const qint64 id = r.integer("dictionaryId", -1, 0xFFFFFFFFLL);
    if (id >= 0)
        k.dictionaryId = quint32(id);
    k.countsForToday = r.flag("countsForToday");
    k.rating = r.number("rating", 1, 100);
    k.ratingBand = RatingBand(r.number("ratingBand", 0, int(RatingBand::From86)));
    k.statusText = r.text("status");
    k.parameterText = r.text("parameterText");
    const QJsonArray window = r.array("window");
    if (window.size() != 4)
        fault(QStringLiteral("bad window"));
    int *const place[] = {&k.windowLeft, &k.windowTop, &k.windowWidth, &k.windowHeight};
    for (int i = 0; i < 4; ++i) {
        if (!window[i].isDouble() || qAbs(window[i].toDouble()) > 1000000)
            fault(QStringLiteral("bad window"));
        *place[i] = window[i].toInt();
    }
    k.clockInterval = r.number("clockInterval", 0);
    k.clockRemaining = r.number("clockRemaining", -1);
    if (k.clockRemaining > k.clockInterval)
        fault(QStringLiteral("bad clockRemaining"));
    return k;
}

} // namespace KeptRoundFormat
