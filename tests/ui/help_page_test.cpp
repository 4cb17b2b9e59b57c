// The How to Play page opened by F1: complete, self-contained and with the
// place where the dictionary list goes.
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
    void explainsEveryKeyAndMenuChoice_data();
    void explainsEveryKeyAndMenuChoice();
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

void HelpPageTest::explainsEveryKeyAndMenuChoice_data()
{
    QTest::addColumn<QString>("text");
    for (const char *key : {"<kbd>F1</kbd>", "<kbd>F2</kbd>", "<kbd>F7</kbd>", "<kbd>F8</kbd>",
                            "<kbd>F11</kbd>", "<kbd>F12</kbd>", "<kbd>Shift</kbd>+<kbd>F12</kbd>"})
        QTest::newRow(key) << QString::fromLatin1(key);
    for (const char *caption : {"Sound Effects", "Music", "Show Definitions", "Handicap", "New Cells",
                                "Number of Words", "Initial Fixed Cell", "Split Word Format",
                                "Statistics", "Styles", "Stretch", "splitwick-kb build"})
        QTest::newRow(caption) << QString::fromLatin1(caption);
    for (const char *cls : {"Easy", "Moderate", "Hard", "Intense"})
        QTest::newRow(cls) << QString::fromLatin1(cls);
}

void HelpPageTest::explainsEveryKeyAndMenuChoice()
{
    QFETCH(QString, text);
    QVERIFY(helpPage().contains(text));
}

QTEST_APPLESS_MAIN(HelpPageTest)
#include "help_page_test.moc"
