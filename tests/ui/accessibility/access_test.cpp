// SPDX-License-Identifier: GPL-3.0-or-later
// Play for everyone: shape cues beside the colours, what a screen reader
// reads, a window that stays on the screen, and rounds dealt by number.
#include "support/game_fixture.h"
#include "support/board_tiles.h"

#include "ui/options/options_dialog.h"
#include "ui/board/board_scroll.h"
#include "ui/board/keyboard_play.h"
#include "ui/board/palette.h"
#include "ui/main_window/round_number_dialog.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>

namespace {
const QString Format = QStringLiteral("6 letters: 2-2-2");

TfrmMain &startWithWords(GameFixture &game, int count)
{
    QList<QByteArray> entries;
    for (int r = 0; r < count; ++r) {
        // Two letters per row index keep 45 words distinct.
        QByteArray word = distinctWord(r % 26, Format);
        word[1] = char('A' + r / 26);
        entries << word;
    }
    game.writeDictionary(QStringLiteral("wide"), entries);
    game.writeQuietSettings();
    return game.start();
}

void deal(GameFixture &game, int words)
{
    game.options().setDictionaryIndex(int(game.options().dictionaryNames().indexOf(QStringLiteral("wide"))));
    game.options().setPresetsIndex(int(splitFormats().indexOf(Format)));
    game.options().setWordCount(words);
    game.options().setFixedCell(FixedCell::First, true);
    QTest::keyClick(&game.main(), Qt::Key_F2);
}

QString accessible(QObject *object, QAccessible::Text text)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(text) : QStringLiteral("<none>");
}

QString accessible(const BoardTile &tile, QAccessible::Text text)
{
    QAccessibleInterface *iface = tile.accessible();
    return iface ? iface->text(text) : QStringLiteral("<none>");
}

// The place of a shown tile in its row, counted from the left, as "cell 2 of 3".
QString cellPlace(GameFixture &game, int slot)
{
    int before = 0, cells = 0;
    for (int s = 1; s <= game.engine().board().TileCount(); ++s) {
        const tTile &t = game.slot(s);
        if (!t.Panel.visible || t.Column != game.slot(slot).Column || t.RowInColumn != game.slot(slot).RowInColumn)
            continue;
        ++cells;
        before += t.Panel.left < game.slot(slot).Panel.left ? 1 : 0;
    }
    return cells > 1 ? QStringLiteral("cell %1 of %2, ").arg(before + 1).arg(cells) : QString();
}

QList<QByteArray> boardOf(RoundEngine &engine)
{
    QList<QByteArray> cells;
    for (int s = 1; s <= engine.board().TileCount(); ++s)
        cells << engine.board().Tiles(s).Panel.caption + '/' + engine.board().Tiles(s).CorrectText;
    return cells;
}
} // namespace

class AccessTest : public QObject
{
    Q_OBJECT

private slots:
    void colourCues();
    void accessibleNames();
    void optionsControlsAreNamed();
    void highContrastIsStoredAndDrawn();
    void menusByKeys();
    void fitWindow_data();
    void fitWindow();
    void bigRoundFitsAndScrolls();
    void roundNumberDealsTheRoundAgain();
    void roundNumberText_data();
    void roundNumberText();
};

void AccessTest::colourCues()
{
    GameFixture game;
    TfrmMain &window = startWithWords(game, 10);
    deal(game, 4);
    const int movable = game.rightMove().first;
    const int placed = 1; // the first row's fixed first cell
    QVERIFY(movable);
    QCOMPARE(game.slot(placed).Panel.state, TileState::Placed);
    TileWidget solved; // a completed row's look
    solved.resize(80, 30);
    solved.setCaption(QStringLiteral("WORD"));
    solved.setLetterColour(Palette::tileLetters(TileState::Solved));
    const QImage movableOff = boardTile(window, movable)->grab().toImage();
    const QImage placedOff = boardTile(window, placed)->grab().toImage();
    const QImage solvedOff = solved.grab().toImage();

    auto *cues = window.findChild<QAction *>("mCues");
    QVERIFY(cues && !cues->isChecked());
    cues->trigger();
    QVERIFY(cues->isChecked());
    QVERIFY(game.ini().readBool(QStringLiteral("Options"), QStringLiteral("ColourBlindCues"), false));
    const QImage movableOn = boardTile(window, movable)->grab().toImage();
    QVERIFY(movableOn != movableOff);
    QVERIFY(boardTile(window, placed)->grab().toImage() != placedOff);
    QVERIFY(solved.grab().toImage() != solvedOff);
    // The dotted frame runs just inside the movable tile's content, in its letters' colour.
    const QRect inner = boardTile(window, movable)->contentRect().adjusted(1, 1, -2, -2);
    int dots = 0;
    for (int x = inner.left(); x <= inner.right(); ++x)
        dots += movableOn.pixelColor(x, inner.top()) == Palette::tileLetters(TileState::Movable) ? 1 : 0;
    QVERIFY2(dots >= inner.width() / 3, qPrintable(QString::number(dots)));
    // Two pixels thick: the row below carries the dots too.
    int below = 0;
    for (int x = inner.left(); x <= inner.right(); ++x)
        below += movableOn.pixelColor(x, inner.top() + 1) == Palette::tileLetters(TileState::Movable) ? 1 : 0;
    QVERIFY2(below >= inner.width() / 3, qPrintable(QString::number(below)));

    // Off again: exactly the look from before, pixel for pixel.
    cues->trigger();
    QVERIFY(!game.ini().readBool(QStringLiteral("Options"), QStringLiteral("ColourBlindCues"), true));
    QCOMPARE(boardTile(window, movable)->grab().toImage(), movableOff);
    QCOMPARE(boardTile(window, placed)->grab().toImage(), placedOff);
    QCOMPARE(solved.grab().toImage(), solvedOff);
}

void AccessTest::accessibleNames()
{
    GameFixture game;
    TfrmMain &window = startWithWords(game, 10);
    deal(game, 4);
    const auto [source, target] = game.rightMove();
    QVERIFY(source && target);
    const int row = game.slot(target).RowIndex + 1;
    const BoardTile tile = boardTile(window, target);
    QCOMPARE(tile.accessible()->role(), QAccessible::Button);
    QCOMPARE(accessible(tile, QAccessible::Name), QString::fromLatin1(game.slot(target).Panel.caption));
    QCOMPARE(accessible(tile, QAccessible::Description),
             QStringLiteral("movable, %1row %2").arg(cellPlace(game, target)).arg(row));

    const QByteArray text = game.slot(target).CorrectText;
    game.drag(source, target);
    // The placed cell may have joined its placed neighbour: find the tile that now shows it.
    int shown = 0;
    for (int s = 1; s <= game.engine().board().TileCount(); ++s)
        if (game.slot(s).Panel.visible && game.slot(s).RowIndex + 1 == row && game.slot(s).Panel.caption.contains(text))
            shown = s;
    QVERIFY(shown);
    QVERIFY(game.slot(shown).Panel.state != TileState::Movable);
    const QString expected = game.slot(shown).Panel.state == TileState::Solved ? QStringLiteral("row complete, %1row %2")
                                                                               : QStringLiteral("placed, %1row %2");
    QCOMPARE(accessible(boardTile(window, shown), QAccessible::Name), QString::fromLatin1(game.slot(shown).Panel.caption));
    // The hint a mouse player sees over a placed cell stays readable.
    const QString hint = game.slot(shown).Panel.showHint
                             ? QStringLiteral("; Hint: ") + QString::fromLatin1(game.slot(shown).Panel.hint)
                             : QString();
    QCOMPARE(accessible(boardTile(window, shown), QAccessible::Description),
             expected.arg(cellPlace(game, shown)).arg(row) + hint);

    QCOMPARE(accessible(window.findChild<QLabel *>("Counter"), QAccessible::Name),
             QStringLiteral("Rating %1").arg(game.engine().rating()));
    // The status line: named for what it holds, its text the whole message, not the part the banner shows.
    QAccessibleInterface *line = QAccessible::queryAccessibleInterface(window.findChild<QLabel *>("LB"));
    QCOMPARE(line->text(QAccessible::Name), QStringLiteral("Help and messages"));
    const QString whole = line->textInterface()->text(0, line->textInterface()->characterCount());
    QVERIFY(!whole.isEmpty() && whole.endsWith(window.findChild<QLabel *>("LB")->text().trimmed()));
}

void AccessTest::optionsControlsAreNamed()
{
    GameFixture game;
    game.writeQuietSettings();
    game.start();
    Tfo &dialog = game.program->optionsDialog();
    // The dialog builds its controls when first shown.
    QTimer::singleShot(200, &dialog, [&dialog] { dialog.reject(); });
    dialog.exec();
    // A combo box reads out its current choice; its name says what it chooses.
    QCOMPARE(dialog.findChild<QComboBox *>("Dictionary")->accessibleName(), QStringLiteral("Dictionary"));
    for (QSlider *slider : dialog.findChildren<QSlider *>())
        QVERIFY2(!accessible(slider, QAccessible::Name).isEmpty(), qPrintable(slider->objectName()));
    for (QComboBox *box : dialog.findChildren<QComboBox *>())
        QVERIFY2(!box->accessibleName().isEmpty(), qPrintable(box->objectName()));
    // On this desktop a combo box's name is its choice: the reader finds its caption through the label relation.
    QAccessibleInterface *dictionary = QAccessible::queryAccessibleInterface(dialog.findChild<QComboBox *>("Dictionary"));
    QStringList labels;
    for (const auto &[other, relation] : dictionary->relations(QAccessible::Label))
        labels << other->text(QAccessible::Name);
    QCOMPARE(labels, QStringList{QStringLiteral("Dictionary:")});
    QCOMPARE(accessible(dialog.findChild<QSlider *>("tbSound"), QAccessible::Name), QStringLiteral("Sound & Music Volume"));
    for (int i = 0; i < FixedCellCount; ++i)
        QCOMPARE(QAccessible::queryAccessibleInterface(dialog.findChild<QWidget *>(fixedCellName(FixedCell(i))))->role(),
                 QAccessible::RadioButton);
}

void AccessTest::highContrastIsStoredAndDrawn()
{
    GameFixture game;
    TfrmMain &window = startWithWords(game, 10);
    Tfo &dialog = game.program->optionsDialog();
    QTimer::singleShot(0, &dialog, [&dialog] {
        auto *box = dialog.findChild<QCheckBox *>("HighContrast");
        QVERIFY(box && box->isEnabled());
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        dialog.reject();
    });
    QTest::keyClick(&window, Qt::Key_F7);
    QVERIFY(game.options().highContrast());
    QVERIFY(Palette::highContrast());
    deal(game, 4);
    const int movable = game.rightMove().first;
    // The movable tile shows letters dark enough for its face.
    const QImage after = boardTile(window, movable)->grab().toImage();
    const QColor drawn = Palette::drawnLetters(Palette::tileLetters(TileState::Movable),
                                               boardTile(window, movable)->tileColour().colour());
    QVERIFY(Palette::contrast(drawn, boardTile(window, movable)->tileColour().colour()) >= Palette::MinimumContrast);
    int letters = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            letters += after.pixelColor(x, y) == drawn ? 1 : 0;
    QVERIFY(letters > 10);
    window.findChild<QAction *>("Exit1")->trigger();
    QVERIFY(game.ini().readBool(QStringLiteral("Options"), QStringLiteral("HighContrast"), false));
    Palette::setHighContrast(false);
}

// F10 opens the first menu; every menu and item has a letter of its own to choose it by.
void AccessTest::menusByKeys()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    QMenuBar *bar = window.menuBar();
    QSet<QChar> titles;
    for (QAction *top : bar->actions()) {
        const QString mnemonic = QKeySequence::mnemonic(top->text()).toString();
        QVERIFY2(!mnemonic.isEmpty() && !titles.contains(mnemonic[mnemonic.size() - 1]), qPrintable(top->text()));
        titles << mnemonic[mnemonic.size() - 1];
        QSet<QChar> letters;
        for (QAction *item : top->menu()->actions()) {
            // The clue's caption is the round's ("Clue (4)").
            if (item->isSeparator() || item->objectName() == QLatin1String("mReveal"))
                continue;
            const QString key = QKeySequence::mnemonic(item->text()).toString();
            QVERIFY2(!key.isEmpty() && !letters.contains(key[key.size() - 1]), qPrintable(item->text()));
            letters << key[key.size() - 1];
        }
    }
    QString opened;
    QTimer::singleShot(0, &window, [&] {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            opened = popup->objectName();
            popup->close();
        }
    });
    QTest::keyClick(&window, Qt::Key_F10);
    QTRY_COMPARE(opened, QStringLiteral("File1"));
}

void AccessTest::fitWindow_data()
{
    QTest::addColumn<QRect>("asked");
    QTest::addColumn<QRect>("expected");
    const QRect screen(0, 30, 1000, 700);
    QTest::newRow("fits") << QRect(375, 100, 250, 436) << QRect(375, 100, 250, 436);
    QTest::newRow("fits exactly") << QRect(0, 30, 1000, 700) << QRect(0, 30, 1000, 700);
    QTest::newRow("too tall") << QRect(375, -300, 250, 1636) << QRect(367, 30, 266, 700);
    QTest::newRow("too wide") << QRect(-100, 200, 1200, 300) << QRect(0, 222, 1000, 316);
    QTest::newRow("both") << QRect(-100, -100, 1200, 900) << QRect(0, 30, 1000, 700);
}

void AccessTest::fitWindow()
{
    QFETCH(QRect, asked);
    QFETCH(QRect, expected);
    QCOMPARE(BoardScroll::fitWindow(asked, QRect(0, 30, 1000, 700), 16), expected);
}

void AccessTest::bigRoundFitsAndScrolls()
{
    GameFixture game;
    TfrmMain &window = startWithWords(game, 45);
    const QRect available = window.screen()->availableGeometry();
    const int templateHeight = window.templateTile()->height();

    deal(game, 44);
    QVERIFY(game.engine().windowHeight() > available.height()); // the round asks for more than the screen
    QVERIFY2(available.contains(window.frameGeometry()), "the window stays on the screen");
    BoardScroll *scroll = window.boardScroll();
    QVERIFY(scroll->scrolls());
    QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
    QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
    // The board keeps its layout: the last row is where the round put it, at full tile height.
    const int last = game.engine().board().TileCount();
    QCOMPARE(boardTile(window, last)->height(), templateHeight);
    QCOMPARE(boardTile(window, last)->y(), game.slot(last).Panel.top);
    QVERIFY(window.board()->height() >= game.slot(last).Panel.top + templateHeight);
    // The keyboard's frame brings a far tile into view.
    window.keyboardPlay()->focusTile(last);
    QVERIFY(scroll->verticalScrollBar()->value() > 0);

    deal(game, 10);
    QVERIFY(!scroll->scrolls());
    QCOMPARE(window.frameGeometry().size(), QSize(game.engine().windowWidth(), game.engine().windowHeight()));
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(game.engine().windowLeft(), game.engine().windowTop()));
    QCOMPARE(window.board()->size(), scroll->viewport()->size());
}

void AccessTest::roundNumberDealsTheRoundAgain()
{
    GameFixture game;
    TfrmMain &window = startWithWords(game, 30);
    deal(game, 10);
    const quint32 number = game.engine().roundNumber();
    const QList<QByteArray> first = boardOf(game.engine());
    QTest::keyClick(&window, Qt::Key_F2);
    QVERIFY(boardOf(game.engine()) != first);
    const quint32 second = game.engine().roundNumber();

    auto *item = window.findChild<QAction *>("mRoundNumber");
    QVERIFY(item && item->isEnabled());
    QString shown;
    QTimer::singleShot(0, &window, [&] {
        auto *dialog = qobject_cast<RoundNumberDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        shown = dialog->findChild<QLabel *>("lCurrent")->text();
        dialog->edit()->setText(QString::number(number));
        dialog->dealButton()->click();
    });
    item->trigger();
    QCOMPARE(shown, QStringLiteral("This round's number is %1.").arg(second));
    QCOMPARE(game.engine().roundNumber(), number);
    QCOMPARE(boardOf(game.engine()), first);
}

void AccessTest::roundNumberText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<quint32>("number");
    QTest::newRow("zero") << "0" << true << 0u;
    QTest::newRow("spaces around") << " 86399999 " << true << 86399999u;
    QTest::newRow("largest") << "4294967295" << true << 4294967295u;
    QTest::newRow("one past") << "4294967296" << false << 0u;
    QTest::newRow("eleven digits") << "00000000001" << false << 0u;
    QTest::newRow("negative") << "-1" << false << 0u;
    QTest::newRow("letters") << "12a" << false << 0u;
    QTest::newRow("empty") << "" << false << 0u;
}

void AccessTest::roundNumberText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(quint32, number);
    RoundNumberDialog dialog(7);
    QCOMPARE(dialog.edit()->text(), QStringLiteral("7"));
    dialog.edit()->setText(text);
    QCOMPARE(dialog.dealButton()->isEnabled(), valid);
    QCOMPARE(dialog.number().has_value(), valid);
    if (valid)
        QCOMPARE(*dialog.number(), number);
}

QTEST_MAIN(AccessTest)
#include "access_test.moc"
