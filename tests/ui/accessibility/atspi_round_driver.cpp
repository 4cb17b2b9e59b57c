// SPDX-License-Identifier: GPL-3.0-or-later
// Plays for the accessibility bus tests: a definition asked for by key, a
// wrong drop and a round to its win, then a round to its loss, by keys to
// the focus widget. A screen reader that falls behind (a busy machine slows
// it) skips what newer events overtake, so, given the reader's log written
// line by line (SPLITWICK_HEARD_FILE), the driver waits after each key until
// the reader has taken in an event (a line holding SPLITWICK_READER_TAKES)
// and dealt with all it took in (SPLITWICK_READER_IDLE), and after each step
// until it has said the board's news (SPLITWICK_HEARD_AFTER, then the news).
// Never a fixed time; without that log it pauses 400 ms after each step. A
// new step is its keys, then heard().
#include "support/game_fixture.h"

#include "ui/accessibility/announcer.h"
#include "ui/board/keyboard_play.h"
#include "ui/board/keyboard_player.h"

#include <QtTest>

namespace {
const QString Format = QStringLiteral("5 letters: 2-1-2");
// Long enough for a reader on a machine loaded to the full. After one wait
// in vain no more are made: the test then says which lines are missing.
constexpr int WithinMs = 90000;

void pause()
{
    KeyboardPlayer::runUntil([] { return false; }, 400);
}

// The reader's log, as it grows.
class Reader
{
public:
    bool listening() const { return !m_file.fileName().isEmpty(); }
    // From now on: what came before does not count.
    void mark()
    {
        read();
        m_saidBefore = m_said.size();
        m_takenSinceMark = false;
    }
    // Waits until the reader has said the words since the mark.
    bool said(const QByteArray &words)
    {
        return waitFor(words, [&] {
            return std::any_of(m_said.cbegin() + m_saidBefore, m_said.cend(),
                               [&](const QByteArray &line) { return line.contains(m_saying + words); });
        });
    }
    // Waits until the reader has dealt with all it took in; and, unless
    // anew is false, it must have taken in an event since the mark.
    bool caughtUp(bool anew = true)
    {
        return waitFor("its events", [&] { return (m_takenSinceMark || !anew) && m_idle; });
    }

private:
    bool waitFor(const QByteArray &what, const std::function<bool()> &done)
    {
        if (m_gaveUp)
            return false;
        if (KeyboardPlayer::runUntil([&] { return read(), done(); }, WithinMs))
            return true;
        qWarning("Not within %d s: %s", WithinMs / 1000, what.constData());
        m_gaveUp = true;
        return false;
    }
    // Whole lines only: the part after the last line end waits for the next look.
    void read()
    {
        if (!m_file.isOpen() && !m_file.open(QIODevice::ReadOnly))
            return;
        m_partial += m_file.readAll();
        const qsizetype end = m_partial.lastIndexOf('\n') + 1;
        for (const QByteArray &line : m_partial.left(end).split('\n')) {
            if (line.contains(m_saying))
                m_said << line;
            if (line.contains(m_takesIn)) {
                m_takenSinceMark = true;
                m_idle = false;
            } else if (line.contains(m_idleSign)) {
                m_idle = true;
            }
        }
        m_partial.remove(0, end);
    }

    QFile m_file{qEnvironmentVariable("SPLITWICK_HEARD_FILE")};
    const QByteArray m_saying = qgetenv("SPLITWICK_HEARD_AFTER");
    const QByteArray m_takesIn = qgetenv("SPLITWICK_READER_TAKES");
    const QByteArray m_idleSign = qgetenv("SPLITWICK_READER_IDLE");
    QByteArray m_partial;
    QList<QByteArray> m_said;
    qsizetype m_saidBefore = 0;
    bool m_takenSinceMark = false;
    bool m_idle = true;
    bool m_gaveUp = false;
};

Reader &reader()
{
    static Reader reader;
    return reader;
}

// The board's last news heard: what the step's keys made it say.
void heard(GameFixture &game)
{
    // The news as announced: a move of the frame puts the board's name back to "Board".
    if (reader().listening())
        reader().said(game.main().keyboardPlay()->announcer().lastNews().toUtf8());
    else
        pause();
}

// One key to the focus widget, as the desktop sends it. On the bus Qt first
// asks the reader whether it wants the key: it arrives once the reader
// answers. Then the reader deals with what the key changed.
bool press(int key)
{
    if (!reader().listening())
        return KeyboardPlayer::press(key);
    reader().mark();
    const QPointer<QWidget> focus = QApplication::focusWidget();
    if (!focus)
        return false;
    KeyboardPlayer::Arrival arrival(key);
    focus->installEventFilter(&arrival);
    QTest::keyClick(focus.data(), Qt::Key(key));
    KeyboardPlayer::runUntil([&] { return arrival.arrived || !focus; }, WithinMs);
    if (focus)
        focus->removeEventFilter(&arrival);
    return arrival.arrived && reader().caughtUp();
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
    // The deal's news comes once its board is up.
    const QString before = game.main().keyboardPlay()->announcer().lastNews();
    if (!press(Qt::Key_F2) || !game.engine().inPlay())
        return false;
    KeyboardPlayer::runUntil([&] { return game.main().keyboardPlay()->announcer().lastNews() != before; }, WithinMs);
    if (reader().listening())
        return reader().caughtUp(false);
    pause();
    return true;
}

// The frame walked to source, Space, to target, Space: the drop is made and heard.
bool keyMove(GameFixture &game, int source, int target)
{
    const KeyboardPlay &play = *game.main().keyboardPlay();
    if (!walkTo(game, source) || !press(Qt::Key_Space) || play.carriedSlot() != source)
        return false;
    const int moves = game.engine().round().Moves;
    if (!walkTo(game, target) || !press(Qt::Key_Space))
        return false;
    heard(game);
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
        heard(game);
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
