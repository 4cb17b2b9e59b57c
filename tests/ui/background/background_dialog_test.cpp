// SPDX-License-Identifier: GPL-3.0-or-later
// A picked background picture shows at once and is kept; an unreadable one
// changes nothing.

#include "support/game_fixture.h"

#include "ui/background/background_dialog.h"
#include "ui/background/board_background.h"
#include "ui/background/background_image.h"
#include "ui/windows/debug_window.h"
#include "ui/styles/tile_look_holder.h"

#include "ui/main_window/banner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QListWidget>
#include <QtTest>

namespace {
const QString Options = QStringLiteral("Options");

void writePicture(const QString &path, const QColor &colour)
{
    QImage picture(24, 16, QImage::Format_RGB32);
    picture.fill(colour);
    QVERIFY(picture.save(path, "BMP"));
}

bool activate(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

QStringList listed(const QListWidget *list)
{
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    return names;
}

void pick(TfrmBG &dialog, const QString &name)
{
    const QList<QListWidgetItem *> items = dialog.FileListBox1->findItems(name, Qt::MatchExactly);
    QVERIFY(items.size() == 1);
    const QRect place = dialog.FileListBox1->visualItemRect(items.first());
    QTest::mouseClick(dialog.FileListBox1->viewport(), Qt::LeftButton, {}, place.center());
}
} // namespace

class BackgroundDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void pickedPictureIsShownAndWritten();
    void stretchIsAppliedAndWritten();
    void startFolder_data();
    void startFolder();
    void focusBackFromTheDialogReappliesTheLook();
};

void BackgroundDialogTest::pickedPictureIsShownAndWritten()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    QTemporaryDir pictures;
    writePicture(pictures.filePath(QStringLiteral("sky.bmp")), QColor(20, 40, 200));
    writePicture(pictures.filePath(QStringLiteral("SEA.BMP")), QColor(0, 120, 90));
    QFile broken(pictures.filePath(QStringLiteral("broken.bmp")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("BM this is no bitmap");
    broken.close();
    QFile text(pictures.filePath(QStringLiteral("notes.txt")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.close();

    TfrmBG &dialog = game.program->backgroundDialog();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.setFolder(pictures.path());
    QCOMPARE(listed(dialog.FileListBox1), QStringList({"broken.bmp", "SEA.BMP", "sky.bmp"}));
    // Listing a folder loads nothing.
    QVERIFY(!window.backgroundImage()->hasPicture());

    pick(dialog, QStringLiteral("sky.bmp"));
    QVERIFY(window.backgroundImage()->hasPicture());
    QCOMPARE(window.backgroundImage()->picture().pixelColor(3, 3), QColor(20, 40, 200));
    const QString sky = pictures.filePath(QStringLiteral("sky.bmp"));
    QCOMPARE(game.ini().readString(Options, QStringLiteral("Picture"), {}), sky);
    // On the board, stretched over the whole game area.
    const QImage shot = window.board()->grab().toImage();
    QCOMPARE(shot.pixelColor(shot.width() / 2, shot.height() / 2), QColor(20, 40, 200));

    // A file that is no picture: a message naming it, the board and the settings as they were.
    pick(dialog, QStringLiteral("broken.bmp"));
    QCOMPARE(game.boxes.size(), 1);
    QVERIFY(game.boxes[0].text.contains(pictures.filePath(QStringLiteral("broken.bmp"))));
    QVERIFY(game.boxes[0].text.contains(QStringLiteral("is not a picture that can be shown")));
    QCOMPARE(window.backgroundImage()->picture().pixelColor(3, 3), QColor(20, 40, 200));
    QCOMPARE(game.ini().readString(Options, QStringLiteral("Picture"), {}), sky);

    pick(dialog, QStringLiteral("SEA.BMP"));
    QCOMPARE(window.backgroundImage()->picture().pixelColor(3, 3), QColor(0, 120, 90));

    // "OK" closes it; the picture is kept as the copy when the game closes.
    QTest::mouseClick(dialog.OKButton, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    window.close();
    QImage copy(game.dir.filePath(QStringLiteral("XQBG.BMP")));
    QCOMPARE(copy.pixelColor(3, 3), QColor(0, 120, 90));
}

void BackgroundDialogTest::stretchIsAppliedAndWritten()
{
    GameFixture game;
    game.writeQuietSettings();
    game.ini().writeBool(Options, QStringLiteral("Stretch"), false);
    TfrmMain &window = game.start();
    QVERIFY(!window.backgroundImage()->stretch());
    TfrmBG &dialog = game.program->backgroundDialog();
    dialog.show();
    // The box shows what the board does, also when a restart read "Stretch" off.
    QVERIFY(!dialog.CheckBox1->isChecked());
    QTest::mouseClick(dialog.CheckBox1, Qt::LeftButton);
    QVERIFY(window.backgroundImage()->stretch());
    QVERIFY(game.ini().readBool(Options, QStringLiteral("Stretch"), false));
    QTest::mouseClick(dialog.CheckBox1, Qt::LeftButton);
    QVERIFY(!window.backgroundImage()->stretch());
    QVERIFY(!game.ini().readBool(Options, QStringLiteral("Stretch"), true));

    // At natural size the picture sits in the top-left corner.
    QImage small(10, 10, QImage::Format_RGB32);
    small.fill(Qt::red);
    window.backgroundImage()->setPicture(small);
    const QImage shot = window.backgroundImage()->grab().toImage();
    QCOMPARE(shot.pixelColor(5, 5), QColor(Qt::red));
    QVERIFY(shot.pixelColor(shot.width() - 5, shot.height() - 5) != QColor(Qt::red));
}

void BackgroundDialogTest::startFolder_data()
{
    QTest::addColumn<bool>("pictureFolderExists");
    QTest::addColumn<bool>("homePictures");
    QTest::addColumn<QString>("expected"); // "picture", "pictures" or "home"
    QTest::newRow("folder of the picture") << true << true << "picture";
    QTest::newRow("picture's folder gone") << false << true << "pictures";
    QTest::newRow("no pictures folder") << false << false << "home";
}

void BackgroundDialogTest::startFolder()
{
    QFETCH(bool, pictureFolderExists);
    QFETCH(bool, homePictures);
    QFETCH(QString, expected);
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldXdg = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")).toUtf8());
    QDir(home.path()).mkpath(QStringLiteral("elsewhere"));
    if (homePictures)
        QDir(home.path()).mkpath(QStringLiteral("Pictures"));
    const QString pictureFolder = home.filePath(pictureFolderExists ? QStringLiteral("elsewhere")
                                                                    : QStringLiteral("gone"));

    GameFixture game;
    game.writeQuietSettings();
    game.ini().writeString(Options, QStringLiteral("Picture"), pictureFolder + QStringLiteral("/x.bmp"));
    game.start();
    TfrmBG &dialog = game.program->backgroundDialog();
    dialog.show();
    const QString want = expected == QLatin1String("picture")    ? pictureFolder
                         : expected == QLatin1String("pictures") ? home.filePath(QStringLiteral("Pictures"))
                                                                 : home.path();
    QCOMPARE(dialog.folder(), QDir::cleanPath(want));
    // Under the home folder the tree starts there.
    QCOMPARE(dialog.DriveComboBox1->currentData().toString(), home.path());
    dialog.hide();
    game.program.reset();
    qputenv("HOME", oldHome);
    if (oldXdg.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldXdg);
}

void BackgroundDialogTest::focusBackFromTheDialogReappliesTheLook()
{
    GameFixture game;
    game.writeQuietSettings();
    writePicture(game.dir.filePath(QStringLiteral("XQBG.BMP")), QColor(200, 0, 0));
    TfrmMain &window = game.start();
    QCOMPARE(window.backgroundImage()->picture().pixelColor(1, 1), QColor(200, 0, 0));

    // Bold italic chosen: italic lasts until the look is read again.
    SettingsFile ini = game.ini();
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(13);
    font.setBold(true);
    font.setItalic(true);
    window.tileLook().pickFont(font, ini);
    QVERIFY(window.templateTile()->tileFont().italic());
    ini.writeString(Options, QStringLiteral("Style"), QStringLiteral("Panel13"));

    TfrmBG &dialog = game.program->backgroundDialog();
    dialog.show();
    QTemporaryDir pictures;
    writePicture(pictures.filePath(QStringLiteral("new.bmp")), QColor(0, 0, 200));
    dialog.setFolder(pictures.path());
    QVERIFY(activate(&dialog));
    pick(dialog, QStringLiteral("new.bmp"));
    const int before = window.activationCount();
    const quint16 line = window.banner().lineCounter();
    QVERIFY(activate(&window));
    QCOMPARE(window.activationCount(), before + 1);
    QCOMPARE(window.banner().lineCounter(), quint16(line + 1));
    const QFont restored = window.templateTile()->tileFont();
    QVERIFY(restored.bold());
    QVERIFY(!restored.italic());
    QCOMPARE(restored.pointSize(), 13);
    QVERIFY(window.templateTile()->border() == findStyleSample(QStringLiteral("Panel13"))->border);
    // The picture just picked stays; the older copy on disk does not come back over it.
    QCOMPARE(window.backgroundImage()->picture().pixelColor(1, 1), QColor(0, 0, 200));
}

QTEST_MAIN(BackgroundDialogTest)
#include "background_dialog_test.moc"
