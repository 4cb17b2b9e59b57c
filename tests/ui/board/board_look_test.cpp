// SPDX-License-Identifier: GPL-3.0-or-later
// The board as the player sees it at its natural size, pixel for pixel
// against pictures kept from the release before: every tile state (movable,
// placed, a completed row), the keyboard's frame, a few styles, colours and
// fonts, high contrast and the colour-blind cues. SPLITWICK_WRITE_LOOKS=1
// writes the pictures anew instead of comparing.
#include "support/game_fixture.h"

#include "base/random_source.h"
#include "ui/board/colour_cues.h"
#include "ui/board/palette.h"
#include "ui/styles/tile_look_holder.h"
#include "ui/styles/tile_style.h"

namespace {
const QString Looks = QStringLiteral(SPLITWICK_SOURCE_DIR "/tests/ui/board/look/");

// The first differing pixel, or an empty text when the pictures are the same.
QString difference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return QStringLiteral("size %1x%2, kept %3x%4").arg(a.width()).arg(a.height()).arg(b.width()).arg(b.height());
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("pixel %1,%2: %3, kept %4")
                    .arg(x)
                    .arg(y)
                    .arg(QColor(a.pixel(x, y)).name(), QColor(b.pixel(x, y)).name());
    return {};
}
} // namespace

class BoardLookTest : public QObject
{
    Q_OBJECT

private slots:
    void looksAsBefore_data();
    void looksAsBefore();
};

void BoardLookTest::looksAsBefore_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QColor>("colour"); // invalid: the stored default
    QTest::addColumn<QString>("font");  // empty: the stored default
    QTest::addColumn<int>("rightMoves");
    QTest::addColumn<bool>("highContrast");
    QTest::addColumn<bool>("cues");
    QTest::newRow("fresh deal") << "" << QColor() << "" << 0 << false << false;
    QTest::newRow("placed and complete") << "" << QColor() << "" << 6 << false << false;
    QTest::newRow("raised, border") << "Panel12" << QColor(255, 200, 120) << "" << 6 << false << false;
    QTest::newRow("single edge, Courier") << "Panel8" << QColor(200, 230, 255) << "Courier New" << 6 << false << false;
    QTest::newRow("lowered and raised") << "Panel4" << QColor(60, 60, 90) << "" << 6 << false << false;
    QTest::newRow("high contrast") << "" << QColor(120, 120, 120) << "" << 6 << true << false;
    QTest::newRow("colour-blind cues") << "" << QColor() << "" << 6 << false << true;
}

void BoardLookTest::looksAsBefore()
{
    QFETCH(QString, style);
    QFETCH(QColor, colour);
    QFETCH(QString, font);
    QFETCH(int, rightMoves);
    QFETCH(bool, highContrast);
    QFETCH(bool, cues);
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    SettingsFile settings = game.ini();
    if (!style.isEmpty())
        window.tileLook().pickStyle(*findStyleSample(style), settings);
    if (colour.isValid())
        window.tileLook().pickColour(colour, settings);
    if (!font.isEmpty()) {
        QFont f(font);
        f.setPointSize(11);
        f.setBold(true);
        window.tileLook().pickFont(f, settings);
    }
    RandomSource::setSeed(20261208);
    game.deal(QStringLiteral("5 letters: 2-1-2"), 10, FixedCell::First);
    for (int move = 0; move < rightMoves; ++move) {
        const auto [source, target] = game.rightMove();
        QVERIFY(source);
        game.drag(source, target);
    }
    Palette::setHighContrast(highContrast);
    ColourCues::setEnabled(cues);
    QWidget *board = window.board();
    QCoreApplication::processEvents();
    const QImage shot = board->grab().toImage().convertToFormat(QImage::Format_RGB32);
    Palette::setHighContrast(false);
    ColourCues::setEnabled(false);

    const QString file = Looks + QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'))
                                     .remove(QLatin1Char(',')) + QStringLiteral(".png");
    if (qEnvironmentVariableIsSet("SPLITWICK_WRITE_LOOKS")) {
        QVERIFY(shot.save(file));
        return;
    }
    const QImage kept(file);
    QVERIFY2(!kept.isNull(), qPrintable(file));
    const QString differs = difference(shot, kept.convertToFormat(QImage::Format_RGB32));
    if (!differs.isEmpty())
        shot.save(QDir::temp().filePath(QFileInfo(file).fileName()));
    QVERIFY2(differs.isEmpty(), qPrintable(differs));
}

int main(int argc, char *argv[])
{
    GameApplication app(argc, argv);
    initialiseProgram();
    BoardLookTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "board_look_test.moc"
