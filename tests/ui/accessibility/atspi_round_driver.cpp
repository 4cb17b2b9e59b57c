// SPDX-License-Identifier: GPL-3.0-or-later
// Plays for the accessibility bus tests: a definition asked for by key, a
// wrong drop and a round to its win,
// then a round to its loss, by keys to the focus widget, pausing after each
// drop so that a listener on the bus can ask for the names it hears. A screen
// reader needs a player's pace: SPLITWICK_KEY_PAUSE_MS after each key and
// SPLITWICK_DROP_PAUSE_MS after each drop (default 400).
#include "support/game_fixture.h"

#include "ui/board/keyboard_play.h"
#include "ui/board/keyboard_player.h"

#include <QtTest>

namespace {
const QString Format = QStringLiteral("5 letters: 2-1-2");

void pause(const char *variable, int otherwise)
{
    const int ms = qEnvironmentVariableIntValue(variable);
    KeyboardPlayer::runUntil([] { return false; }, ms > 0 ? ms : otherwise);
}

void settle()
{
    pause("SPLITWICK_DROP_PAUSE_MS", 400);
}

bool press(int key)
{
    const bool arrived = KeyboardPlayer::press(key);
    pause("SPLITWICK_KEY_PAUSE_MS", 0);
    return arrived;
}

// Arrow keys from the frame's tile to slot.
bool walkTo(GameFixture &game, int slot)
{
    const KeyboardPlay &play = *game.main().keyboardPlay();
    for (int key : KeyboardPlayer::keysBetween(game.engine().board(), play.focusSlot(), slot))
        if (key < 0 || !press(key))
            return false;
    return play.focusSlot() == slot;
}

// The options of a small round, then F2 as the player deals it.
bool deal(GameFixture &game)
{
    game.options().setDictionaryIndex(int(game.options().dictionaryNames().indexOf(QStringLiteral("beta"))));
    game.options().setPresetsIndex(int(splitFormats().indexOf(Format)));
    game.options().setWordCount(4);
    game.options().setFixedCell(FixedCell::First, true);
    game.options().setShowDefinitions(true);
    if (!press(Qt::Key_F2) || !game.engine().inPlay())
        return false;
    settle();
    return true;
}

// The frame walked to source, Space, to target, Space: the drop is made.
bool keyMove(GameFixture &game, int source, int target)
{
    const KeyboardPlay &play = *game.main().keyboardPlay();
    if (!walkTo(game, source) || !press(Qt::Key_Space) || play.carriedSlot() != source)
        return false;
    const int moves = game.engine().round().Moves;
    if (!walkTo(game, target) || !press(Qt::Key_Space))
        return false;
    settle();
    return game.engine().round().Moves > moves || !game.engine().inPlay();
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
        QVERIFY(deal(game));
        const auto [a, b] = game.wrongMove();
        QVERIFY(a && b);
        QVERIFY(walkTo(game, a) && press(Qt::Key_D));
        settle();
        QVERIFY(keyMove(game, a, b));
        for (int guard = 0; guard < 40 && game.engine().inPlay(); ++guard) {
            const auto [source, target] = game.rightMove();
            QVERIFY(source);
            QVERIFY(keyMove(game, source, target));
        }
        QVERIFY(!game.engine().inPlay());
        QVERIFY(game.engine().rating() > 0);

        QVERIFY(deal(game));
        game.engine().ChangeRating(1 - game.engine().rating());
        const auto [c, d] = game.wrongMove();
        QVERIFY(keyMove(game, c, d));
        QVERIFY(!game.engine().inPlay());
    }
};

QTEST_MAIN(AtspiRoundDriver)
#include "atspi_round_driver.moc"
