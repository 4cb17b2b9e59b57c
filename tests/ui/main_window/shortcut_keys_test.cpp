// SPDX-License-Identifier: GPL-3.0-or-later
// The window's own keys act as the round's commands allow: F2, F3, F7, F12 and
// Shift+F12 are taken before the menus, and refused once the round no longer
// offers them.
#include "support/game_fixture.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QtTest>

class ShortcutKeysTest : public QObject
{
    Q_OBJECT
private slots:
    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("ended");
        QTest::addColumn<bool>("handled");
        QTest::addColumn<QString>("effect");
        QTest::newRow("F12 solves") << int(Qt::Key_F12) << 0 << false << true << "solved";
        QTest::newRow("F12 after the end") << int(Qt::Key_F12) << 0 << true << false << "";
        QTest::newRow("Shift+F12 gives a clue") << int(Qt::Key_F12) << int(Qt::ShiftModifier) << false << true << "clue";
        QTest::newRow("Shift+F12 after the end") << int(Qt::Key_F12) << int(Qt::ShiftModifier) << true << false << "";
        QTest::newRow("Ctrl+F12 solves") << int(Qt::Key_F12) << int(Qt::ControlModifier) << false << true << "solved";
        QTest::newRow("F2 new round") << int(Qt::Key_F2) << 0 << true << true << "new";
        QTest::newRow("F3 swallowed") << int(Qt::Key_F3) << 0 << false << true << "";
        QTest::newRow("F7 options") << int(Qt::Key_F7) << 0 << false << true << "options";
        QTest::newRow("F11 to the menus") << int(Qt::Key_F11) << 0 << false << false << "";
        QTest::newRow("F8 to the menus") << int(Qt::Key_F8) << 0 << false << false << "";
    }
    void keys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, ended);
        QFETCH(bool, handled);
        QFETCH(QString, effect);
        GameFixture game;
        game.writeQuietSettings();
        TfrmMain &window = game.start();
        game.deal(QStringLiteral("5 letters: 2-1-2"), 10, FixedCell::First);
        QVERIFY(game.engine().inPlay());
        if (ended)
            game.engine().ChangeRating(-100);
        const int clues = game.engine().round().Parameters.CluesLeft;
        bool optionsShown = false;
        QTimer::singleShot(0, [&optionsShown] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                optionsShown = true;
                dialog->reject();
            }
        });
        QCOMPARE(window.FormShortCut(key, Qt::KeyboardModifiers(modifiers)), handled);
        QTest::qWait(10);
        QCOMPARE(game.engine().modeText() == "Solving", effect == "solved");
        QCOMPARE(game.engine().round().Parameters.CluesLeft == clues - 1, effect == "clue");
        QCOMPARE(ended && game.engine().inPlay(), effect == "new");
        QCOMPARE(optionsShown, effect == "options");
    }
};

QTEST_MAIN(ShortcutKeysTest)
#include "shortcut_keys_test.moc"
