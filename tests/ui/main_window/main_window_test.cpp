// SPDX-License-Identifier: GPL-3.0-or-later
// The main window from program entry to close: start-up with and without a
// settings file, the menus, the key hook, the look restored at activation,
// the Options saved at close, and the top-level error handler.
#include "support/game_fixture.h"
#include "support/board_tiles.h"

#include "base/game_error.h"
#include "sound/sound_layer.h"
#include "ui/background/background_image.h"
#include "ui/main_window/activation_tracker.h"
#include "ui/main_window/banner.h"
#include "ui/main_window/help_links.h"
#include "ui/styles/tile_style.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QFontInfo>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>

#include <sys/inotify.h>
#include <unistd.h>

namespace {
const QString Options = QStringLiteral("Options");

QStringList iniKeys(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList keys;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            keys << QString::fromUtf8(line.left(eq)).trimmed();
    }
    return keys;
}

// Records the levels the close steps apply, and whether the volume of
// before the start was put back after them.
class LevelRecorder : public SilentSoundLayer
{
public:
    void setOutputLevel(int level) override
    {
        levels << level;
        SilentSoundLayer::setOutputLevel(level);
    }
    void restoreDeviceVolume() override { restoredAfter = levels.size(); }
    QList<int> levels;
    qsizetype restoredAfter = -1;
};

LevelRecorder &recordLevels(TfrmMain &window)
{
    auto recorder = std::make_unique<LevelRecorder>();
    recorder->SilentSoundLayer::setOutputLevel(window.sound().outputLevel());
    LevelRecorder &ref = *recorder;
    window.setSoundLayer(std::move(recorder));
    return ref;
}

// Counts the starts of the background music.
class MusicStarts : public SilentSoundLayer
{
public:
    void StartMusic() override { ++starts; }
    int starts = 0;
};

// An object whose events throw, to reach the application's top-level handler.
class Thrower : public QObject
{
public:
    bool useGameError = true;
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        if (useGameError)
            throw GameError(QStringLiteral("Unable to load the Knowledge Base"));
        throw std::runtime_error("plain failure");
    }
};
} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void startWithoutSettingsFile();
    void noAddressNoWayOut();
    void startWithSettingsFile();
    void newsCheckEvery30Days_data();
    void newsCheckEvery30Days();
    void lookStyleNames_data();
    void lookStyleNames();
    void menuItems_data();
    void menuItems();
    void soundAndMusicRadioItems();
    void popupItemsDoWhatTheMainMenuDoes();
    void keyHookTakesF2F3F7();
    void menusInOrder();
    void optionsSavedAtCloseInComponentOrder();
    void closeFadesMusicOnlyWhenTicked_data();
    void closeFadesMusicOnlyWhenTicked();
    void backgroundCopySavedAtCloseAndLoadedAtStart();
    void closeGoesOnWhenSettingsCannotBeWritten();
    void uncaughtErrorsAreShownAndTheProgramGoesOn();
    void musicAndFontsComeAfterTheFirstPicture();
};

void MainWindowTest::noAddressNoWayOut()
{
    // A build without addresses: no news question at start, no items that would lead nowhere.
    GameFixture game;
    HelpLinks::setAddresses({});
    TfrmMain &window = game.start();
    QTest::qWait(ActivationTracker::NeverActivatedMs + 100);
    QCOMPARE(window.activationCount(), 1);
    QVERIFY(game.boxes.isEmpty());
    QStringList offered;
    for (QAction *item : window.menuBar()->findChild<QMenu *>(QStringLiteral("Help2"))->actions())
        if (item->isVisible() && !item->isSeparator())
            offered << item->objectName();
    QCOMPARE(offered, (QStringList{"Contents1", "About3"}));
}

void MainWindowTest::startWithoutSettingsFile()
{
    GameFixture game;
    TfrmMain &window = game.start();

    QCOMPARE(window.windowTitle(), QStringLiteral("Splitwick"));
    QCOMPARE(window.activationCount(), 1);
    // The fresh file asks the news question; No opens nothing, and "lnd" is written all the same.
    QCOMPARE(game.boxes.size(), 1);
    QCOMPARE(game.boxes[0].kind, Desktop::BoxKind::Warning);
    QCOMPARE(game.boxes[0].text, HelpLinks::NewsQuestion);
    QVERIFY(game.boxes[0].buttons.testFlag(QMessageBox::No));
    QVERIFY(game.opened.isEmpty());
    QCOMPARE(game.ini().readInteger(Options, QStringLiteral("lnd"), 0), GameFixture::today());

    // No dictionary saved: the second of the list.
    QCOMPARE(game.options().dictionaryNames(), QStringList({"alpha", "beta"}));
    QCOMPARE(game.options().dictionary(), QStringLiteral("beta"));

    // The first help line comes in from the right behind 33 blanks.
    const QString line = Banner::helpLine(1) + QString(Banner::TrailingBlanks, ' ');
    const QString lb = window.findChild<QLabel *>("LB")->text();
    QVERIFY2(lb.endsWith(line), qPrintable(lb));
    const qsizetype lead = lb.size() - line.size();
    QVERIFY2(lead <= 33 && lead >= 28, qPrintable(QString::number(lead)));
    QCOMPARE(window.banner().lineCounter(), quint16(1));
    QVERIFY(window.findChild<QTimer *>("bTimer")->isActive());
    QCOMPARE(window.findChild<QTimer *>("bTimer")->interval(), 100);
    QVERIFY(!window.findChild<QTimer *>("Timer1")->isActive());
    QCOMPARE(window.findChild<QTimer *>("Timer1")->interval(), 15000);

    // Defaults of the look: button face, the template's face at 10 pt not bold, Panel1, stretched.
    TileWidget *pCopy = window.templateTile();
    QCOMPARE(pCopy->tileColour().stored, ButtonFaceStored);
    QCOMPARE(pCopy->tileFont().family(), QStringLiteral("Tahoma"));
    QCOMPARE(pCopy->tileFont().pointSize(), 10);
    QVERIFY(!pCopy->tileFont().bold());
    QCOMPARE(pCopy->border(), defaultTileBorder());
    QVERIFY(!pCopy->isVisible());
    QCOMPARE(pCopy->height(), TfrmMain::templateHeightFor(window.fullScreenClientHeight()));
    QVERIFY(window.backgroundImage()->stretch());
    QVERIFY(!window.backgroundImage()->hasPicture());

    QLabel *counter = window.findChild<QLabel *>("Counter");
    QCOMPARE(counter->text(), QStringLiteral("0"));
    QCOMPARE(counter->toolTip(), QStringLiteral("This is your rating. The closer to 100, the better the score."));
    QVERIFY(!window.findChild<QLabel *>("lROund")->isVisible());
    QCOMPARE(window.findChild<QWidget *>("pStatus")->height(), 25);
    QCOMPARE(window.findChild<QWidget *>("pGame")->palette().color(QPalette::Window), QColor(188, 156, 248));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(128, 128, 255));
    // Today's size at a first start, and never smaller; it grows and maximises.
    QCOMPARE(window.size(), window.minimumSize());
    QCOMPARE(window.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    const QRect screen = window.screen()->geometry();
    QVERIFY(qAbs(window.frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(window.frameGeometry().center().y() - screen.center().y()) <= 1);
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    for (int slot = 1; slot <= 250; ++slot)
        QVERIFY(!boardTile(window, slot)->isVisible());
}

void MainWindowTest::startWithSettingsFile()
{
    GameFixture game;
    SettingsFile ini = game.ini();
    ini.writeInteger(Options, QStringLiteral("lnd"), GameFixture::today());
    ini.writeInteger(Options, QStringLiteral("Color"), 0x0000FF); // red in the low byte
    ini.writeString(Options, QStringLiteral("FontName"), QStringLiteral("Courier New"));
    ini.writeInteger(Options, QStringLiteral("FontSize"), 14);
    ini.writeBool(Options, QStringLiteral("FontBold"), true);
    ini.writeString(Options, QStringLiteral("Style"), QStringLiteral("panel7"));
    ini.writeBool(Options, QStringLiteral("Stretch"), false);
    ini.writeString(Options, QStringLiteral("Dictionary"), QStringLiteral("alpha"));
    ini.writeInteger(Options, QStringLiteral("Presets"), 3);
    ini.writeBool(Options, QStringLiteral("vlast"), true);

    // The whole start reads the file once: the language, the look and the options share that read.
    // (A file written this very moment is read again at each look: its time cannot tell a newer change.)
    QFile written(game.iniPath());
    QVERIFY(written.open(QIODevice::ReadWrite));
    QVERIFY(written.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    written.close();
    const int opens = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(opens >= 0);
    // (With the closes watched too, two opens are two events, not one merged.)
    QVERIFY(inotify_add_watch(opens, QFile::encodeName(game.iniPath()).constData(), IN_OPEN | IN_CLOSE) >= 0);
    TfrmMain &window = game.start();
    alignas(inotify_event) char events[4096];
    const ssize_t got = read(opens, events, sizeof events);
    close(opens);
    int opened = 0;
    for (ssize_t at = 0; at < got; at += ssize_t(sizeof(inotify_event)) + reinterpret_cast<inotify_event *>(events + at)->len)
        opened += (reinterpret_cast<inotify_event *>(events + at)->mask & IN_OPEN) ? 1 : 0;
    QCOMPARE(opened, 1);
    QVERIFY(game.boxes.isEmpty());
    QCOMPARE(game.options().dictionary(), QStringLiteral("alpha"));
    QCOMPARE(game.options().presetsIndex(), 3);
    QVERIFY(game.options().fixedCell(FixedCell::Last));

    TileWidget *pCopy = window.templateTile();
    QCOMPARE(pCopy->tileColour().colour(), QColor(255, 0, 0));
    QCOMPARE(pCopy->tileFont().family(), QStringLiteral("Courier New"));
    QCOMPARE(pCopy->tileFont().pointSize(), 14);
    QVERIFY(pCopy->tileFont().bold());
    QCOMPARE(pCopy->border(), findStyleSample(QStringLiteral("Panel7"))->border);
    QVERIFY(!window.backgroundImage()->stretch());
    QCOMPARE(window.banner().lineCounter(), quint16(1));
}

void MainWindowTest::newsCheckEvery30Days_data()
{
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<bool>("asked");
    QTest::newRow("30 days") << 30 << false;
    QTest::newRow("31 days") << 31 << true;
    QTest::newRow("today") << 0 << false;
    QTest::newRow("a year") << 365 << true;
}

void MainWindowTest::newsCheckEvery30Days()
{
    QFETCH(int, daysAgo);
    QFETCH(bool, asked);
    GameFixture game;
    const int last = GameFixture::today() - daysAgo;
    game.ini().writeInteger(Options, QStringLiteral("lnd"), last);
    game.start();
    QCOMPARE(game.countBoxes(Desktop::BoxKind::Warning), asked ? 1 : 0);
    QCOMPARE(game.ini().readInteger(Options, QStringLiteral("lnd"), 0), asked ? GameFixture::today() : last);
}

void MainWindowTest::lookStyleNames_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("sample");
    QTest::newRow("lower case") << "panel7" << "Panel7";
    QTest::newRow("upper case") << "PANEL7" << "Panel7";
    QTest::newRow("panel21") << "Panel21" << "panel21";
    QTest::newRow("no such sample") << "Panel22" << "Panel1";
    QTest::newRow("empty") << "" << "Panel1";
}

void MainWindowTest::lookStyleNames()
{
    QFETCH(QString, stored);
    QFETCH(QString, sample);
    GameFixture game;
    game.writeQuietSettings();
    game.ini().writeString(Options, QStringLiteral("Style"), stored);
    TfrmMain &window = game.start();
    QCOMPARE(window.templateTile()->border(), findStyleSample(sample)->border);
}

void MainWindowTest::menuItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<bool>("checked");
    const QKeySequence none;
    QTest::newRow("HonorRoll2") << "HonorRoll2" << "Statistics" << none << true << false << false;
    QTest::newRow("Exit1") << "Exit1" << "Exit" << none << true << false << false;
    QTest::newRow("Game1") << "Game1" << "New Game" << QKeySequence(Qt::Key_F2) << true << false << false;
    QTest::newRow("mReveal") << "mReveal" << "Clue" << QKeySequence(Qt::Key_F11) << false << false << false;
    QTest::newRow("mSolve") << "mSolve" << "Solve" << QKeySequence(Qt::Key_F12) << false << false << false;
    QTest::newRow("mSettings") << "mSettings" << "Settings" << QKeySequence(Qt::Key_F7) << true << false << false;
    QTest::newRow("Styles1") << "Styles1" << "Styles" << QKeySequence(Qt::Key_F8) << true << false << false;
    QTest::newRow("Banner") << "Banner" << "Banner" << none << true << true << true;
    QTest::newRow("mHints") << "mHints" << "Hover Hints" << none << true << true << true;
    QTest::newRow("mSOund") << "mSOund" << "Sound Effects" << none << true << true << false;
    QTest::newRow("mMusic") << "mMusic" << "Music" << none << true << true << true;
    QTest::newRow("Contents1") << "Contents1" << "How to Play" << QKeySequence(Qt::Key_F1) << true << false << false;
    QTest::newRow("ByEmail1") << "ByEmail1" << "E-mail Support" << none << true << false << false;
    QTest::newRow("TryOtherGames1") << "TryOtherGames1" << "News and New Games" << none << true << false << false;
    QTest::newRow("WebSite2") << "WebSite2" << "Web Site" << none << true << false << false;
    QTest::newRow("About3") << "About3" << "About" << none << true << false << false;
    QTest::newRow("Help1") << "Help1" << "Help" << QKeySequence(Qt::Key_F1) << true << false << false;
    QTest::newRow("New1") << "New1" << "New Game" << QKeySequence(Qt::Key_F2) << true << false << false;
    QTest::newRow("WordGame1") << "WordGame1" << "Word Game" << none << true << true << true;
    QTest::newRow("PhraseGame1") << "PhraseGame1" << "Phrase Game" << none << true << true << false;
    QTest::newRow("Settings1") << "Settings1" << "Settings" << QKeySequence(Qt::Key_F7) << true << false << false;
    QTest::newRow("Solve1") << "Solve1" << "Solve" << QKeySequence(Qt::Key_F12) << false << false << false;
    QTest::newRow("Clue1") << "Clue1" << "Clue" << QKeySequence(Qt::SHIFT | Qt::Key_F12) << false << false << false;
    QTest::newRow("HonorRoll1") << "HonorRoll1" << "Honor Roll" << none << true << false << false;
    QTest::newRow("MakerWebsite1") << "MakerWebsite1" << "Maker Website" << none << true << false << false;
    QTest::newRow("About1") << "About1" << "About" << none << true << false << false;
}

void MainWindowTest::menuItems()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QFETCH(bool, enabled);
    QFETCH(bool, checkable);
    QFETCH(bool, checked);
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    QAction *action = window.findChild<QAction *>(name);
    QVERIFY(action);
    QCOMPARE(QString(action->text()).remove(QLatin1Char('&')), caption); // as shown, mnemonics aside
    QCOMPARE(action->shortcut(), shortcut);
    QCOMPARE(action->isEnabled(), enabled);
    QCOMPARE(action->isCheckable(), checkable);
    QCOMPARE(action->isChecked(), checked);
}

void MainWindowTest::soundAndMusicRadioItems()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    QAction *sound = window.findChild<QAction *>("mSOund");
    QAction *music = window.findChild<QAction *>("mMusic");
    const auto ticks = [&] { return QPair<bool, bool>(sound->isChecked(), music->isChecked()); };
    // Radio items (a menu draws them with radio marks): each pair in one exclusive group.
    for (const auto &[first, second] : {qMakePair("mSOund", "mMusic"), qMakePair("WordGame1", "PhraseGame1")}) {
        QActionGroup *group = window.findChild<QAction *>(first)->actionGroup();
        QVERIFY2(group && group->isExclusive(), first);
        QCOMPARE(window.findChild<QAction *>(second)->actionGroup(), group);
    }
    sound->trigger();
    QCOMPARE(ticks(), qMakePair(true, false));
    sound->trigger(); // unticking the ticked one leaves both unticked
    QCOMPARE(ticks(), qMakePair(false, false));
    music->trigger();
    QCOMPARE(ticks(), qMakePair(false, true));
    sound->trigger();
    QCOMPARE(ticks(), qMakePair(true, false));
    music->trigger();
    QCOMPARE(ticks(), qMakePair(false, true));
    music->trigger();
    QCOMPARE(ticks(), qMakePair(false, false));

    // "Phrase Game" changes nothing: the tick stays on "Word Game".
    window.findChild<QAction *>("PhraseGame1")->trigger();
    QVERIFY(window.findChild<QAction *>("WordGame1")->isChecked());
    QVERIFY(!window.findChild<QAction *>("PhraseGame1")->isChecked());
}

void MainWindowTest::popupItemsDoWhatTheMainMenuDoes()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    const auto fire = [&](const char *name) {
        QAction *action = window.findChild<QAction *>(QLatin1String(name));
        QVERIFY(action);
        action->trigger();
    };
    fire("Help1");
    fire("Contents1");
    QCOMPARE(game.opened.size(), 2);
    QCOMPARE(game.opened[0], game.opened[1]);
    QVERIFY(game.opened[0].toLocalFile().endsWith(QStringLiteral("xq/xq.htm"), Qt::CaseInsensitive));

    fire("MakerWebsite1");
    fire("WebSite2");
    QCOMPARE(game.opened.size(), 4);
    QCOMPARE(game.opened[2], QUrl(HelpLinks::addresses().webSite));
    QCOMPARE(game.opened[3], QUrl(HelpLinks::addresses().webSite));

    // About, Settings, Statistics and Styles are modal windows: close them as soon as they are up.
    for (const char *name : {"About1", "About3", "Settings1", "mSettings", "HonorRoll1", "HonorRoll2", "Styles1"}) {
        int shown = 0;
        QTimer::singleShot(0, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                ++shown;
                modal->close();
            }
        });
        fire(name);
        QCOMPARE(shown, 1);
    }
    QCOMPARE(game.engine().board().TileCount(), 0); // "OK" starts no round
}

void MainWindowTest::keyHookTakesF2F3F7()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();

    // F7 opens the Options dialog; closed through "New Cells" it deals a round.
    game.options().setPresetsIndex(3);
    game.options().setWordCount(10);
    QTimer::singleShot(0, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            if (auto *newCells = modal->findChild<QAbstractButton *>("bNewWords"))
                newCells->click();
    });
    QTest::keyClick(&window, Qt::Key_F7);
    QCOMPARE(game.engine().board().TileCount(), 30);

    // F3 is swallowed and changes nothing.
    const QString lb = window.findChild<QLabel *>("LB")->text();
    QTest::keyClick(&window, Qt::Key_F3);
    QCOMPARE(game.engine().board().TileCount(), 30);

    // F2 starts another round even when the main menu's item would not be asked.
    QSignalSpy newGame(window.findChild<QAction *>("Game1"), &QAction::triggered);
    game.options().setPresetsIndex(0);
    game.options().setWordCount(4);
    QTest::keyClick(&window, Qt::Key_F2);
    QCOMPARE(game.engine().board().TileCount(), 12);
    QCOMPARE(newGame.count(), 0); // the hook took it before the menu
}

void MainWindowTest::menusInOrder()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    QWidget *board = window.board();
    auto *popup = window.findChild<QMenu *>("PopupMenu1");
    QVERIFY(popup && !popup->isVisible());
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(20, 20), board->mapToGlobal(QPoint(20, 20)));
    QCoreApplication::sendEvent(board, &request);
    QVERIFY(popup->isVisible());
    const auto captions = [](const QList<QAction *> &actions) {
        QStringList list;
        for (QAction *action : actions)
            list << (action->isSeparator() ? QStringLiteral("-") : QString(action->text()).remove(QLatin1Char('&')));
        return list;
    };
    QCOMPARE(captions(popup->actions()), QStringList({"Help", "New Game", "-", "Word Game", "Phrase Game", "-",
                                                      "Settings", "Solve", "Clue", "Honor Roll", "-",
                                                      "Maker Website", "About", "-", "Copy Round Code"}));
    popup->close();

    // The main menu, menu by menu.
    QStringList menus;
    for (QAction *menu : window.menuBar()->actions())
        menus << QString(menu->text()).remove(QLatin1Char('&')) + ": " + captions(menu->menu()->actions()).join('|');
    QCOMPARE(menus, QStringList({"File: Statistics|Exit", "Game: New Game|-|Clue|Solve|-|Round Number...|Today's Round|Copy Round Code",
                                 "Options: Settings|Styles|-|Zoom In|Zoom Out|Actual Size|-|Banner|Hover Hints|Colour-blind Cues|-|Sound Effects|Music",
                                 "Help: How to Play|-|E-mail Support|News and New Games|Web Site|-|About"}));
}

void MainWindowTest::optionsSavedAtCloseInComponentOrder()
{
    GameFixture game;
    game.writeQuietSettings();
    game.start();
    OptionsModel &options = game.options();
    options.setPresetsIndex(7);
    options.setFixedCell(FixedCell::Random, true);
    options.setShowDefinitions(true);
    options.setSoundText(SoundSlot::GameWon, QStringLiteral("None"));
    options.setDictionaryIndex(0);
    options.setWordCount(33); // not saved

    QSignalSpy closed(&game.main(), &TfrmMain::closed);
    game.main().findChild<QAction *>("Exit1")->trigger();
    QCOMPARE(closed.count(), 1);
    QVERIFY(!game.main().isVisible());

    // The saved keys follow "lnd" (written before) in the dialog's component order.
    const QStringList keys = iniKeys(game.iniPath());
    const qsizetype first = keys.indexOf(QStringLiteral("Presets"));
    QVERIFY(first > 0);
    QCOMPARE(keys.mid(first, OptionsModel::savedKeys().size()), OptionsModel::savedKeys());
    SettingsFile ini = game.ini();
    QCOMPARE(ini.readInteger(Options, QStringLiteral("Presets"), -5), 7);
    QCOMPARE(ini.readString(Options, QStringLiteral("Dictionary"), {}), QStringLiteral("alpha"));
    QVERIFY(ini.readBool(Options, QStringLiteral("vRandom"), false));
    QVERIFY(!ini.readBool(Options, QStringLiteral("vfirst"), true));
    QVERIFY(ini.readBool(Options, QStringLiteral("Def"), false));
    QCOMPARE(ini.readString(Options, QStringLiteral("GameWonSound"), {}), QStringLiteral("None"));
    QVERIFY(!keys.contains(QStringLiteral("nWords")));
    QVERIFY(!keys.contains(QStringLiteral("handicap")));
    QCOMPARE(game.main().findChild<QLabel *>("LB")->text(), QString());
    QVERIFY(!game.main().findChild<QTimer *>("bTimer")->isActive());
}

void MainWindowTest::closeFadesMusicOnlyWhenTicked_data()
{
    QTest::addColumn<bool>("music");
    QTest::addColumn<int>("level");
    QTest::newRow("music ticked") << true << 4060;
    QTest::newRow("music unticked") << false << 40960;
}

void MainWindowTest::closeFadesMusicOnlyWhenTicked()
{
    QFETCH(bool, music);
    QFETCH(int, level);
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    // The splash left the level at its last row, and the volume slider shows it.
    QCOMPARE(window.sound().outputLevel(), 40960);
    QCOMPARE(game.options().volumePosition(), 6);
    if (!music)
        window.findChild<QAction *>("mMusic")->trigger();
    LevelRecorder &sound = recordLevels(window);
    window.close();
    QCOMPARE(sound.outputLevel(), level);
    QCOMPARE(sound.restoredAfter, sound.levels.size());
}

void MainWindowTest::backgroundCopySavedAtCloseAndLoadedAtStart()
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    {
        GameFixture game;
        game.writeQuietSettings();
        // A copy under another letter case is found all the same.
        QVERIFY(picture.save(game.dir.filePath(QStringLiteral("xqbg.bmp")), "BMP"));
        TfrmMain &window = game.start();
        QVERIFY(window.backgroundImage()->hasPicture());
        QCOMPARE(window.backgroundImage()->picture().size(), QSize(40, 30));
    }
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    QVERIFY(!window.backgroundImage()->hasPicture());
    window.close();
    QVERIFY(!QFile::exists(game.dir.filePath(QStringLiteral("XQBG.BMP"))));

    GameFixture second;
    second.writeQuietSettings();
    TfrmMain &again = second.start();
    again.backgroundImage()->setPicture(picture);
    again.close();
    QImage saved(second.dir.filePath(QStringLiteral("XQBG.BMP")));
    QCOMPARE(saved.size(), QSize(40, 30));
    QCOMPARE(saved.pixelColor(5, 5), QColor(10, 200, 30));
}

void MainWindowTest::closeGoesOnWhenSettingsCannotBeWritten()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    // A folder where the settings file should be: every write fails.
    QVERIFY(QFile::remove(game.iniPath()));
    QVERIFY(QDir().mkpath(game.iniPath()));
    game.boxes.clear();
    LevelRecorder &sound = recordLevels(window);
    QSignalSpy closed(&window, &TfrmMain::closed);
    window.close();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(game.countBoxes(Desktop::BoxKind::Error), 1);
    QVERIFY(game.boxes[0].text.contains(QStringLiteral("ZRV_XQ.INI")));
    QCOMPARE(sound.outputLevel(), 4060); // the fade still ran
}

void MainWindowTest::uncaughtErrorsAreShownAndTheProgramGoesOn()
{
    GameFixture game;
    Thrower thrower;
    QEvent first(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &first);
    thrower.useGameError = false;
    QEvent second(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &second);
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    QCOMPARE(game.boxes.size(), 3);
    QCOMPARE(game.boxes[0].kind, Desktop::BoxKind::Error);
    QCOMPARE(game.boxes[0].text, QStringLiteral("Unable to load the Knowledge Base"));
    QCOMPARE(game.boxes[1].text, QStringLiteral("plain failure"));
    QCOMPARE(game.boxes[2].text, QStringLiteral("plain failure"));
}

void MainWindowTest::musicAndFontsComeAfterTheFirstPicture()
{
    GameFixture game;
    game.writeQuietSettings();
    game.program = std::make_unique<GameProgram>(game.desktop);
    TfrmMain &window = game.program->mainWindow();
    auto recorder = std::make_unique<MusicStarts>();
    MusicStarts &music = *recorder;
    window.setSoundLayer(std::move(recorder));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(music.starts, 1); // once, with the splash or the window on screen
    QTest::qWait(50);
    QCOMPARE(music.starts, 1);

    // The first board is drawn in the look-alike of the tiles' "Tahoma".
    if (!QFileInfo::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")))
        QSKIP("fonts-wine is not installed");
    game.deal(QStringLiteral("5 letters: 2-1-2"), 10, FixedCell::First);
    QVERIFY(boardTile(window, 1)->isVisible());
    QCOMPARE(QFontInfo(boardTile(window, 1)->tileFont()).family(), QStringLiteral("Tahoma"));
}

int main(int argc, char *argv[])
{
    GameApplication app(argc, argv);
    initialiseProgram();
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "main_window_test.moc"
