// SPDX-License-Identifier: GPL-3.0-or-later
// The tile look reads from and writes to section "Options" the keys each pick
// changes, in order.

#include "settings/settings_file.h"
#include "ui/styles/tile_look.h"
#include "ui/board/board_panel.h"
#include "ui/styles/tile_look_holder.h"
#include "ui/board/tile_widget.h"
#include "support/temp_settings.h"

#include <QApplication>
#include <QFile>
#include <QtTest>

namespace {
const QString Options = QStringLiteral("Options");

// The keys of section "Options" in the order the file holds them.
QStringList optionKeys(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList keys;
    bool inOptions = false;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith('['))
            inOptions = line.compare(QStringLiteral("[Options]"), Qt::CaseInsensitive) == 0;
        else if (inOptions && line.contains('='))
            keys << line.section('=', 0, 0);
    }
    return keys;
}
} // namespace

class TileLookTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void readFromSettings_data();
    void readFromSettings();
    void picksWriteTheirKeysInOrder_data();
    void picksWriteTheirKeysInOrder();
    void picksRestyleTiles1To240();
    void styleBeforeAnyColourWritesTheButtonFace();

private:
    QString path() const { return m_temp.path(); }
    TempSettings m_temp;
};

void TileLookTest::init()
{
    m_temp.renew();
}

void TileLookTest::readFromSettings_data()
{
    QTest::addColumn<QStringList>("lines"); // key=value lines of section "Options"
    QTest::addColumn<qint32>("colour");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QString>("style");

    // The current font is italic; the fallback is the template's "Tahoma" at 13 px (10 pt).
    QTest::newRow("nothing stored") << QStringList() << ButtonFaceStored << "Tahoma" << 10 << false << true
                                    << "Panel1";
    QTest::newRow("everything stored")
        << QStringList{"Color=255", "FontName=Courier New", "FontSize=14", "FontBold=1", "Style=PANEL16"}
        << qint32(255) << "Courier New" << 14 << true << false << "Panel16";
    QTest::newRow("not bold keeps the style") << QStringList{"FontBold=0", "Style=panel21"} << ButtonFaceStored
                                              << "Tahoma" << 10 << false << true << "panel21";
    QTest::newRow("style naming no sample") << QStringList{"Style=Panel22"} << ButtonFaceStored << "Tahoma" << 10
                                            << false << true << "Panel1";
    QTest::newRow("size 0 cannot be drawn") << QStringList{"FontSize=0"} << ButtonFaceStored << "Tahoma" << 1
                                            << false << true << "Panel1";
    QTest::newRow("size not a number") << QStringList{"FontSize=big"} << ButtonFaceStored << "Tahoma" << 10
                                       << false << true << "Panel1";
}

void TileLookTest::readFromSettings()
{
    QFETCH(QStringList, lines);
    QFETCH(qint32, colour);
    QFETCH(QString, family);
    QFETCH(int, points);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(QString, style);

    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(("[Options]\n" + lines.join('\n') + '\n').toUtf8());
    file.close();

    QFont current(QStringLiteral("Arial"));
    current.setPointSize(20);
    current.setItalic(true);
    QFont fallback(QStringLiteral("Tahoma"));
    fallback.setPixelSize(13);
    const TileLook look = TileLook::read(SettingsFile(path()), current, TileColour::buttonFace(), fallback);
    QCOMPARE(look.colour.stored, colour);
    QCOMPARE(look.font.family(), family);
    QCOMPARE(look.font.pointSize(), points);
    QCOMPARE(look.font.bold(), bold);
    QCOMPARE(look.font.italic(), italic);
    QCOMPARE(look.style, style);
    QVERIFY(look.border == findStyleSample(style)->border);
}

void TileLookTest::picksWriteTheirKeysInOrder_data()
{
    QTest::addColumn<QString>("pick");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("style") << "style" << QStringList{"Style", "Color", "FontName", "FontSize", "FontBold"};
    QTest::newRow("colour") << "colour" << QStringList{"Color"};
    QTest::newRow("font") << "font" << QStringList{"Color", "FontName", "FontSize", "FontBold"};
}

void TileLookTest::picksWriteTheirKeysInOrder()
{
    QFETCH(QString, pick);
    QFETCH(QStringList, keys);
    BoardPanel board;
    TileWidget *templateTile = makeTemplateTile(&board);
    TileLookHolder holder(*templateTile, board);
    SettingsFile settings(path());
    holder.restore(settings);

    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(16);
    font.setBold(true);
    if (pick == QLatin1String("style"))
        holder.pickStyle(*findStyleSample(QStringLiteral("Panel9")), settings);
    else if (pick == QLatin1String("colour"))
        holder.pickColour(QColor(1, 2, 3), settings);
    else
        holder.pickFont(font, settings);
    QCOMPARE(optionKeys(path()), keys);

    if (pick == QLatin1String("style"))
        QCOMPARE(settings.readString(Options, QStringLiteral("Style"), {}), QStringLiteral("Panel9"));
    if (pick == QLatin1String("colour"))
        QCOMPARE(settings.readInteger(Options, QStringLiteral("Color"), 0), qint32(1 + (2 << 8) + (3 << 16)));
    if (pick == QLatin1String("font")) {
        QCOMPARE(settings.readString(Options, QStringLiteral("FontName"), {}), QStringLiteral("Courier New"));
        QCOMPARE(settings.readInteger(Options, QStringLiteral("FontSize"), 0), 16);
        QVERIFY(settings.readBool(Options, QStringLiteral("FontBold"), false));
    }
}

void TileLookTest::picksRestyleTiles1To240()
{
    BoardPanel board;
    TileWidget *templateTile = makeTemplateTile(&board);
    for (int slot = 1; slot <= TileSlots; ++slot) {
        ShownTile tile;
        tile.face = templateTile->face();
        tile.face.letters = QColor(251, 0, 0);
        board.setTile(slot, tile);
    }
    const auto tiles = [&board](int index) { return board.tile(index + 1).face; };
    const TileLook before{TileColour{}, tiles(249).font, {}, tiles(249).border};
    TileLookHolder holder(*templateTile, board);
    SettingsFile settings(path());
    holder.restore(settings);

    const StyleSample &panel18 = *findStyleSample(QStringLiteral("Panel18"));
    holder.pickStyle(panel18, settings);
    holder.pickColour(QColor(9, 99, 199), settings);
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(12);
    font.setItalic(true);
    holder.pickFont(font, settings);

    for (const TileFace &tile : {templateTile->face(), tiles(0), tiles(239)}) {
        QVERIFY(tile.border == panel18.border);
        QCOMPARE(tile.colour.colour(), QColor(9, 99, 199));
        QCOMPARE(tile.font, font);
    }
    // The letters keep the colour of the cell's state.
    QCOMPARE(tiles(0).letters, QColor(251, 0, 0));
    // Tiles beyond 240 take the look from the template when a round places them.
    for (int index : {240, 249}) {
        QVERIFY(tiles(index).border == before.border);
        QCOMPARE(tiles(index).font, before.font);
    }
    QCOMPARE(holder.look().colour.colour(), QColor(9, 99, 199));
    QCOMPARE(holder.look().style, QStringLiteral("Panel18"));
}

void TileLookTest::styleBeforeAnyColourWritesTheButtonFace()
{
    BoardPanel board;
    TileWidget *templateTile = makeTemplateTile(&board);
    TileLookHolder holder(*templateTile, board);
    SettingsFile settings(path());
    holder.restore(settings); // nothing stored: the template's button face
    holder.pickStyle(*findStyleSample(QStringLiteral("Panel3")), settings);
    QCOMPARE(settings.readString(Options, QStringLiteral("Color"), {}), QStringLiteral("-2147483633"));
    QCOMPARE(settings.readInteger(Options, QStringLiteral("FontSize"), 0), 10);
    QVERIFY(!settings.readBool(Options, QStringLiteral("FontBold"), true));
}

QTEST_MAIN(TileLookTest)
#include "tile_look_test.moc"
