// SPDX-License-Identifier: GPL-3.0-or-later
// A player who cannot see the screen hears each result a sighted player sees:
// the news reaches the screen reader as the name of the focused board.
#include "support/game_fixture.h"

#include "ui/accessibility/announcer.h"
#include "ui/board/keyboard_moves.h"
#include "ui/board/keyboard_play.h"

#include <QAccessible>
#include <QLabel>
#include <QRegularExpression>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace {
const QString Format = QStringLiteral("5 letters: 2-1-2");

// What a screen reader speaks, as far as names go: the name of the object
// that takes its focus, and a new name of the object that holds it.
struct Listener
{
    static inline QAccessible::Id locus = 0;
    static inline QStringList spoken;
    static inline QHash<QString, int> nameChanges; // by object name
    static void hear(QAccessibleEvent *event)
    {
        // Tiles are objects of the board's own: known by their interface alone.
        QAccessibleInterface *iface = event->accessibleInterface();
        if (!iface)
            return;
        const QAccessible::Id id = QAccessible::uniqueId(iface);
        if (event->type() == QAccessible::NameChanged)
            ++nameChanges[iface->object() ? iface->object()->objectName() : QString()];
        if (event->type() == QAccessible::Focus) {
            locus = id;
            spoken << iface->text(QAccessible::Name);
        } else if (event->type() == QAccessible::NameChanged && id == locus) {
            spoken << iface->text(QAccessible::Name);
        }
    }
    static void reset()
    {
        locus = 0;
        spoken.clear();
        nameChanges.clear();
    }
};

enum class Step { PickUp, PutBack, Refused, KeyDrop, WrongDrop, MouseDrop, WordDone, Won, Lost, LostByMouse,
                  LostByRightDrop, LostWithoutDrop, Solved, Clue, NewRound, Definition, NoDefinition, ReadRow };

// The movable tile the round's first right move takes, and where it goes.
QPair<int, int> pickable(GameFixture &game)
{
    return game.rightMove();
}

void press(GameFixture &game, int slot, Qt::Key key = Qt::Key_Space)
{
    game.main().keyboardPlay()->focusTile(slot);
    QTest::keyClick(game.main().board(), key);
}

// Both moves by keys: pick up at source, drop at target.
void keyMove(GameFixture &game, int source, int target)
{
    press(game, source);
    press(game, target);
}

// Right moves until the round is won; false when none is left first.
bool playToWin(GameFixture &game)
{
    for (int guard = 0; guard < 40 && game.engine().inPlay(); ++guard) {
        const auto [source, target] = game.rightMove();
        if (!source)
            return false;
        keyMove(game, source, target);
    }
    return !game.engine().inPlay();
}
} // namespace

class AnnounceTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QAccessible::installUpdateHandler(&Listener::hear);
        QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        if (!platform)
            QSKIP("this platform has no accessibility");
        platform->setActive(true);
    }
    void announcements_data();
    void announcements();
    void quietBeforeTheFirstRound();
};

// The banner creeps through the status line ten times a second: a reader
// hears none of it. The rating has its name before its first change.
void AnnounceTest::quietBeforeTheFirstRound()
{
    GameFixture game;
    game.writeQuietSettings();
    game.start();
    Listener::reset();
    QTest::qWait(1500);
    QVERIFY(!game.main().findChild<QLabel *>("LB")->text().trimmed().isEmpty()); // the banner runs
    QCOMPARE(Listener::nameChanges.value(QStringLiteral("LB")), 0);
    QAccessibleInterface *rating = QAccessible::queryAccessibleInterface(game.main().findChild<QLabel *>("Counter"));
    QCOMPARE(rating->text(QAccessible::Name), QStringLiteral("Rating 0"));
}

void AnnounceTest::announcements_data()
{
    QTest::addColumn<Step>("step");
    QTest::addColumn<QString>("heard"); // what the last spoken words match
    const QString rating = QStringLiteral("Rating \\d+\\.");
    QTest::newRow("pick up") << Step::PickUp << "^Picked up [A-Z]+\\.$";
    QTest::newRow("put back") << Step::PutBack << "^Put back [A-Z]+\\.$";
    QTest::newRow("refused") << Step::Refused << "^[A-Z]+ cannot go there; still holding it\\.$";
    // A drop by keys is told with its result, in one name.
    const QString dropping = QStringLiteral("^Dropping [A-Z]+ on [A-Z]+\\. ");
    const QString right = QStringLiteral("(Correct|2 cells correct)\\. ");
    QTest::newRow("right drop by keys") << Step::KeyDrop << dropping + right + rating + "$";
    QTest::newRow("wrong drop") << Step::WrongDrop << dropping + "Wrong place\\. " + rating + "$";
    QTest::newRow("right drop by mouse") << Step::MouseDrop << "^" + right + rating + "$";
    QTest::newRow("word complete") << Step::WordDone << dropping + right + "Word complete: [A-Z]{5}\\. " + rating + "$";
    QTest::newRow("won") << Step::Won << "Word complete: [A-Z]{5}\\. " + rating + " (Success|Complete|Done|Finished) !$";
    // A drop that loses tells its own result before the round's end; the clock's loss tells none.
    const QString lost = QStringLiteral("Rating 0\\. Sorry, please try again\\. Every word is shown\\.$");
    QTest::newRow("lost by a wrong drop") << Step::Lost << dropping + "Wrong place\\. " + lost;
    QTest::newRow("lost by a wrong mouse drop") << Step::LostByMouse << "^Wrong place\\. " + lost;
    QTest::newRow("lost by a right drop") << Step::LostByRightDrop << dropping + right + lost;
    QTest::newRow("lost without a drop") << Step::LostWithoutDrop << "^" + lost;
    QTest::newRow("solved") << Step::Solved << "^Try again\\. Every word is shown\\.";
    QTest::newRow("clue") << Step::Clue << "^Clue used\\. (Correct\\. )?.*" + rating + "$";
    QTest::newRow("new round") << Step::NewRound << "^4 words to find, level: \\d+, dictionary: beta, round: [0-9A-Z]{4}-[0-9A-Z]{4}-[0-9A-Z]{5}\\. " + rating + "$";
    QTest::newRow("definition") << Step::Definition << "^Definition: definition of [A-Z]{5}$";
    QTest::newRow("no definition") << Step::NoDefinition << "^No definition shown for [A-Z]+\\.$";
    QTest::newRow("whole row") << Step::ReadRow << "^Row \\d: [A-Z]+ placed, [A-Z]+ (movable|placed), [A-Z]+ (movable|placed)$";
}

void AnnounceTest::announcements()
{
    QFETCH(Step, step);
    QFETCH(QString, heard);
    GameFixture game;
    game.writeQuietSettings();
    // Levels where a right cell costs more than the whole rating.
    for (int level = 0; level <= 9 && step == Step::LostByRightDrop; ++level)
        game.ini().writeInteger(QStringLiteral("Levels"), QStringLiteral("GOOD%1").arg(level), -1000);
    game.start();
    game.options().setShowDefinitions(step == Step::Definition);
    game.deal(Format, 4, FixedCell::First);
    QVERIFY(game.engine().inPlay());
    QVERIFY(game.main().board()->hasFocus());
    QTRY_VERIFY(game.main().keyboardPlay()->announcer().lastNews().contains(QStringLiteral("words to find")));
    Listener::reset();

    const auto [source, target] = pickable(game);
    QVERIFY(source && target);
    switch (step) {
    case Step::PickUp: press(game, source); break;
    case Step::PutBack: press(game, source); QTest::keyClick(game.main().board(), Qt::Key_Escape); break;
    case Step::Refused: press(game, source); press(game, 1); break; // tile 1 is its row's fixed cell
    case Step::KeyDrop: keyMove(game, source, target); break;
    case Step::WrongDrop: {
        const auto [a, b] = game.wrongMove();
        keyMove(game, a, b);
        break;
    }
    case Step::MouseDrop:
        game.drag(source, target);
        break;
    case Step::WordDone: {
        // The row of the first move, finished by its second move.
        const int row = game.slot(target).RowIndex;
        keyMove(game, source, target);
        for (int t = 1; t <= game.engine().board().TileCount(); ++t)
            if (game.slot(t).RowIndex == row && game.movable(t))
                keyMove(game, game.sourceFor(t), t);
        break;
    }
    case Step::Won: QVERIFY(playToWin(game)); break;
    case Step::Lost:
    case Step::LostByMouse: {
        game.engine().ChangeRating(1 - game.engine().rating());
        const auto [a, b] = game.wrongMove();
        if (step == Step::Lost)
            keyMove(game, a, b);
        else
            game.drag(a, b);
        break;
    }
    case Step::LostByRightDrop: keyMove(game, source, target); break;
    case Step::LostWithoutDrop: game.engine().ChangeRating(-game.engine().rating()); break;
    case Step::Solved: QTest::keyClick(&game.main(), Qt::Key_F12); break;
    case Step::Clue:
        game.engine().ChangeRating(50);
        QTest::keyClick(&game.main(), Qt::Key_F12, Qt::ShiftModifier);
        break;
    case Step::NewRound: QTest::keyClick(&game.main(), Qt::Key_F2); break;
    case Step::Definition:
    case Step::NoDefinition: press(game, source, Qt::Key_D); break;
    case Step::ReadRow: press(game, 1, Qt::Key_R); break;
    }
    // The news follows the step once the engine is done with it.
    const QRegularExpression expected(heard);
    const auto lastSpoken = [] { return Listener::spoken.isEmpty() ? QString() : Listener::spoken.constLast(); };
    QTRY_VERIFY2_WITH_TIMEOUT(expected.match(lastSpoken()).hasMatch(),
                              qPrintable(Listener::spoken.join(QLatin1String(" | "))), 2000);
    const QString last = lastSpoken();
    // Said by the board, which holds the keys.
    QCOMPARE(Listener::locus, QAccessible::uniqueId(QAccessible::queryAccessibleInterface(game.main().board())));
    QCOMPARE(game.main().keyboardPlay()->announcer().lastNews(), last);
}

QTEST_MAIN(AnnounceTest)
#include "announce_test.moc"
