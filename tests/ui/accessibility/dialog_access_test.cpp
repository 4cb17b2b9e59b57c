// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs by keys and by ear: what a screen reader reads from each, the
// choices the keys make, the shortcut letters, and every coloured text
// readable with high contrast on.
#include "support/game_fixture.h"
#include "support/styles_dialog.h"

#include "ui/background/background_dialog.h"
#include "ui/background/background_image.h"
#include "ui/board/palette.h"
#include "ui/main_window/banner.h"
#include "ui/main_window/status_panel.h"
#include "ui/options/options_dialog.h"
#include "ui/styles/colour_name.h"
#include "ui/styles/style_panel.h"

#include <QAccessible>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>

namespace {
const QString Options = QStringLiteral("Options");

QAccessibleInterface *reader(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString spokenText(QObject *object)
{
    QAccessibleTextInterface *text = reader(object)->textInterface();
    return text ? text->text(0, text->characterCount()) : QStringLiteral("<no text>");
}

// Runs steps in the Options dialog opened by F7, as the player opens it.
bool withOptions(TfrmMain &window, const std::function<void(Tfo &)> &steps)
{
    bool shown = false;
    QTimer::singleShot(0, &window, [&] {
        auto *dialog = qobject_cast<Tfo *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        shown = QTest::qWaitForWindowExposed(dialog);
        if (shown)
            steps(*dialog);
        dialog->close();
    });
    QTest::keyClick(&window, Qt::Key_F7);
    return shown && !QTest::currentTestFailed();
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// The contrast of the text painted in w: its commonest colour is the ground,
// the pixel farthest from it the letters.
double paintedContrast(QWidget *w)
{
    const QImage shot = w->window()->grab(QRect(w->mapTo(w->window(), QPoint()), w->size())).toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            ++counts[shot.pixel(x, y)];
    QRgb ground = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(ground))
            ground = it.key();
    double most = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        most = qMax(most, Palette::contrast(QColor(it.key()), QColor(ground)));
    return most;
}

// The letters a caption answers to with Alt, lower case.
QChar mnemonicOf(QWidget *w)
{
    QString text;
    if (auto *label = qobject_cast<QLabel *>(w))
        text = label->buddy() ? label->text() : QString();
    else if (auto *box = qobject_cast<QCheckBox *>(w))
        text = box->text();
    else if (auto *group = qobject_cast<QGroupBox *>(w))
        text = group->title();
    const QString key = QKeySequence::mnemonic(text).toString();
    return key.isEmpty() ? QChar() : key.back().toLower();
}
} // namespace

class DialogAccessTest : public QObject
{
    Q_OBJECT
private slots:
    void backgroundByKeys_data();
    void backgroundByKeys();
    void choicesSpeakTheirValue();
    void volumeRisesWithUp();
    void statusLineHoldsTheWholeLine();
    void styleChoiceIsHeard();
    void colourGridIsNamed();
    void colourNames_data();
    void colourNames();
    void shortcutLettersAreUnique();
    void optionsFitTheScreen_data();
    void optionsFitTheScreen();
    void contrastWithHighContrast_data();
    void contrastWithHighContrast();
};

void DialogAccessTest::backgroundByKeys_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("picked");
    QTest::newRow("down") << QList<int>{Qt::Key_Down} << "b.bmp";
    QTest::newRow("space on the first") << QList<int>{Qt::Key_Space} << "a.bmp";
    QTest::newRow("end then enter") << QList<int>{Qt::Key_End, Qt::Key_Return} << "c.bmp";
}

// F8, the Background panel by keys, then the pictures list by keys alone.
void DialogAccessTest::backgroundByKeys()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, picked);
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    QTemporaryDir pictures;
    for (const char *name : {"a.bmp", "b.bmp", "c.bmp"}) {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(QColor(name[0] * 2, 40, 90));
        QVERIFY(picture.save(pictures.filePath(QLatin1String(name)), "BMP"));
    }
    TfrmBG &background = game.program->backgroundDialog();
    QVERIFY(withStylesDialog(window, [&](TfrmStyle &styles) {
        styles.sample(QStringLiteral("Panel18"))->setFocus(); // the last sample, above "Background"
        press(Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Panel22"));
        press(Qt::Key_Space);
        QVERIFY(QTest::qWaitForWindowActive(&background));
        background.setFolder(pictures.path()); // as the folder tree's keys would
        QTRY_COMPARE(QApplication::focusWidget(), background.FileListBox1);
        for (int key : keys)
            press(Qt::Key(key));
        const QString path = pictures.filePath(picked);
        QTRY_COMPARE(game.ini().readString(Options, QStringLiteral("Picture"), {}), path);
        QCOMPARE(window.backgroundImage()->picture().pixelColor(1, 1), QColor(picked[0].unicode() * 2, 40, 90));
        // The reader hears the picked picture as the selected item.
        QAccessibleInterface *list = reader(background.FileListBox1);
        QStringList selected;
        for (int i = 0; i < list->childCount(); ++i)
            if (list->child(i)->state().selected)
                selected << list->child(i)->text(QAccessible::Name);
        QCOMPARE(selected, QStringList{picked});
        // Enter goes on to "OK".
        QCOMPARE(background.isVisible(), !keys.contains(Qt::Key_Return));
        background.close();
    }));
}

// A closed choice-only box tells its choice as its text; a key changes it.
void DialogAccessTest::choicesSpeakTheirValue()
{
    GameFixture game;
    game.writeQuietSettings();
    QVERIFY(withOptions(game.start(), [&](Tfo &dialog) {
        for (const char *name : {"Dictionary", "Language"}) {
            auto *box = dialog.findChild<QComboBox *>(name);
            QVERIFY(!box->currentText().isEmpty());
            QCOMPARE(spokenText(box), box->currentText());
            QCOMPARE(reader(box)->text(QAccessible::Value), box->currentText());
            QCOMPARE(reader(box)->role(), QAccessible::ComboBox);
            QCOMPARE(reader(box)->relations(QAccessible::Label).size(), 1);
        }
        auto *dictionary = dialog.findChild<QComboBox *>("Dictionary");
        const QString before = dictionary->currentText();
        dictionary->setFocus();
        press(Qt::Key_Up);
        QVERIFY(dictionary->currentText() != before);
        QCOMPARE(spokenText(dictionary), dictionary->currentText());
        QCOMPARE(dialog.options().dictionaryIndex(), dictionary->currentIndex());
    }));
}

void DialogAccessTest::volumeRisesWithUp()
{
    GameFixture game;
    game.writeQuietSettings();
    QVERIFY(withOptions(game.start(), [&](Tfo &dialog) {
        dialog.findChild<QTabWidget *>()->setCurrentIndex(1);
        auto *volume = dialog.findChild<QSlider *>("tbSound");
        volume->setFocus();
        QAccessibleValueInterface *level = reader(volume)->valueInterface();
        const int spoken = level->currentValue().toInt();
        const int position = dialog.options().volumePosition();
        press(Qt::Key_Up);
        QCOMPARE(level->currentValue().toInt(), spoken + 1);
        QCOMPARE(dialog.options().volumePosition(), position - 1); // the track bar's 1 is the loudest
        QCOMPARE(level->maximumValue().toInt(), 15);
        // Named by what it sets, not by the "Louder" above it.
        QStringList labels;
        for (const auto &[label, relation] : reader(volume)->relations(QAccessible::Label))
            labels << label->text(QAccessible::Name);
        QCOMPARE(labels, QStringList{QStringLiteral("Sound & Music Volume")});
    }));
}

void DialogAccessTest::statusLineHoldsTheWholeLine()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    auto *line = window.findChild<QLabel *>("LB");
    QCOMPARE(reader(line)->text(QAccessible::Name), QStringLiteral("Help and messages"));
    // The whole first help line, while the banner still creeps in from the right.
    QCOMPARE(spokenText(line), Banner::helpLine(1));
    QVERIFY(line->text().startsWith(QLatin1Char(' ')));
    window.findChild<StatusPanel *>()->setStatusText(QStringLiteral("   Try again.  "));
    QCOMPARE(spokenText(line), QStringLiteral("Try again."));
    QCOMPARE(reader(line)->text(QAccessible::Name), QStringLiteral("Help and messages"));
}

void DialogAccessTest::styleChoiceIsHeard()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    QVERIFY(withStylesDialog(window, [&](TfrmStyle &styles) {
        // The keys start on the tiles' style, read as the checked one.
        auto *current = qobject_cast<StylePanel *>(QApplication::focusWidget());
        QVERIFY(current);
        QCOMPARE(current->objectName(), QStringLiteral("Panel1"));
        QVERIFY(reader(current)->state().checked);
        QCOMPARE(reader(current)->text(QAccessible::Description), QStringLiteral("current style"));
        press(Qt::Key_Right);
        auto *next = QApplication::focusWidget();
        QVERIFY(!reader(next)->state().checked);
        press(Qt::Key_Space);
        QCOMPARE(game.ini().readString(Options, QStringLiteral("Style"), {}), next->objectName());
        QVERIFY(reader(next)->state().checked && reader(next)->state().checkable);
        QVERIFY(!reader(current)->state().checked);
        QCOMPARE(reader(next)->text(QAccessible::Description), QStringLiteral("current style"));
        // The colour and font panels tell the look they hold.
        QCOMPARE(reader(styles.pColor())->text(QAccessible::Description),
                 colourName(window.templateTile()->tileColour().colour()));
        QVERIFY(reader(styles.pFont())->text(QAccessible::Description).contains(QStringLiteral(" pt")));
    }));
}

// "Tile Color" by keys, then the arrows over the chooser's grid of colours.
void DialogAccessTest::colourGridIsNamed()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    QString heard, chosen;
    QVERIFY(withStylesDialog(window, [&](TfrmStyle &styles) {
        QTimer::singleShot(0, &styles, [&] {
            QColorDialog *chooser = styles.colourChooser();
            if (QTest::qWaitForWindowExposed(chooser)) {
                QWidget *grid = nullptr; // the basic colours, the first grid
                for (QWidget *w : chooser->findChildren<QWidget *>())
                    if (!grid && QByteArray(w->metaObject()->className()).contains("WellArray"))
                        grid = w;
                if (grid) {
                    grid->setFocus();
                    press(Qt::Key_Right);
                    press(Qt::Key_Down);
                    heard = QAccessible::queryAccessibleInterface(grid)->text(QAccessible::Name);
                    chosen = colourName(chooser->currentColor());
                }
            }
            chooser->reject();
        });
        styles.pColor()->setFocus();
        press(Qt::Key_Space);
    }));
    QVERIFY(!chosen.isEmpty());
    QCOMPARE(heard, chosen);
}

void DialogAccessTest::colourNames_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("name");
    QTest::newRow("black") << QColor(0, 0, 0) << "black (#000000)";
    QTest::newRow("white") << QColor(255, 255, 255) << "white (#FFFFFF)";
    QTest::newRow("button face") << QColor(239, 239, 239) << "white (#EFEFEF)";
    QTest::newRow("mid grey") << QColor(128, 128, 128) << "grey (#808080)";
    QTest::newRow("tile colour") << QColor(204, 221, 187) << "pale green (#CCDDBB)";
    QTest::newRow("red") << QColor(255, 0, 0) << "red (#FF0000)";
    QTest::newRow("crimson wraps to red") << QColor(220, 20, 60) << "red (#DC143C)";
    QTest::newRow("navy") << QColor(0, 0, 128) << "dark blue (#000080)";
    QTest::newRow("lavender") << QColor(188, 156, 248) << "pale purple (#BC9CF8)";
    QTest::newRow("pale yellow") << QColor(255, 255, 204) << "pale yellow (#FFFFCC)";
    QTest::newRow("orange") << QColor(255, 140, 0) << "orange (#FF8C00)";
    QTest::newRow("light blue") << QColor(100, 149, 237) << "light blue (#6495ED)";
}

void DialogAccessTest::colourNames()
{
    QFETCH(QColor, colour);
    QFETCH(QString, name);
    QCOMPARE(colourName(colour), name);
}

// Each page with the controls below it: every caption has an Alt letter, none twice.
void DialogAccessTest::shortcutLettersAreUnique()
{
    GameFixture game;
    game.writeQuietSettings();
    QVERIFY(withOptions(game.start(), [&](Tfo &dialog) {
        auto *pages = dialog.findChild<QTabWidget *>();
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            QSet<QChar> letters;
            for (QWidget *w : dialog.findChildren<QWidget *>()) {
                const bool captioned = (qobject_cast<QLabel *>(w) && static_cast<QLabel *>(w)->buddy()) ||
                                       qobject_cast<QCheckBox *>(w) || qobject_cast<QGroupBox *>(w);
                if (!captioned || !w->isVisible())
                    continue;
                const QChar letter = mnemonicOf(w);
                QVERIFY2(!letter.isNull() && !letters.contains(letter), qPrintable(w->objectName()));
                letters << letter;
            }
            QVERIFY(letters.size() >= 5);
        }
        // Alt and the letter of "Dictionary:" reach the box it names.
        pages->setCurrentIndex(0);
        auto *label = dialog.findChild<QLabel *>("lDictionary");
        QTest::keyClick(&dialog, Qt::Key(mnemonicOf(label).toUpper().unicode()), Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), label->buddy());
    }));
}

void DialogAccessTest::optionsFitTheScreen_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("desktop font") << 0 << false;
    QTest::newRow("large font") << 26 << true;
}

// A large font (or scale) keeps the dialog on the screen; its pages scroll.
void DialogAccessTest::optionsFitTheScreen()
{
    QFETCH(int, points);
    QFETCH(bool, scrolls);
    const QFont desktopFont = QApplication::font();
    if (points) {
        QFont large = desktopFont;
        large.setPointSize(points);
        QApplication::setFont(large);
    }
    GameFixture game;
    game.writeQuietSettings();
    QVERIFY(withOptions(game.start(), [&](Tfo &dialog) {
        const QRect free = dialog.screen()->availableGeometry();
        QVERIFY2(dialog.frameGeometry().width() <= free.width() && dialog.frameGeometry().height() <= free.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(dialog.width()).arg(dialog.height())));
        auto *page = dialog.findChild<QScrollArea *>("TabSheet1Scroll");
        const bool scrolled = page->verticalScrollBar()->maximum() > 0 || page->horizontalScrollBar()->maximum() > 0;
        QCOMPARE(scrolled, scrolls);
        // What scrolls can be reached by the keys: focus brings it into view.
        auto *last = dialog.findChild<QWidget *>("Presets35");
        last->setFocus();
        QTRY_VERIFY(page->viewport()->rect().contains(last->mapTo(page->viewport(), last->rect().center())));
    }));
    QApplication::setFont(desktopFont);
}

void DialogAccessTest::contrastWithHighContrast_data()
{
    QTest::addColumn<QString>("what");
    for (const char *what : {"rating below 26", "rating 26", "rating 41", "rating 56", "rating 71", "rating 86",
                             "rating dealing", "banner", "message lost", "message solved", "styles buttons",
                             "options page in a round", "options choice in a round"})
        QTest::newRow(what) << QString::fromLatin1(what);
}

void DialogAccessTest::contrastWithHighContrast()
{
    QFETCH(QString, what);
    GameFixture game;
    game.writeQuietSettings();
    game.ini().writeBool(Options, QStringLiteral("HighContrast"), true);
    TfrmMain &window = game.start();
    QVERIFY(Palette::highContrast());
    auto *status = window.findChild<StatusPanel *>();
    QWidget *measured = nullptr;
    double ratio = 0;
    const QList<std::pair<QString, RatingBand>> bands = {
        {"rating below 26", RatingBand::Below26}, {"rating 26", RatingBand::From26}, {"rating 41", RatingBand::From41},
        {"rating 56", RatingBand::From56},        {"rating 71", RatingBand::From71}, {"rating 86", RatingBand::From86},
        {"rating dealing", RatingBand::Dealing}};
    for (const auto &[name, band] : bands)
        if (what == name) {
            status->showRating(QStringLiteral("88"), band);
            measured = window.findChild<QLabel *>("Counter");
        }
    if (what == QLatin1String("banner")) {
        status->banner().setLineColour(Banner::bannerColour(), true);
        status->setStatusText(QStringLiteral("Press F2"));
        measured = window.findChild<QLabel *>("LB");
    } else if (what.startsWith(QLatin1String("message"))) {
        status->showOutcome(what.endsWith(QLatin1String("lost")) ? RoundOutcome::Lost : RoundOutcome::Solved);
        status->setStatusText(QStringLiteral("Try again."));
        measured = window.findChild<QLabel *>("LB");
    }
    if (measured)
        ratio = paintedContrast(measured);
    if (what == QLatin1String("styles buttons"))
        QVERIFY(withStylesDialog(window, [&](TfrmStyle &styles) {
            ratio = 21;
            for (const char *name : {"pFont", "pColor", "Panel22", "Panel23"})
                ratio = qMin(ratio, paintedContrast(styles.findChild<QWidget *>(name)));
        }));
    if (what.startsWith(QLatin1String("options"))) {
        game.deal(QStringLiteral("5 letters: 2-1-2"), 4, FixedCell::First);
        QVERIFY(withOptions(window, [&](Tfo &dialog) {
            QWidget *shown = what.endsWith(QLatin1String("page in a round"))
                                 ? dialog.findChild<QWidget *>("lDictionary")
                                 : dialog.findChild<QWidget *>("Presets3");
            QVERIFY(!shown->isEnabled());
            ratio = paintedContrast(shown);
        }));
    }
    QVERIFY2(ratio >= Palette::MinimumContrast, qPrintable(QString::number(ratio)));
    Palette::setHighContrast(false);
}

QTEST_MAIN(DialogAccessTest)
#include "dialog_access_test.moc"
