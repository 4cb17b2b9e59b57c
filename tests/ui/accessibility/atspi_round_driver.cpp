// SPDX-License-Identifier: GPL-3.0-or-later
// Plays for the accessibility bus test: a wrong drop and a round to its win,
// then a round to its loss, by keys, pausing after each step so that a
// listener on the bus can ask for the names it hears.
#include "support/game_fixture.h"

#include "ui/board/keyboard_play.h"

#include <QtTest>

namespace {
const QString Format = QStringLiteral("5 letters: 2-1-2");

void settle()
{
    QTest::qWait(400);
}

void keyMove(GameFixture &game, int source, int target)
{
    KeyboardPlay &play = *game.main().keyboardPlay();
    play.focusTile(source);
    QTest::keyClick(game.main().board(), Qt::Key_Space);
    play.focusTile(target);
    QTest::keyClick(game.main().board(), Qt::Key_Space);
    settle();
}
} // namespace

class AtspiRoundDriver : public QObject
{
    Q_OBJECT
private slots:
    void winAndLoss()
    {
        GameFixture game;
        game.writeQuietSettings();
        game.start();
        game.deal(Format, 4, FixedCell::First);
        settle();
        const auto [a, b] = game.wrongMove();
        QVERIFY(a && b);
        keyMove(game, a, b);
        for (int guard = 0; guard < 40 && game.engine().inPlay(); ++guard) {
            const auto [source, target] = game.rightMove();
            QVERIFY(source);
            keyMove(game, source, target);
        }
        QVERIFY(!game.engine().inPlay());
        QVERIFY(game.engine().rating() > 0);

        game.deal(Format, 4, FixedCell::First);
        settle();
        game.engine().ChangeRating(1 - game.engine().rating());
        const auto [c, d] = game.wrongMove();
        keyMove(game, c, d);
        QVERIFY(!game.engine().inPlay());
        settle();
    }
};

QTEST_MAIN(AtspiRoundDriver)
#include "atspi_round_driver.moc"
