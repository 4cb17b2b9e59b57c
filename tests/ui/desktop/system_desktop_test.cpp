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

#include <QRegularExpression>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

// The WCAG contrast ratio of two colours, 1 to 21.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// Where the browser shows a text, in its viewport's coordinates.
QRect shownRect(QTextBrowser *browser, const QString &text)
{
    const QTextCursor found =
        browser->document()->find(text, 0, QTextDocument::FindCaseSensitively | QTextDocument::FindWholeWords);
    if (found.isNull())
        return {};
    QTextCursor start = found;
    start.setPosition(found.selectionStart());
    return browser->cursorRect(start).united(browser->cursorRect(found));
}

// A fake xdg-mime naming handler.desktop for text/html, whose entry holds categories; none without categories.
void fakeHtmlDefault(const QTemporaryDir &bin, const QString &categories)
{
    QFile query(bin.filePath(QStringLiteral("xdg-mime")));
    QVERIFY(query.open(QIODevice::WriteOnly));
    query.write(categories == QLatin1String("none") ? "#!/bin/sh\nexit 0\n" : "#!/bin/sh\necho handler.desktop\n");
    query.close();
    query.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir(bin.path()).mkpath(QStringLiteral("share/applications"));
    QFile entry(bin.filePath(QStringLiteral("share/applications/handler.desktop")));
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Handler\nExec=handler %U\nCategories=%1\n")
                    .arg(categories)
                    .toUtf8());
    qputenv("XDG_DATA_HOME", QFile::encodeName(bin.filePath(QStringLiteral("share"))));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(bin.filePath(QStringLiteral("share"))));
}

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
    void viewerShowsThePageAsABrowserWould_data();
    void viewerShowsThePageAsABrowserWould();
    void untrustedTextShownAsItIs_data();
    void untrustedTextShownAsItIs();

private:
    QByteArray m_path = qgetenv("PATH");
    QByteArray m_dataHome = qgetenv("XDG_DATA_HOME");
    QByteArray m_dataDirs = qgetenv("XDG_DATA_DIRS");
};

void SystemDesktopTest::cleanup()
{
    qputenv("PATH", m_path);
    qputenv("XDG_DATA_HOME", m_dataHome);
    qputenv("XDG_DATA_DIRS", m_dataDirs);
    for (QWidget *widget : QApplication::topLevelWidgets())
        widget->close();
}

void SystemDesktopTest::ownViewerWhenTheSystemHasNone_data()
{
    QTest::addColumn<int>("openerStatus"); // -1: no opener at all
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<QString>("expected"); // text shown by the game, empty: nothing
    QTest::addColumn<QString>("htmlDefault"); // the desktop entry's categories for text/html; "none"; empty: no xdg-mime
    const QUrl page = QUrl::fromLocalFile(QStringLiteral(SPLITWICK_SOURCE_DIR "/data/xq/xq.htm"));
    const QUrl mail(QStringLiteral("mailto:help@splitwick.test?subject=Splitwick support, feedback, etc."),
                    QUrl::TolerantMode);
    const QUrl web(QStringLiteral("https://splitwick.test/news/"));
    const QString browser = QStringLiteral("Network;WebBrowser;");
    QTest::newRow("page, no opener") << -1 << page << "Moving cells" << "";
    QTest::newRow("page, no browser") << 3 << page << "Moving cells" << browser;
    QTest::newRow("page opened") << 0 << page << "" << browser;
    QTest::newRow("page, html in an editor") << 0 << page << "Moving cells" << "Utility;TextEditor;";
    QTest::newRow("page, no default for html") << 0 << page << "Moving cells" << "none";
    QTest::newRow("mail, no opener") << -1 << mail << "help@splitwick.test" << "";
    QTest::newRow("mail, no mail program") << 4 << mail << "help@splitwick.test" << "";
    QTest::newRow("web, no browser") << 3 << web << "https://splitwick.test/news/" << "";
    QTest::newRow("web opened") << 0 << web << "" << "";
}

void SystemDesktopTest::ownViewerWhenTheSystemHasNone()
{
    QFETCH(int, openerStatus);
    QFETCH(QUrl, url);
    QFETCH(QString, expected);
    QFETCH(QString, htmlDefault);
    QTemporaryDir bin;
    const QString asked = bin.filePath(QStringLiteral("asked"));
    if (openerStatus >= 0) {
        QFile opener(bin.filePath(QStringLiteral("xdg-open")));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write(QStringLiteral("#!/bin/sh\necho \"$1\" > '%1'\nexit %2\n").arg(asked).arg(openerStatus).toUtf8());
        opener.close();
        opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (!htmlDefault.isEmpty())
        fakeHtmlDefault(bin, htmlDefault);
    qputenv("PATH", QFile::encodeName(bin.path()));

    SystemDesktop desktop;
    desktop.openUrl(url);
    // A page goes to the system only when it has a browser for it.
    const bool noBrowser = url.isLocalFile() && !htmlDefault.isEmpty() && !htmlDefault.contains(QLatin1String("WebBrowser"));
    if (openerStatus >= 0 && !noBrowser)
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
        QCOMPARE(QFile::exists(asked), openerStatus >= 0 && !noBrowser);
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

void SystemDesktopTest::viewerShowsThePageAsABrowserWould_data()
{
    QTest::addColumn<QString>("page");
    for (const char *page : {"xq.htm", "xq_de.htm", "xq_es.htm", "xq_fr.htm"})
        QTest::newRow(page) << QStringLiteral(SPLITWICK_SOURCE_DIR "/data/xq/") + QLatin1String(page);
}

void SystemDesktopTest::viewerShowsThePageAsABrowserWould()
{
    QFETCH(QString, page);
    QTemporaryDir bin;
    fakeHtmlDefault(bin, QStringLiteral("Utility;TextEditor;"));
    qputenv("PATH", QFile::encodeName(bin.path()));
    SystemDesktop desktop;
    desktop.openUrl(QUrl::fromLocalFile(page));
    QTRY_VERIFY(shown<HelpWindow>());
    HelpWindow *help = shown<HelpWindow>();
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QTextBrowser *browser = help->browser();
    const QImage shot = browser->viewport()->grab().toImage();
    if (qEnvironmentVariableIsSet("SPLITWICK_SHOTS"))
        shot.save(qEnvironmentVariable("SPLITWICK_SHOTS") + QStringLiteral("/help-") + QFileInfo(page).baseName() + QStringLiteral(".png"));

    // The title stands out from what is behind it.
    const QRect title = shownRect(browser, QStringLiteral("Splitwick")).intersected(shot.rect());
    QVERIFY(!title.isEmpty());
    QHash<QRgb, int> counts;
    for (int y = title.top(); y <= title.bottom(); ++y)
        for (int x = title.left(); x <= title.right(); ++x)
            ++counts[shot.pixel(x, y)];
    const QRgb behind = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(),
                                         [](auto a, auto b) { return a.second < b.second; })->first;
    double best = 1;
    for (auto it = counts.keyBegin(); it != counts.keyEnd(); ++it)
        best = qMax(best, contrast(QColor(behind), QColor(*it)));
    QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("title contrast %1 on %2").arg(best).arg(QColor(behind).name())));

    // The first example row: cells of their own, the letters red and green, and no bar beyond its last cell.
    // Its last cell, as the page writes it (each language has words of its own).
    QFile source(page);
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QRegularExpression firstRow(QStringLiteral("<div class=\"row\">(?:<span[^>]*>[^<]*</span>)*<span[^>]*>([^<]*)</span></div>"));
    const QString lastCell = firstRow.match(QString::fromUtf8(source.readAll())).captured(1);
    QVERIFY(!lastCell.isEmpty());
    const QRect last = shownRect(browser, lastCell);
    QVERIFY(!last.isEmpty());
    int red = 0, green = 0, cell = 0;
    for (int y = last.top(); y <= last.bottom(); ++y) {
        for (int x = 0; x <= last.right(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 60 && c.blue() < 60;
            green += c.green() > 130 && c.red() < 60;
            cell += c == QColor(0xf0, 0xee, 0xe6);
        }
    }
    QVERIFY2(red > 0 && green > 0 && cell > 0, qPrintable(QStringLiteral("%1 %2 %3").arg(red).arg(green).arg(cell)));
    const QPoint beyond(last.right() + 80, last.center().y());
    QVERIFY(shot.pixelColor(beyond) != QColor(0xbc, 0x9c, 0xf8));
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
