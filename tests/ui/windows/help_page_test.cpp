// SPDX-License-Identifier: GPL-3.0-or-later
// The How to Play page opened by F1: readable offline, and with the place
// where the dictionary list goes.
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

// The English page and its translations, which the help links open by the game's language.
QString helpPage(const QString &name = QStringLiteral("xq.htm"))
{
    QFile f(QStringLiteral(SPLITWICK_SOURCE_DIR "/data/xq/") + name);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

} // namespace

class HelpPageTest : public QObject {
    Q_OBJECT

private slots:
    void linksStayInsideThePage_data();
    void linksStayInsideThePage();
    void dictionaryListHasItsPlace_data() { linksStayInsideThePage_data(); }
    void dictionaryListHasItsPlace();
};

void HelpPageTest::linksStayInsideThePage_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"xq.htm", "xq_de.htm", "xq_es.htm", "xq_fr.htm"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void HelpPageTest::linksStayInsideThePage()
{
    QFETCH(QString, name);
    const QString page = helpPage(name);
    QVERIFY(!page.isEmpty());
    QSet<QString> ids;
    for (const auto &m : QRegularExpression(R"(\bid="([^"]+)\")").globalMatch(page))
        ids.insert(m.captured(1));
    int links = 0;
    for (const auto &m : QRegularExpression(R"(\b(?:href|src)="([^"]*)\")").globalMatch(page)) {
        const QString target = m.captured(1);
        // Read offline: no address outside the page, every anchor exists.
        QVERIFY2(target.startsWith('#'), qPrintable(target));
        QVERIFY2(ids.contains(target.mid(1)), qPrintable(target));
        ++links;
    }
    QVERIFY(links >= 10);
    // A translation has every section of the English page, under the same anchors.
    QSet<QString> english;
    for (const auto &m : QRegularExpression(R"(<section id="([^"]+)\")").globalMatch(helpPage()))
        english.insert(m.captured(1));
    QSet<QString> sections;
    for (const auto &m : QRegularExpression(R"(<section id="([^"]+)\")").globalMatch(page))
        sections.insert(m.captured(1));
    QCOMPARE(sections, english);
}

void HelpPageTest::dictionaryListHasItsPlace()
{
    QFETCH(QString, name);
    const QString page = helpPage(name);
    const QString begin = QStringLiteral("<!-- dictionaries:begin -->");
    const QString end = QStringLiteral("<!-- dictionaries:end -->");
    QCOMPARE(page.count(begin), 1);
    QCOMPARE(page.count(end), 1);
    QVERIFY(page.indexOf(begin) < page.indexOf(end));
    QVERIFY(page.indexOf(QStringLiteral("id=\"dictionaries\"")) < page.indexOf(begin));
}

QTEST_APPLESS_MAIN(HelpPageTest)
#include "help_page_test.moc"
