// SPDX-License-Identifier: GPL-3.0-or-later
// When the main window's activation steps run: at start-up and when the focus
// comes back from a modeless window of the program, never when a modal
// dialog or a message box hands it back.
#include "support/game_fixture.h"

#include "ui/main_window/activation_tracker.h"
#include "ui/main_window/banner.h"
#include "ui/windows/debug_window.h"
#include "ui/desktop/system_desktop.h"

#include <QAction>
#include <QLabel>
#include <QTimer>

namespace {
// Closes the modal window that the next event loop shows, once it holds the focus.
void closeModalSoon(int *shown, bool *hadFocus)
{
    QTimer::singleShot(0, [shown, hadFocus] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            ++*shown;
            *hadFocus = QTest::qWaitForWindowActive(modal);
            modal->close();
        }
    });
}

bool activate(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}
} // namespace

class ActivationTest : public QObject
{
    Q_OBJECT

private slots:
    void modalWindowsDoNotActivate_data();
    void modalWindowsDoNotActivate();
    void debugWindowFocusReturnActivates();
    void traceShowsTheDebugWindow();
    void lookIsReadAgainAtActivation();
    void trackerRules();
    void unwritableSettingsAtActivation();
};

void ActivationTest::modalWindowsDoNotActivate_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("message box") << "box";
    QTest::newRow("About box") << "About3";
    QTest::newRow("Options dialog") << "mSettings";
}

void ActivationTest::modalWindowsDoNotActivate()
{
    QFETCH(QString, how);
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    QCOMPARE(window.activationCount(), 1);
    window.banner().stopTimer(); // keep the line where it is
    const QString line = window.findChild<QLabel *>("LB")->text();

    int shown = 0;
    bool hadFocus = false;
    closeModalSoon(&shown, &hadFocus);
    if (how == QLatin1String("box")) {
        // A real message box this time.
        SystemDesktop().showMessage(&window, Desktop::BoxKind::Information, QStringLiteral("Splitwick"),
                                    QStringLiteral("Hello"));
    } else {
        window.findChild<QAction *>(how)->trigger();
    }
    QCOMPARE(shown, 1);
    QVERIFY(hadFocus); // the focus really went to the modal window and comes back
    QVERIFY(activate(&window));
    QTest::qWait(20);
    QCOMPARE(window.activationCount(), 1);
    QCOMPARE(window.banner().lineCounter(), quint16(1));
    QCOMPARE(window.findChild<QLabel *>("LB")->text(), line);
}

void ActivationTest::debugWindowFocusReturnActivates()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    TfrmDebug &debug = game.program->debugWindow();
    debug.show();
    QVERIFY(activate(&debug));
    QCOMPARE(window.activationCount(), 1);
    QVERIFY(activate(&window));
    QCOMPARE(window.activationCount(), 2);
    QCOMPARE(window.banner().lineCounter(), quint16(2));
    const QString lb = window.findChild<QLabel *>("LB")->text();
    QVERIFY2(lb.endsWith(Banner::helpLine(2) + QString(25, ' ')), qPrintable(lb));

    // Once more, and the banner moves on again.
    QVERIFY(activate(&debug));
    QVERIFY(activate(&window));
    QCOMPARE(window.activationCount(), 3);
    QCOMPARE(window.banner().lineCounter(), quint16(3));
}

void ActivationTest::traceShowsTheDebugWindow()
{
    GameFixture game;
    game.writeQuietSettings();
    game.ini().writeBool(QStringLiteral("Options"), QStringLiteral("trace"), true);
    TfrmMain &window = game.start();
    TfrmDebug &debug = game.program->debugWindow();
    QVERIFY(!debug.isVisible());
    game.deal(QStringLiteral("5 letters: 2-1-2"), 10, FixedCell::First);
    QVERIFY(debug.isVisible());
    // Six lines of captions in their places, then the timer line.
    QCOMPARE(debug.lines().size(), 7);
    QVERIFY(debug.lines().first().contains(':'));
    // The debug window took the focus; coming back to the board is an activation.
    const int before = window.activationCount();
    QVERIFY(activate(&debug));
    QVERIFY(activate(&window));
    QCOMPARE(window.activationCount(), before + 1);
}

void ActivationTest::lookIsReadAgainAtActivation()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    QCOMPARE(window.templateTile()->border(), defaultTileBorder());
    SettingsFile ini = game.ini();
    ini.writeString(QStringLiteral("Options"), QStringLiteral("Style"), QStringLiteral("Panel12"));
    ini.writeInteger(QStringLiteral("Options"), QStringLiteral("Color"), 0x00FF00);
    // Nothing re-reads the file while the main window keeps the focus ...
    QTest::qWait(20);
    QCOMPARE(window.templateTile()->border(), defaultTileBorder());
    // ... until it comes back from the debug window.
    game.program->debugWindow().show();
    QVERIFY(activate(&game.program->debugWindow()));
    QVERIFY(activate(&window));
    QCOMPARE(window.templateTile()->border(), findStyleSample(QStringLiteral("Panel12"))->border);
    QCOMPARE(window.templateTile()->tileColour().colour(), QColor(0, 255, 0));
}

void ActivationTest::trackerRules()
{
    // The tracker alone, fed focus changes by hand.
    QWidget main;
    main.winId();
    QWidget modeless;
    modeless.winId();
    QWidget modal;
    modal.setWindowModality(Qt::ApplicationModal);
    modal.winId();
    QWidget popup(nullptr, Qt::Popup);
    popup.winId();
    int runs = 0;
    ActivationTracker tracker(&main, [&runs] { ++runs; });
    QWindow *m = main.windowHandle();

    tracker.focusWindowChanged(m); // first activation
    QCOMPARE(runs, 1);
    tracker.focusWindowChanged(m); // no change of window
    QCOMPARE(runs, 1);
    tracker.focusWindowChanged(modal.windowHandle());
    tracker.focusWindowChanged(m);
    QCOMPARE(runs, 1);
    tracker.focusWindowChanged(modeless.windowHandle());
    tracker.focusWindowChanged(nullptr); // the focus left the program meanwhile
    tracker.focusWindowChanged(m);
    QCOMPARE(runs, 2);
    tracker.focusWindowChanged(nullptr); // another program, then back: no window of ours between
    tracker.focusWindowChanged(m);
    QCOMPARE(runs, 2);
    tracker.focusWindowChanged(modeless.windowHandle());
    tracker.focusWindowChanged(popup.windowHandle()); // a menu does not count
    tracker.focusWindowChanged(m);
    QCOMPARE(runs, 3);
    tracker.focusWindowChanged(modeless.windowHandle());
    tracker.focusWindowChanged(modal.windowHandle()); // the modal one had the focus last
    tracker.focusWindowChanged(m);
    QCOMPARE(runs, 3);
}

void ActivationTest::unwritableSettingsAtActivation()
{
    // No "lnd" yet, and a folder where the settings file should be: the news
    // date cannot be written. The activation runs from the focus signal,
    // outside notify(), and must still show the error instead of ending the program.
    GameFixture game;
    QVERIFY(QDir().mkdir(game.iniPath()));
    TfrmMain &window = game.start();
    QCOMPARE(window.activationCount(), 1);
    QCOMPARE(game.countBoxes(Desktop::BoxKind::Error), 1);
    QVERIFY2(game.boxes.last().text.startsWith(QStringLiteral("Unable to write to")),
             qPrintable(game.boxes.last().text));
    QVERIFY(window.isVisible());
    // The steps after the news check still ran.
    QCOMPARE(game.options().dictionaryIndex(), 1);
    QCOMPARE(window.banner().lineCounter(), quint16(1));
}

int main(int argc, char *argv[])
{
    GameApplication app(argc, argv);
    initialiseProgram();
    ActivationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "activation_test.moc"
