// The How to Play page opened by F1: readable offline, and with the place
// where the dictionary list goes.
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

QString helpPage()
{
    QFile f(QStringLiteral(SPLITWICK_SOURCE_DIR "/data/xq/xq.htm"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

} // namespace

class HelpPageTest : public QObject {
    Q_OBJECT

private slots:
    void linksStayInsideThePage();
    void dictionaryListHasItsPlace();
};

void HelpPageTest::linksStayInsideThePage()
{
    const QString page = helpPage();
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
}

void HelpPageTest::dictionaryListHasItsPlace()
{
    const QString page = helpPage();
    const QString begin = QStringLiteral("<!-- dictionaries:begin -->");
    const QString end = QStringLiteral("<!-- dictionaries:end -->");
    QCOMPARE(page.count(begin), 1);
    QCOMPARE(page.count(end), 1);
    QVERIFY(page.indexOf(begin) < page.indexOf(end));
    QVERIFY(page.indexOf(QStringLiteral("id=\"dictionaries\"")) < page.indexOf(begin));
}

QTEST_APPLESS_MAIN(HelpPageTest)
#include "help_page_test.moc"
