// SPDX-License-Identifier: GPL-3.0-or-later
// Round codes and Today's Round as the player meets them: the code on the
// status line and in the board's pop-up menu, copied with Ctrl+C, typed into
// "Round Number..." to deal the same board whatever the options (a typing
// mistake refused); Today's Round from the Game menu.
#include "round/round_code.h"
#include "round/todays_round.h"
#include "support/dictionary_file.h"
#include "support/game_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "ui/main_window/round_number_dialog.h"

namespace {
const QString Format = QStringLiteral("6 letters: 2-2-2");

QString lbText(TfrmMain &window)
{
    return window.findChild<QLabel *>("LB")->text();
}

QList<QByteArray> boardOf(RoundEngine &engine)
{
    QList<QByteArray> cells;
    for (int slot = 1; slot <= engine.board().TileCount(); ++slot) {
        const tTile &t = engine.board().Tiles(slot);
        cells << t.Panel.caption + '/' + t.CorrectText + '/' + QByteArray::number(int(t.Panel.state));
    }
    return cells;
}

TfrmMain &startWithWords(GameFixture &game)
{
    writeDictionaryFile(game.dir.filePath(QStringLiteral("kbs/wide.dic")), madeUpWords({5, 6, 7, 8, 9}, 40));
    writeDictionaryFile(game.dir.filePath(QStringLiteral("kbs/English.dic")), madeUpWords({5, 6, 7, 8, 9}, 40, 5));
    game.writeQuietSettings();
    return game.start();
}

void dealWide(GameFixture &game)
{
    game.options().selectDictionary(QStringLiteral("wide"));
    game.options().setPresetsIndex(int(splitFormats().indexOf(Format)));
    game.options().setWordCount(12);
    game.options().setFixedCell(FixedCell::Middle, true);
    game.options().setHandicap(1);
    QTest::keyClick(&game.main(), Qt::Key_F2);
}

// Runs "Round Number...", types text and presses Deal when it can; returns
// the line that says what is wrong ("" when the deal went ahead).
QString typeIntoRoundNumber(TfrmMain &window, const QString &text)
{
    QString problem;
    QTimer::singleShot(0, &window, [&] {
        auto *dialog = qobject_cast<RoundNumberDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->edit()->setText(text);
        problem = dialog->findChild<QLabel *>("lProblem")->text();
        if (dialog->dealButton()->isEnabled())
            dialog->dealButton()->click();
        else
            dialog->reject();
    });
    window.findChild<QAction *>("mRoundNumber")->trigger();
    return problem;
}
} // namespace

class RoundCodeWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_playerData.isValid());
        qputenv("XDG_DATA_HOME", m_playerData.path().toLocal8Bit());
    }

    void copiedCodeDealsTheSameBoardWithOtherOptions()
    {
        GameFixture game;
        TfrmMain &window = startWithWords(game);
        dealWide(game);
        const QList<QByteArray> board = boardOf(game.engine());
        QApplication::clipboard()->clear();
        QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
        const QString copied = QApplication::clipboard()->text();
        QVERIFY2(copied.endsWith(QStringLiteral(" (wide)")), qPrintable(copied));
        const QString code = copied.left(15);
        QVERIFY2(lbText(window).endsWith(", round: " + code), qPrintable(lbText(window)));

        // The board's pop-up menu shows it too.
        const auto items = window.findChild<QMenu *>("PopupMenu1")->actions();
        QVERIFY(std::any_of(items.begin(), items.end(),
                            [&](QAction *item) { return item->isEnabled() && item->text().contains(code); }));

        // Other options, another round, then the code.
        game.options().selectDictionary(QStringLiteral("English"));
        game.options().setWordCount(20);
        game.options().setHandicap(-2);
        QTest::keyClick(&window, Qt::Key_F2);
        const QList<QByteArray> other = boardOf(game.engine());
        QVERIFY(other != board);
        // A typing mistake is refused and deals nothing.
        QString typo = copied;
        typo[3] = typo[3] == QLatin1Char('7') ? QLatin1Char('8') : QLatin1Char('7');
        QCOMPARE(typeIntoRoundNumber(window, typo), RoundCode::faultMessage(RoundCode::Fault::Check));
        QCOMPARE(boardOf(game.engine()), other);
        QCOMPARE(typeIntoRoundNumber(window, copied), QString());
        QCOMPARE(boardOf(game.engine()), board);
        // Pasted from a chat: picked out of the text around it, and said so.
        QCOMPARE(typeIntoRoundNumber(window, "beat this: " + copied + QChar(0x200B) + " !"),
                 "Found the round code " + code + " in the text.");
        QCOMPARE(boardOf(game.engine()), board);
        QVERIFY(lbText(window).endsWith(", round: " + code));
        // The player's options are theirs still.
        QCOMPARE(game.options().dictionary(), QStringLiteral("English"));
        QCOMPARE(game.options().wordCount(), 20);
        QCOMPARE(game.options().handicap(), -2);
    }

    void todaysRoundFromTheGameMenu()
    {
        GameFixture game;
        TfrmMain &window = startWithWords(game);
        dealWide(game);
        auto *item = window.findChild<QAction *>("mTodaysRound");
        QVERIFY(item && item->isEnabled());
        item->trigger();
        QVERIFY2(lbText(window).contains(QStringLiteral(", Today's Round: ")), qPrintable(lbText(window)));
        QCOMPARE(game.engine().dealtOptions().dictionary, QStringLiteral("English"));
        // Ten words of the day's format, not the player's twelve.
        const QString format = TodaysRound::optionsFor(QDate::currentDate()).presetsText();
        QCOMPARE(game.engine().dealtOptions().presetsText(), format);
        QCOMPARE(game.engine().board().TileCount(), 10 * int(splitFormatCellLengths(format).size()));
        const QList<QByteArray> board = boardOf(game.engine());
        item->trigger();
        QVERIFY(lbText(window).contains(QStringLiteral(", Today's Round (practice): ")));
        QCOMPARE(boardOf(game.engine()), board);
        QCOMPARE(game.options().dictionary(), QStringLiteral("wide"));
    }

    void roundNumberShowsAllItsText()
    {
        GameFixture game;
        TfrmMain &window = startWithWords(game);
        dealWide(game);
        QStringList cut;
        QTimer::singleShot(0, &window, [&] {
            auto *dialog = qobject_cast<RoundNumberDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            // A friend's code for a dictionary this game lacks: the line below says so at length.
            dialog->edit()->setText(QStringLiteral("02J8-GW00-0C1SV (Words a friend gathered on a long journey)"));
            QApplication::processEvents();
            for (const QLabel *label : dialog->findChildren<QLabel *>())
                if (label->isVisible() && label->height() < label->heightForWidth(label->width()))
                    cut << label->objectName();
            dialog->reject();
        });
        window.findChild<QAction *>("mRoundNumber")->trigger();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
    }

    void codeCheckedBesideHugeFiles()
    {
        GameFixture game;
        TfrmMain &window = startWithWords(game);
        dealWide(game);
        QApplication::clipboard()->clear();
        QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
        const QString copied = QApplication::clipboard()->text();
        // Disk images and the like in the player's dictionary folder: one larger
        // than a dictionary can be, one without a dictionary's signature.
        QDir own(m_playerData.filePath(QStringLiteral("splitwick/kbs")));
        QVERIFY(own.mkpath(QStringLiteral(".")));
        for (const auto &[name, size] : {std::pair{"huge.dic", qint64(5) << 30}, std::pair{"zeros.dic", qint64(1) << 30}}) {
            QFile file(own.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size)); // sparse
        }
        const qint64 before = bytesRead();
        QCOMPARE(typeIntoRoundNumber(window, copied), QString());
        const qint64 read = bytesRead() - before;
        QVERIFY(own.removeRecursively());
        QVERIFY2(read < qint64(64) << 20, qPrintable(QStringLiteral("%1 MB read").arg(read >> 20)));
        QVERIFY(lbText(window).endsWith(copied.left(15)));
    }

private:
    // What this process has read so far ("rchar: ..." opens /proc/self/io).
    static qint64 bytesRead()
    {
        QFile io(QStringLiteral("/proc/self/io"));
        return io.open(QIODevice::ReadOnly) ? io.readLine().mid(6).trimmed().toLongLong() : 0;
    }

    QTemporaryDir m_playerData;
};

QTEST_MAIN(RoundCodeWindowTest)
#include "round_code_window_test.moc"
