// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu's links open exactly the page, address or mail they name, and
// the news page only after a Yes (or a box closed without a choice).
#include "base/program_folder.h"
#include "support/recording_desktop.h"
#include "ui/main_window/help_links.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class HelpLinksTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void supportMail();
    void helpPageAndWebSite();
    void newsCheck_data();
    void newsCheck();
    void nothingOfferedWithoutAddresses();

private:
    RecordingDesktop desktop;
    QList<QUrl> &opened = desktop.opened;
    QList<RecordingDesktop::Box> &boxes = desktop.boxes;
    QMessageBox::StandardButton answer = QMessageBox::No;
};

void HelpLinksTest::init()
{
    opened.clear();
    boxes.clear();
    desktop.answer = [this](const RecordingDesktop::Box &) { return answer; };
    HelpLinks::setAddresses({"support@splitwick.test", "https://splitwick.test/", "https://splitwick.test/news/"});
}

void HelpLinksTest::supportMail()
{
    const QString expected =
        QStringLiteral("mailto:support@splitwick.test?subject=Splitwick support, feedback, etc.");
    QCOMPARE(HelpLinks::supportMailText(QStringLiteral("Splitwick")), expected);
    HelpLinks::ByEmail1Click(desktop, QStringLiteral("Splitwick"));
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
    HelpLinks::Contents1Click(desktop);
    HelpLinks::WebSite2Click(desktop);
    setProgramFolder(before);
    QCOMPARE(opened.size(), 2);
    QVERIFY(opened[0].isLocalFile());
    QCOMPARE(QFileInfo(opened[0].toLocalFile()).canonicalFilePath(), QFileInfo(page).canonicalFilePath());
    QCOMPARE(opened[1], QUrl("https://splitwick.test/"));
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
    QCOMPARE(HelpLinks::TryOtherGames1Click(desktop, nullptr), opens);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].kind, Desktop::BoxKind::Warning);
    QCOMPARE(boxes[0].text, QStringLiteral("Check our website via the internet for new announcements?"));
    QCOMPARE(boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
    if (opens) {
        QCOMPARE(opened, QList<QUrl>({QUrl("https://splitwick.test/news/")}));
    } else {
        QVERIFY(opened.isEmpty());
    }
}

void HelpLinksTest::nothingOfferedWithoutAddresses()
{
    HelpLinks::setAddresses({});
    answer = QMessageBox::Yes;
    QVERIFY(!HelpLinks::TryOtherGames1Click(desktop, nullptr));
    QVERIFY(boxes.isEmpty());
    QVERIFY(opened.isEmpty());
}

QTEST_MAIN(HelpLinksTest)
#include "help_links_test.moc"
