#include "settings/program_folder.h"
#include "ui/help_links.h"
#include "ui/message_box.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class HelpLinksTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void supportMail();
    void helpPageAndWebSite();
    void newsCheck_data();
    void newsCheck();

private:
    QList<QUrl> opened;
    struct Box
    {
        GameMessageBox::Kind kind;
        QString text;
        QMessageBox::StandardButtons buttons;
    };
    QList<Box> boxes;
    QMessageBox::StandardButton answer = QMessageBox::No;
};

void HelpLinksTest::init()
{
    opened.clear();
    boxes.clear();
    HelpLinks::setUrlOpener([this](const QUrl &url) { opened.append(url); });
    GameMessageBox::setHook([this](QWidget *, GameMessageBox::Kind kind, const QString &, const QString &text,
                                   QMessageBox::StandardButtons buttons) {
        boxes.append({kind, text, buttons});
        return answer;
    });
}

void HelpLinksTest::cleanup()
{
    HelpLinks::setUrlOpener({});
    GameMessageBox::setHook({});
}

void HelpLinksTest::supportMail()
{
    const QString expected =
        QStringLiteral("mailto:support@splitwick.example.org?subject=Splitwick support, feedback, etc.");
    QCOMPARE(HelpLinks::supportMailText(QStringLiteral("Splitwick")), expected);
    HelpLinks::ByEmail1Click(QStringLiteral("Splitwick"));
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0].scheme(), QStringLiteral("mailto"));
    QCOMPARE(opened[0].toString(), expected);
    QCOMPARE(opened[0].query(QUrl::FullyDecoded), QStringLiteral("subject=Splitwick support, feedback, etc."));
    QVERIFY(boxes.isEmpty());
}

void HelpLinksTest::helpPageAndWebSite()
{
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("xq")));
    QFile page(folder.filePath(QStringLiteral("xq/xq.htm")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.close();
    const QString before = programFolder();
    setProgramFolder(folder.path() + QLatin1Char('/'));
    HelpLinks::Contents1Click();
    HelpLinks::WebSite2Click();
    setProgramFolder(before);
    QCOMPARE(opened.size(), 2);
    QVERIFY(opened[0].isLocalFile());
    QCOMPARE(QFileInfo(opened[0].toLocalFile()).canonicalFilePath(), QFileInfo(page).canonicalFilePath());
    QCOMPARE(opened[1], QUrl(HelpLinks::WebSiteAddress));
    QVERIFY(opened[1].isValid() && opened[1].scheme().startsWith(QStringLiteral("http")));
}

void HelpLinksTest::newsCheck_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("reply");
    QTest::addColumn<bool>("opens");
    QTest::newRow("No") << QMessageBox::No << false;
    QTest::newRow("Yes") << QMessageBox::Yes << true;
    QTest::newRow("closed without a choice") << QMessageBox::Escape << true;
}

void HelpLinksTest::newsCheck()
{
    QFETCH(QMessageBox::StandardButton, reply);
    QFETCH(bool, opens);
    answer = reply;
    QCOMPARE(HelpLinks::TryOtherGames1Click(nullptr), opens);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].kind, GameMessageBox::Kind::Warning);
    QCOMPARE(boxes[0].text, QStringLiteral("Check our website via the internet for new announcements?"));
    QCOMPARE(boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
    if (opens) {
        QCOMPARE(opened, QList<QUrl>({QUrl(HelpLinks::NewsPageAddress)}));
    } else {
        QVERIFY(opened.isEmpty());
    }
}

QTEST_MAIN(HelpLinksTest)
#include "help_links_test.moc"
