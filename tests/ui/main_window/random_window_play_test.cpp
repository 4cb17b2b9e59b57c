// SPDX-License-Identifier: GPL-3.0-or-later
// The real window played at random under the offscreen platform: seeded drags,
// clicks, double-clicks, keys and menu commands, a New Game arriving in the
// middle of a drop or a reveal, the Options dialog opened and closed
// mid-round, with the board's invariants checked after every step.
// SPLITWICK_RANDOM_ROUNDS sets the number of rounds (500 by default),
// SPLITWICK_RANDOM_SEED another seed.

#include "support/game_fixture.h"
#include "support/board_tiles.h"

#include "ui/windows/debug_window.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>

#include <random>

namespace {

quint64 textHash(const QByteArray &text)
{
    return qHash(text, 0x9e3779b9u) * 0x100000001b3ull + quint64(text.size());
}

// Closes whatever modal window is open when the event loop next runs: the
// Options dialog, the Styles dialog, the About box.
void closeModalSoon()
{
    QTimer::singleShot(0, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
}

} // namespace

class RandomWindowPlayTest : public QObject
{
    Q_OBJECT

    GameFixture *m_game = nullptr;
    std::mt19937 m_dice;
    QString m_step;

    int roll(int n) { return int(m_dice() % quint32(n)); }

    int randomTile()
    {
        const int count = m_game->engine().board().TileCount();
        return count > 0 ? 1 + roll(count) : 1;
    }

    int randomMovable()
    {
        for (int attempt = 0; attempt < 30; ++attempt) {
            const int slot = randomTile();
            if (m_game->movable(slot))
                return slot;
        }
        return randomTile();
    }

    QPoint randomPoint()
    {
        return QPoint(roll(qMax(1, m_game->main().width())), roll(qMax(1, m_game->main().height())));
    }

    void trigger(const char *action)
    {
        if (QAction *a = m_game->main().findChild<QAction *>(QLatin1String(action)))
            a->trigger();
    }

    void newGameSoon()
    {
        QTimer::singleShot(0, &m_game->main(), [this] {
            if (roll(2) == 0)
                QTest::keyClick(&m_game->main(), Qt::Key_F2);
            else
                trigger("New1");
        });
    }

    void dealRandomRound()
    {
        GameFixture &game = *m_game;
        OptionsModel &options = game.options();
        options.setDictionaryIndex(int(options.dictionaryNames().indexOf(QStringLiteral("beta"))));
        options.setPresetsIndex(int(splitFormats().indexOf(roll(2) ? QStringLiteral("5 letters: 2-1-2")
                                                                  : QStringLiteral("4 letters: 1-2-1"))));
        options.setWordCount(4 + roll(9));
        options.setHandicap(roll(7) - 3);
        options.setShowDefinitions(roll(2) == 0);
        for (int i = 0; i < FixedCellCount; ++i)
            options.setFixedCell(FixedCell(i), false);
        options.setFixedCell(FixedCell(roll(FixedCellCount)), true);
        if (roll(3) == 0)
            QTest::mouseDClick(game.main().board(), Qt::LeftButton, {}, QPoint(2, 2));
        else
            QTest::keyClick(&game.main(), Qt::Key_F2);
    }

    void oneStep()
    {
        GameFixture &game = *m_game;
        QWindow *window = game.main().windowHandle();
        const int dice = roll(1000);
        if (dice < 600) {
            m_step = "drag";
            int source = randomMovable();
            const int target = randomMovable();
            if (roll(2) == 0)
                if (const int wanted = game.sourceFor(target))
                    source = wanted;
            game.drag(source, target);
        } else if (dice < 640) {
            m_step = "drag with a New Game inside the drop";
            newGameSoon();
            game.drag(randomMovable(), randomMovable());
        } else if (dice < 680) {
            m_step = "drag to anywhere";
            game.dragTo(randomMovable(), randomPoint());
        } else if (dice < 740) {
            m_step = "click";
            const QPoint at = randomPoint();
            QTest::mousePress(window, Qt::LeftButton, {}, at);
            QTest::mouseRelease(window, Qt::LeftButton, {}, at);
        } else if (dice < 760) {
            m_step = "double-click";
            QTest::mouseDClick(window, Qt::LeftButton, {}, randomPoint());
        } else if (dice < 840) {
            m_step = "key";
            static const Qt::Key keys[] = {Qt::Key_F11, Qt::Key_F12, Qt::Key_F2, Qt::Key_A, Qt::Key_Escape,
                                           Qt::Key_Space, Qt::Key_Return};
            const Qt::Key key = keys[roll(int(std::size(keys)))];
            const bool shift = roll(4) == 0;
            m_step = QStringLiteral("key %1%2").arg(shift ? "shift+" : "").arg(QKeySequence(key).toString());
            if (key == Qt::Key_F12 && !shift && roll(2) == 0) {
                newGameSoon(); // a New Game in the middle of the reveal
                m_step += " with a New Game inside";
            }
            QTest::keyClick(&game.main(), key, shift ? Qt::ShiftModifier : Qt::NoModifier);
        } else if (dice < 870) {
            m_step = "Options dialog";
            closeModalSoon();
            trigger(roll(2) ? "mSettings" : "Settings1");
        } else if (dice < 960) {
            static const char *const actions[] = {"Game1", "mReveal", "mSolve", "Clue1", "Solve1", "Banner",
                                                  "mHints", "WordGame1", "PhraseGame1", "Styles1", "About3",
                                                  "HonorRoll2", "Contents1", "mSOund"};
            const char *action = actions[roll(int(std::size(actions)))];
            m_step = QStringLiteral("menu %1").arg(QLatin1String(action));
            closeModalSoon();
            trigger(action);
        } else {
            m_step = "wait";
            QTest::qWait(roll(30));
        }
    }

    void checkInvariants()
    {
        GameFixture &game = *m_game;
        const Board &b = game.engine().board();
        QVERIFY2(game.engine().rating() <= 100, qPrintable(m_step));
        QVERIFY2(!game.engine().round().Busy, qPrintable(m_step)); // every handler has finished
        if (!game.engine().inPlay())
            return;
        quint64 shown = 0, correct = 0;
        int incomplete = 0;
        for (int slot = 1; slot <= b.TileCount(); ++slot) {
            const tTile &t = b.Tiles(slot);
            if (t.RowIndex == RetiredRow) {
                QVERIFY2(!t.Panel.visible, qPrintable(m_step));
                continue;
            }
            shown += textHash(t.Panel.caption);
            correct += textHash(t.CorrectText);
            QVERIFY2(t.Panel.visible, qPrintable(m_step));
            if (t.Panel.state != TileState::Movable)
                QVERIFY2(t.Panel.caption == t.CorrectText, qPrintable("a placed tile shows a wrong text after " + m_step));
            // The widget shows what the board holds.
            QCOMPARE(boardTile(game.main(), slot)->isVisible(), true);
            if (t.FirstInRow)
                incomplete += !(t.Panel.state == TileState::Solved && t.Panel.caption == t.RowWord);
        }
        QVERIFY2(shown == correct, qPrintable("texts lost or made up after " + m_step));
        QVERIFY2(game.engine().round().Parameters.WordsLeft == incomplete,
                 qPrintable(QStringLiteral("%1 words left, %2 rows incomplete after %3").arg(game.engine().round().Parameters.WordsLeft).arg(incomplete).arg(m_step)));
        QVERIFY2(game.main().isVisible(), qPrintable(m_step));
    }

private slots:
    void randomRounds()
    {
        const int wanted = qEnvironmentVariableIntValue("SPLITWICK_RANDOM_ROUNDS") > 0
                               ? qEnvironmentVariableIntValue("SPLITWICK_RANDOM_ROUNDS")
                               : 500;
        GameFixture game;
        m_game = &game;
        const int seed = qEnvironmentVariableIntValue("SPLITWICK_RANDOM_SEED");
        m_dice.seed(seed != 0 ? quint32(seed) : 20261207u);
        game.writeQuietSettings();
        // Penalty ticks on some levels, so real ticks interleave with the play.
        for (int level = 0; level <= 9; level += 3) {
            game.ini().writeInteger("Levels", QStringLiteral("DELAY%1").arg(level), 0);
            game.ini().writeInteger("Levels", QStringLiteral("TIMER%1").arg(level), 1);
        }
        game.start();
        int setups = 0;
        QPlainTextEdit *trace = game.program->debugWindow().debug();
        connect(trace, &QPlainTextEdit::textChanged, trace, [&setups, trace] {
            setups += trace->document()->isEmpty() ? 1 : 0; // cleared at every round setup
        });

        int steps = 0;
        while (setups < wanted) {
            m_step = "deal";
            dealRandomRound();
            checkInvariants();
            // A round ends by itself (won, lost, solved) or gives way to the next.
            const int length = 2 + roll(18);
            for (int i = 0; i < length && game.engine().inPlay(); ++i) {
                oneStep();
                ++steps;
                m_step = QStringLiteral("step %1, round %2: ").arg(steps).arg(setups) + m_step;
                checkInvariants();
                if (QTest::currentTestFailed())
                    return;
            }
        }
        QVERIFY(game.main().isVisible());
        qInfo("%d rounds set up in %d random steps, %d message boxes answered", setups, steps,
              int(game.boxes.size()));
    }
};

QTEST_MAIN(RandomWindowPlayTest)
#include "random_window_play_test.moc"
