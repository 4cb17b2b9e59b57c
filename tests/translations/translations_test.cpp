// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped translations against the game's sources: lupdate reads every
// text a player meets through tr(), and each language must translate all of
// them, keep their placeholders and not make two shortcut letters clash.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
    QStringList forms; // a count's plural forms, each a whole text
};

QList<Message> readTs(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            m = Message{context, {}, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            m.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            QString text;
            while (!(xml.isEndElement() && xml.name() == QLatin1String("translation")) && !xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    m.forms.append(xml.readElementText());
                else if (xml.isCharacters())
                    text += xml.text();
            }
            m.translation = m.forms.isEmpty() ? text : m.forms.join(QString());
            messages.append(m);
        }
    }
    return messages;
}

QString shippedTs(const QString &language)
{
    return QStringLiteral(SPLITWICK_SOURCE_DIR "/src/translations/splitwick_%1.ts").arg(language);
}

// %1, %n, %L1, %s, %d: what the code fills in.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(L?\\d+|n|s|d)"));
    QStringList found;
    for (const auto &match : marker.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

// The letter after a single "&" (a shortcut), or a null QChar; "& " is an
// ampersand shown as it stands.
QChar shortcutLetter(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        if (text[i + 1].isLetterOrNumber())
            return text[i + 1].toLower();
    }
    return {};
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void placeholdersAndShortcutsHold_data() { everyTextIsTranslated_data(); }
    void placeholdersAndShortcutsHold();

private:
    QTemporaryDir m_dir;
    QList<Message> m_sources; // what the sources hold now
};

void TranslationsTest::initTestCase()
{
    // lupdate over the sources, as the build's update_translations target runs it.
    const QString ts = m_dir.filePath(QStringLiteral("current_fr.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(SPLITWICK_LUPDATE),
                  {QStringLiteral("-no-obsolete"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-silent"), QStringLiteral("-extensions"), QStringLiteral("cpp,h"),
                   QStringLiteral(SPLITWICK_SOURCE_DIR "/src"), QStringLiteral("-ts"), ts});
    QVERIFY(lupdate.waitForFinished(120000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
    m_sources = readTs(ts);
    // The game has far more than a handful of texts: an empty read is a broken run.
    QVERIFY2(m_sources.size() > 100, qPrintable(QString::number(m_sources.size())));
}

void TranslationsTest::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"de", "es", "fr"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TranslationsTest::everyTextIsTranslated()
{
    QFETCH(QString, language);
    const QList<Message> shipped = readTs(shippedTs(language));
    QHash<QString, const Message *> byText;
    for (const Message &m : shipped) {
        const QString where = language + ' ' + m.context + ": " + m.source;
        QVERIFY2(m.type.isEmpty(), qPrintable(where + " is " + m.type));
        QVERIFY2(!m.translation.isEmpty(), qPrintable(where));
        byText.insert(m.context + QChar(0) + m.source, &m);
    }
    for (const Message &m : m_sources) {
        const QString where = language + ' ' + m.context + ": " + m.source;
        QVERIFY2(byText.contains(m.context + QChar(0) + m.source), qPrintable(where + " has no translation"));
    }
}

void TranslationsTest::placeholdersAndShortcutsHold()
{
    QFETCH(QString, language);
    const QList<Message> shipped = readTs(shippedTs(language));
    QVERIFY(!shipped.isEmpty());
    // Per context, which translated letter each English letter became.
    QHash<QString, QHash<QChar, QChar>> letters;
    for (const Message &m : shipped) {
        const QString where = language + ' ' + m.context + ": " + m.source + " -> " + m.translation;
        for (const QString &form : m.forms.isEmpty() ? QStringList{m.translation} : m.forms) {
            QVERIFY2(!form.isEmpty(), qPrintable(where));
            QCOMPARE(placeholders(form), placeholders(m.source));
        }
        const QChar english = shortcutLetter(m.source);
        const QChar translated = shortcutLetter(m.translation);
        QVERIFY2(english.isNull() == translated.isNull(), qPrintable(where));
        if (english.isNull())
            continue;
        // Two texts whose English letters differ must not share a translated one.
        auto &seen = letters[m.context];
        for (auto it = seen.cbegin(); it != seen.cend(); ++it)
            QVERIFY2(it.key() == english || it.value() != translated, qPrintable(where));
        seen.insert(english, translated);
    }
}

QTEST_APPLESS_MAIN(TranslationsTest)
#include "translations_test.moc"
