// SPDX-License-Identifier: GPL-3.0-or-later
// Every border style, colour and font picked in the Styles dialog restyles the
// board and survives a restart.

#include "support/game_fixture.h"
#include "support/board_tiles.h"
#include "support/styles_dialog.h"

#include "ui/background/background_dialog.h"
#include "ui/styles/style_dialog.h"
#include "ui/styles/style_panel.h"
#include "ui/styles/tile_look_holder.h"

#include "ui/background/background_image.h"
#include "ui/desktop/look_alike_fonts.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QPainter>
#include <QMenuBar>
#include <QtTest>

Q_DECLARE_METATYPE(Bevel)
Q_DECLARE_METATYPE(BorderStyle)

namespace {
const QString Options = QStringLiteral("Options");

// Runs work as soon as a modal window is up, with that window.
void whenModal(std::function<void(QWidget *)> work)
{
    QTimer::singleShot(0, [work] {
        if (QWidget *modal = QApplication::activeModalWidget())
            work(modal);
    });
}
} // namespace

class StyleDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { loadLookAlikeFonts(); } // as the game does at start
    void samplesInTheirGrid_data();
    void samplesInTheirGrid();
    void everySampleRestylesTheBoard_data();
    void everySampleRestylesTheBoard();
    void choosers_data();
    void choosers();
    void fontChooserOpensOnTheTileFont();
    void stylesItemOpensTheDialog();
    void backgroundOpensBesideTheModalDialog();
};

void StyleDialogTest::samplesInTheirGrid_data()
{
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<Bevel>("inner");
    QTest::addColumn<Bevel>("outer");
    QTest::addColumn<int>("bevelWidth");
    QTest::addColumn<BorderStyle>("borderStyle");
    QTest::addColumn<int>("borderWidth");
    const Bevel R = Bevel::Raised, L = Bevel::Lowered, N = Bevel::None;
    const BorderStyle S = BorderStyle::Single, O = BorderStyle::None;
    const auto row = [&](const char *name, int left, int top, Bevel in, Bevel out, int bw, BorderStyle bs, int w) {
        QTest::newRow(name) << QPoint(left, top) << in << out << bw << bs << w;
    };
    row("panel21", 8, 10, R, N, 3, O, 0);
    row("Panel1", 56, 10, L, N, 3, O, 0);
    row("Panel4", 104, 10, R, L, 1, O, 0);
    row("Panel12", 152, 10, R, N, 1, O, 2);
    row("Panel8", 200, 10, R, N, 3, S, 0);
    row("Panel16", 248, 10, R, R, 1, S, 2);
    row("Panel7", 296, 10, L, R, 1, O, 2);
    row("Panel2", 8, 42, R, N, 2, O, 0);
    row("Panel3", 56, 42, L, N, 2, O, 0);
    row("Panel10", 104, 42, R, L, 1, O, 1);
    row("Panel17", 152, 42, L, N, 1, O, 1);
    row("Panel13", 200, 42, R, N, 2, S, 0);
    row("Panel15", 248, 42, R, R, 1, O, 1);
    row("Panel19", 296, 42, L, R, 1, O, 1);
    row("Panel5", 8, 74, R, N, 1, O, 0);
    row("Panel6", 56, 74, L, N, 1, O, 0);
    row("Panel9", 104, 74, R, L, 1, O, 2);
    row("Panel20", 152, 74, L, N, 1, O, 2);
    row("Panel14", 200, 74, R, N, 1, S, 0);
    row("Panel11", 248, 74, R, R, 1, O, 2);
    row("Panel18", 296, 74, L, R, 2, O, 2);
}

void StyleDialogTest::samplesInTheirGrid()
{
    QFETCH(QPoint, place);
    QFETCH(Bevel, inner);
    QFETCH(Bevel, outer);
    QFETCH(int, bevelWidth);
    QFETCH(BorderStyle, borderStyle);
    QFETCH(int, borderWidth);
    TfrmStyle dialog;
    QCOMPARE(dialog.samples().size(), 21);
    StylePanel *sample = dialog.sample(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(sample);
    QCOMPARE(sample->geometry(), QRect(place, QSize(39, 25)));
    QCOMPARE(sample->caption(), QStringLiteral("W"));
    const TileBorder border = sample->border();
    QCOMPARE(border.inner, inner);
    QCOMPARE(border.outer, outer);
    QCOMPARE(border.bevelWidth, bevelWidth);
    QCOMPARE(border.borderStyle, borderStyle);
    QCOMPARE(border.borderWidth, borderWidth);
    // The child under the sample's centre is the sample: no two overlap.
    QCOMPARE(dialog.childAt(sample->geometry().center()), sample);
}

void StyleDialogTest::everySampleRestylesTheBoard_data()
{
    QTest::addColumn<QString>("name");
    for (const StyleSample &sample : styleSamples())
        QTest::newRow(sample.name) << QString::fromLatin1(sample.name);
}

void StyleDialogTest::everySampleRestylesTheBoard()
{
    QFETCH(QString, name);
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.deal(QStringLiteral("5 letters: 2-1-2"), 10, FixedCell::First);
    const TileBorder border = findStyleSample(name)->border;
    QVERIFY(withStylesDialog(window, [&](TfrmStyle &dialog) {
        QTest::mouseClick(dialog.sample(name), Qt::LeftButton);
        QVERIFY(window.templateTile()->border() == border);
        QVERIFY(boardTile(window, 1)->border() == border);
        QVERIFY(boardTile(window, 1)->isVisible());
        QVERIFY(boardTile(window, 240)->border() == border);
        SettingsFile ini = game.ini();
        QCOMPARE(ini.readString(Options, QStringLiteral("Style"), {}), name);
    }));
    // A restart finds the same style.
    game.program.reset();
    game.start();
    QVERIFY(game.main().templateTile()->border() == border);
}

void StyleDialogTest::choosers_data()
{
    QTest::addColumn<bool>("font");
    QTest::addColumn<bool>("accept");
    QTest::newRow("colour chosen") << false << true;
    QTest::newRow("colour cancelled") << false << false;
    QTest::newRow("font chosen") << true << true;
    QTest::newRow("font cancelled") << true << false;
}

void StyleDialogTest::choosers()
{
    QFETCH(bool, font);
    QFETCH(bool, accept);
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.deal(QStringLiteral("5 letters: 2-1-2"), 10, FixedCell::First);
    QFont chosenFont(QStringLiteral("DejaVu Serif"));
    chosenFont.setPointSize(15);
    chosenFont.setBold(true);
    chosenFont.setItalic(true);
    const QColor chosenColour(12, 200, 99);
    QVERIFY(withStylesDialog(window, [&](TfrmStyle &dialog) {
        const QString before = QString::fromUtf8([&] {
            QFile file(game.iniPath());
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }());
        const TileColour colourBefore = window.templateTile()->tileColour();
        const QFont fontBefore = window.templateTile()->tileFont();
        const QColor letters = boardTile(window, 1)->letterColour();

        bool seen = false;
        whenModal([&](QWidget *modal) {
            if (font) {
                auto *chooser = qobject_cast<QFontDialog *>(modal);
                seen = chooser != nullptr;
                if (chooser)
                    chooser->setCurrentFont(chosenFont);
            } else {
                auto *chooser = qobject_cast<QColorDialog *>(modal);
                seen = chooser != nullptr;
                if (chooser) {
                    // It opens with the tile colour.
                    seen = chooser->currentColor() == colourBefore.colour();
                    chooser->setCurrentColor(chosenColour);
                }
            }
            if (accept)
                static_cast<QDialog *>(modal)->accept();
            else
                static_cast<QDialog *>(modal)->reject();
        });
        QTest::mouseClick(font ? dialog.pFont() : dialog.pColor(), Qt::LeftButton);
        QVERIFY(seen);

        SettingsFile ini = game.ini();
        if (!accept) {
            QFile file(game.iniPath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(file.readAll()), before);
            QCOMPARE(window.templateTile()->tileColour(), colourBefore);
            QCOMPARE(window.templateTile()->tileFont(), fontBefore);
            return;
        }
        if (font) {
            for (const TileFace &tile : {window.templateTile()->face(), boardTile(window, 1).face(), boardTile(window, 240).face()}) {
                QCOMPARE(tile.font.family(), chosenFont.family());
                QCOMPARE(tile.font.pointSize(), 15);
                QVERIFY(tile.font.italic());
            }
            QCOMPARE(boardTile(window, 1)->letterColour(), letters);
            QCOMPARE(dialog.pFont()->tileFont().family(), chosenFont.family());
            QCOMPARE(ini.readString(Options, QStringLiteral("FontName"), {}), chosenFont.family());
            QCOMPARE(ini.readInteger(Options, QStringLiteral("FontSize"), 0), 15);
            QVERIFY(ini.readBool(Options, QStringLiteral("FontBold"), false));
            QCOMPARE(ini.readInteger(Options, QStringLiteral("Color"), 0), colourBefore.stored);
        } else {
            for (const TileFace &tile : {window.templateTile()->face(), boardTile(window, 1).face(), boardTile(window, 240).face()})
                QCOMPARE(tile.colour.colour(), chosenColour);
            QCOMPARE(dialog.pColor()->tileColour().colour(), chosenColour);
            QCOMPARE(dialog.pFont()->tileColour().colour(), chosenColour);
            QCOMPARE(ini.readInteger(Options, QStringLiteral("Color"), 0), storedFromColour(chosenColour));
            QCOMPARE(ini.readString(Options, QStringLiteral("FontName"), QStringLiteral("none")),
                     QStringLiteral("none"));
        }
    }));
    if (!accept)
        return;
    // A restart finds the same look, but only face, size and bold of a font.
    game.program.reset();
    game.start();
    const TileWidget *restored = game.main().templateTile();
    if (font) {
        QCOMPARE(restored->tileFont().family(), chosenFont.family());
        QCOMPARE(restored->tileFont().pointSize(), 15);
        QVERIFY(restored->tileFont().bold());
        QVERIFY(!restored->tileFont().italic());
    } else {
        QCOMPARE(restored->tileColour().colour(), chosenColour);
    }
}

void StyleDialogTest::fontChooserOpensOnTheTileFont()
{
    // The stand-ins: bold heavier than regular, and no bitmap-only face holding sizes back.
    const auto ink = [](bool bold) {
        QFont font(QStringLiteral("Tahoma"));
        font.setPixelSize(13);
        font.setBold(bold);
        QImage image(120, 30, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.drawText(4, 22, QStringLiteral("WWMM"));
        painter.end();
        int sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                sum += 255 - qGray(image.pixel(x, y));
        return sum;
    };
    QVERIFY2(ink(true) > ink(false) * 6 / 5, qPrintable(QStringLiteral("%1 %2").arg(ink(true)).arg(ink(false))));
    for (const QString &family : {QStringLiteral("Tahoma"), QStringLiteral("MS Sans Serif")})
        QVERIFY2(!QFontDatabase::hasFamily(family) || QFontDatabase::isSmoothlyScalable(family), qPrintable(family));

    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    QVERIFY(withStylesDialog(window, [&](TfrmStyle &dialog) {
        const SettingsFile ini = game.ini();

        // OK alone keeps the tile font, size and all.
        QFont opened;
        whenModal([&](QWidget *modal) {
            opened = static_cast<QFontDialog *>(modal)->currentFont();
            static_cast<QDialog *>(modal)->accept();
        });
        dialog.pFontClick();
        QCOMPARE(opened.family(), QStringLiteral("Tahoma"));
        QCOMPARE(opened.pointSize(), 10);
        QCOMPARE(ini.readString(Options, QStringLiteral("FontName"), QString()), QStringLiteral("Tahoma"));
        QCOMPARE(ini.readInteger(Options, QStringLiteral("FontSize"), 0), 10);

        QFont chosen(QStringLiteral("DejaVu Serif"));
        chosen.setPointSize(11);
        whenModal([&](QWidget *modal) {
            static_cast<QFontDialog *>(modal)->setCurrentFont(chosen);
            static_cast<QDialog *>(modal)->accept();
        });
        dialog.pFontClick();
        // Cancelled after browsing: the next opening is on the tile font again.
        whenModal([&](QWidget *modal) {
            QFont other(QStringLiteral("DejaVu Sans Mono"));
            other.setPointSize(20);
            static_cast<QFontDialog *>(modal)->setCurrentFont(other);
            static_cast<QDialog *>(modal)->reject();
        });
        dialog.pFontClick();
        whenModal([&](QWidget *modal) {
            opened = static_cast<QFontDialog *>(modal)->currentFont();
            static_cast<QDialog *>(modal)->reject();
        });
        dialog.pFontClick();
        QCOMPARE(opened.family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(opened.pointSize(), 11);

        // "Hint Color" does nothing.
        const int boxes = int(game.boxes.size());
        QTest::mouseClick(dialog.findChild<StylePanel *>(QStringLiteral("Panel23")), Qt::LeftButton);
        QCOMPARE(QApplication::activeModalWidget(), &dialog); // no chooser opened
        QCOMPARE(game.boxes.size(), boxes);
    }));
}

void StyleDialogTest::stylesItemOpensTheDialog()
{
    GameFixture game;
    game.writeQuietSettings();
    game.ini().writeInteger(Options, QStringLiteral("Color"), 0x336699);
    TfrmMain &window = game.start();
    // The desktop colours the menu bar, not the window's own colour.
    QVERIFY(window.menuBar()->palette().color(QPalette::Window) != QColor(128, 128, 255));
    QCOMPARE(window.menuBar()->palette().color(QPalette::Window),
             QApplication::palette(window.menuBar()).color(QPalette::Window));

    TfrmStyle *shown = nullptr;
    QColor sampleColour, buttonColour;
    QPoint position;
    whenModal([&](QWidget *modal) {
        shown = qobject_cast<TfrmStyle *>(modal);
        if (shown) {
            sampleColour = shown->sample(QStringLiteral("Panel5"))->tileColour().colour();
            buttonColour = shown->findChild<StylePanel *>(QStringLiteral("Panel22"))->tileColour().colour();
            position = shown->pos();
        }
        modal->close();
    });
    window.findChild<QAction *>(QStringLiteral("Styles1"))->trigger();
    QVERIFY(shown);
    QCOMPARE(shown->windowTitle(), QStringLiteral("Styles"));
    QCOMPARE(shown->size(), QSize(347, 145));
    QCOMPARE(position, QPoint(33, 41));
    QCOMPARE(sampleColour, colourFromStored(0x336699));
    QCOMPARE(buttonColour, colourFromStored(0x336699));
    QVERIFY(game.boxes.isEmpty());
    QCOMPARE(window.activationCount(), 1); // a modal dialog hands the focus back without an activation
}

void StyleDialogTest::backgroundOpensBesideTheModalDialog()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    TfrmBG &background = game.program->backgroundDialog();
    bool usable = false;
    QVERIFY(withStylesDialog(window, [&](TfrmStyle &styles) {
        QTest::mouseClick(styles.findChild<StylePanel *>(QStringLiteral("Panel22")), Qt::LeftButton);
        if (background.isVisible() && QTest::qWaitForWindowExposed(&background)) {
            // The modal Styles dialog does not block it: a click reaches "Stretch".
            QTest::mouseClick(background.CheckBox1, Qt::LeftButton);
            usable = !background.CheckBox1->isChecked();
        }
    }));
    QVERIFY(usable);
    QVERIFY(!window.backgroundImage()->stretch());
    QVERIFY(background.isVisible()); // it stays when the Styles dialog closes
    QCOMPARE(background.pos(), QPoint(193, 109));
    QVERIFY(!game.ini().readBool(Options, QStringLiteral("Stretch"), true));
}

QTEST_MAIN(StyleDialogTest)
#include "style_dialog_test.moc"
