// SPDX-License-Identifier: GPL-3.0-or-later
// What the real desktop shows when the system has no program for a help page,
// an e-mail or a web address: the game's own help window, or a box from which
// the address can be copied; nothing of its own when the system opened it.
// Text from files, settings, dictionaries and codes is shown as it is, never
// read as markup.
#include "support/fifo_watch.h"
#include "ui/desktop/system_desktop.h"
#include "ui/main_window/round_number_dialog.h"
#include "ui/windows/address_window.h"
#include "ui/windows/help_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

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
    void untrustedTextShownAsItIs_data();
    void untrustedTextShownAsItIs();

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

void SystemDesktopTest::untrustedTextShownAsItIs_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("a settings value in a message box") << "box";
    QTest::newRow("a typed code's dictionary name in Round Number") << "dialog";
}

void SystemDesktopTest::untrustedTextShownAsItIs()
{
    QFETCH(QString, where);
    // Taken for markup, the picture it names is read: a FIFO blocks the window for good.
    QTemporaryDir dir;
    FifoWatch fifo(dir.filePath(QStringLiteral("fifo")));
    const QString picture = QStringLiteral("<img src=%1>").arg(dir.filePath(QStringLiteral("fifo")));
    QString shown;
    if (where == "box") {
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            QVERIFY(box);
            box->grab();
            shown = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->text();
            box->close();
        });
        SystemDesktop().showMessage(nullptr, Desktop::BoxKind::Error, QStringLiteral("Splitwick"),
                                    QStringLiteral("Cannot open file ") + picture);
    } else {
        RoundNumberDialog dialog(7);
        dialog.setRound(QString(), RoundOptions{});
        dialog.edit()->setText(QStringLiteral("02J8-GW00-0C1SV (%1)").arg(picture));
        dialog.show();
        dialog.grab();
        shown = dialog.findChild<QLabel *>(QStringLiteral("lProblem"))->text();
    }
    QVERIFY2(shown.contains(picture), qPrintable(shown));
    fifo.stop();
    QCOMPARE(fifo.readers(), 0);
}

QTEST_MAIN(SystemDesktopTest)
#include "system_desktop_test.moc"
