// SPDX-License-Identifier: GPL-3.0-or-later
// What the real desktop shows when the system has no program for a help page,
// an e-mail or a web address: the game's own help window, or a box from which
// the address can be copied; nothing of its own when the system opened it.
#include "ui/desktop/system_desktop.h"
#include "ui/windows/address_window.h"
#include "ui/windows/help_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace {

template <typename Window>
Window *shown()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            return window;
    return nullptr;
}

} // namespace

class SystemDesktopTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void ownViewerWhenTheSystemHasNone_data();
    void ownViewerWhenTheSystemHasNone();

private:
    QByteArray m_path = qgetenv("PATH");
};

void SystemDesktopTest::cleanup()
{
    qputenv("PATH", m_path);
    for (QWidget *widget : QApplication::topLevelWidgets())
        widget->close();
}

void SystemDesktopTest::ownViewerWhenTheSystemHasNone_data()
{
    QTest::addColumn<int>("openerStatus"); // -1: no opener at all
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<QString>("expected"); // text shown by the game, empty: nothing
    const QUrl page = QUrl::fromLocalFile(QStringLiteral(SPLITWICK_SOURCE_DIR "/data/xq/xq.htm"));
    const QUrl mail(QStringLiteral("mailto:help@splitwick.test?subject=Splitwick support, feedback, etc."),
                    QUrl::TolerantMode);
    const QUrl web(QStringLiteral("https://splitwick.test/news/"));
    QTest::newRow("page, no opener") << -1 << page << "Moving cells";
    QTest::newRow("page, no browser") << 3 << page << "Moving cells";
    QTest::newRow("page opened") << 0 << page << "";
    QTest::newRow("mail, no opener") << -1 << mail << "help@splitwick.test";
    QTest::newRow("mail, no mail program") << 4 << mail << "help@splitwick.test";
    QTest::newRow("web, no browser") << 3 << web << "https://splitwick.test/news/";
    QTest::newRow("web opened") << 0 << web << "";
}

void SystemDesktopTest::ownViewerWhenTheSystemHasNone()
{
    QFETCH(int, openerStatus);
    QFETCH(QUrl, url);
    QFETCH(QString, expected);
    QTemporaryDir bin;
    const QString asked = bin.filePath(QStringLiteral("asked"));
    if (openerStatus >= 0) {
        QFile opener(bin.filePath(QStringLiteral("xdg-open")));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write(QStringLiteral("#!/bin/sh\necho \"$1\" > '%1'\nexit %2\n").arg(asked).arg(openerStatus).toUtf8());
        opener.close();
        opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    qputenv("PATH", QFile::encodeName(bin.path()));

    SystemDesktop desktop;
    desktop.openUrl(url);
    if (openerStatus >= 0)
        QTRY_VERIFY(QFile::exists(asked)); // the system was asked first
    if (expected.isEmpty()) {
        QTest::qWait(200);
        QVERIFY(!shown<HelpWindow>());
        QVERIFY(!shown<AddressWindow>());
    } else if (url.isLocalFile()) {
        QTRY_VERIFY(shown<HelpWindow>());
        HelpWindow *help = shown<HelpWindow>();
        QVERIFY(help->browser()->toPlainText().contains(expected));
        QCOMPARE(help->windowTitle(), QStringLiteral("Splitwick - How to Play"));
    } else {
        QTRY_VERIFY(shown<AddressWindow>());
        AddressWindow *box = shown<AddressWindow>();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        auto *address = box->findChild<QLineEdit *>(QStringLiteral("Address"));
        QCOMPARE(address->text(), expected);
        QCOMPARE(address->selectedText(), expected);
        QTest::mouseClick(box->findChild<QPushButton *>(QStringLiteral("Copy")), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), expected);
    }
}

QTEST_MAIN(SystemDesktopTest)
#include "system_desktop_test.moc"
