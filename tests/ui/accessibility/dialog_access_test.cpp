// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs by keys and by ear: what a screen reader reads from each, the
// choices the keys make, the shortcut letters, a small screen, and every
// coloured text readable with high contrast on.
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
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
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

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// Runs steps in the Options dialog opened by F7, as the player opens it.
bool withOptions(TfrmMain &window, const std::function<void(Tfo &)> &steps)
{
    bool shown = false;
    QTimer::singleShot(0, &window, [&] {
        auto *dialog = qobject_cast<Tfo *>(QApplication::activeModalWidget());
        shown = dialog && QTest::qWaitForWindowExposed(dialog);
        if (shown)
            steps(*dialog);
        if (dialog)
            dialog->close();
    });
    QTest::keyClick(&window, Qt::Key_F7);
    return shown && !QTest::currentTestFailed();
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
    const QRgb ground = std::max_element(counts.cbegin(), counts.cend()).key();
    double most = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        most = qMax(most, Palette::contrast(QColor(it.key()), QColor(ground)));
    return most;
}
} // namespace

class DialogAccessTest : public QObject
{
    Q_OBJECT
private slots:
    void backgroundByKeys_data();
    void backgroundByKeys();
    void choicesAndVolumeAreHeard();
    void statusLineHoldsTheWholeLine();
    void styleChoiceIsHeard();
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
        press(Qt::Key_Space);
        QVERIFY(QTest::qWaitForWindowActive(&background));
        background.setFolder(pictures.path()); // as the folder tree's keys would
        QTRY_COMPARE(QApplication::focusWidget(), background.FileListBox1);
        for (int key : keys)
            press(Qt::Key(key));
        QTRY_COMPARE(game.ini().readString(Options, QStringLiteral("Picture"), {}), pictures.filePath(picked));
        QCOMPARE(window.backgroundImage()->picture().pixelColor(1, 1), QColor(picked[0].unicode() * 2, 40, 90));
        QCOMPARE(background.isVisible(), !keys.contains(Qt::Key_Return)); // Enter goes on to "OK"
        background.close();
    }));
}

// A closed choice-only box tells its choice as its text; the volume's level rises with Up.
void DialogAccessTest::choicesAndVolumeAreHeard()
{
    GameFixture game;
    game.writeQuietSettings();
    QVERIFY(withOptions(game.start(), [&](Tfo &dialog) {
        for (const char *name : {"Dictionary", "Language"}) {
            auto *box = dialog.findChild<QComboBox *>(name);
            QVERIFY(!box->currentText().isEmpty());
            QCOMPARE(spokenText(box), box->currentText());
            QCOMPARE(reader(box)->relations(QAccessible::Label).size(), 1);
        }
        auto *dictionary = dialog.findChild<QComboBox *>("Dictionary");
        const QString before = dictionary->currentText();
        dictionary->setFocus();
        press(Qt::Key_Up);
        QVERIFY(dictionary->currentText() != before);
        QCOMPARE(spokenText(dictionary), dictionary->currentText());

        dialog.findChild<QTabWidget *>()->setCurrentIndex(1);
        auto *volume = dialog.findChild<QSlider *>("tbSound");
        volume->setFocus();
        QAccessibleValueInterface *level = reader(volume)->valueInterface();
        const int spoken = level->currentValue().toInt();
        const int position = dialog.options().volumePosition();
        press(Qt::Key_Up);
        QCOMPARE(level->currentValue().toInt(), spoken + 1);
        QCOMPARE(dialog.options().volumePosition(), position - 1); // the track bar's 1 is the loudest
        const auto labels = reader(volume)->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1); // not "Louder"
        QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("Sound & Music Volume"));
    }));
}

void DialogAccessTest::statusLineHoldsTheWholeLine()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    auto *line = window.findChild<QLabel *>("LB");
    // The whole first help line, while the banner still creeps in from the right.
    QVERIFY(line->text().startsWith(QLatin1Char(' ')));
    QCOMPARE(spokenText(line), Banner::helpLine(1));
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
        QWidget *current = QApplication::focusWidget();
        QCOMPARE(current->objectName(), QStringLiteral("Panel1"));
        QVERIFY(reader(current)->state().checked);
        press(Qt::Key_Right);
        QWidget *next = QApplication::focusWidget();
        QVERIFY(!reader(next)->state().checked);
        press(Qt::Key_Space);
        QCOMPARE(game.ini().readString(Options, QStringLiteral("Style"), {}), next->objectName());
        QVERIFY(reader(next)->state().checked && !reader(current)->state().checked);
        QCOMPARE(reader(next)->text(QAccessible::Description), QStringLiteral("current style"));
        QCOMPARE(reader(current)->text(QAccessible::Description), QString());
        // The colour and font panels tell the look they hold.
        QCOMPARE(reader(styles.pColor())->text(QAccessible::Description),
                 colourName(window.templateTile()->tileColour().colour()));
        QVERIFY(reader(styles.pFont())->text(QAccessible::Description).contains(QStringLiteral(" pt")));
    }));
}

void DialogAccessTest::colourNames_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("name");
    QTest::newRow("button face") << QColor(239, 239, 239) << "white (#EFEFEF)";
    QTest::newRow("mid grey") << QColor(128, 128, 128) << "grey (#808080)";
    QTest::newRow("crimson wraps to red") << QColor(220, 20, 60) << "red (#DC143C)";
    QTest::newRow("navy") << QColor(0, 0, 128) << "dark blue (#000080)";
    QTest::newRow("cornflower") << QColor(100, 149, 237) << "light blue (#6495ED)";
    QTest::newRow("tile colour") << QColor(204, 221, 187) << "pale green (#CCDDBB)";
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
        for (int page = pages->count() - 1; page >= 0; --page) {
            pages->setCurrentIndex(page);
            QSet<QString> letters;
            for (QWidget *w : dialog.findChildren<QWidget *>()) {
                auto *label = qobject_cast<QLabel *>(w);
                auto *group = qobject_cast<QGroupBox *>(w);
                auto *box = qobject_cast<QCheckBox *>(w);
                const QString caption = label ? label->text() : group ? group->title() : box ? box->text() : QString();
                if (!w->isVisible() || caption.isEmpty() || (label && !label->buddy()))
                    continue;
                const QString letter = QKeySequence::mnemonic(caption).toString().toLower();
                QVERIFY2(!letter.isEmpty() && !letters.contains(letter), qPrintable(caption));
                letters << letter;
            }
        }
        // Alt and the letter of "Dictionary:" reach the box it names.
        auto *label = dialog.findChild<QLabel *>("lDictionary");
        QTest::keySequence(&dialog, QKeySequence::mnemonic(label->text()));
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
    QFont font = desktopFont;
    if (points)
        font.setPointSize(points);
    QApplication::setFont(font);
    GameFixture game;
    game.writeQuietSettings();
    QVERIFY(withOptions(game.start(), [&](Tfo &dialog) {
        const QSize free = dialog.screen()->availableGeometry().size();
        QVERIFY2(free.expandedTo(dialog.frameGeometry().size()) == free, qPrintable(QString::number(dialog.width())));
        auto *page = dialog.findChild<QScrollArea *>("TabSheet1Scroll");
        QCOMPARE(page->verticalScrollBar()->maximum() > 0 || page->horizontalScrollBar()->maximum() > 0, scrolls);
        // What scrolls is reached by the keys: the focus brings it into view.
        auto *last = dialog.findChild<QWidget *>("Presets35");
        last->setFocus();
        QTRY_VERIFY(page->viewport()->rect().contains(last->mapTo(page->viewport(), last->rect().center())));
    }));
    QApplication::setFont(desktopFont);
}

void DialogAccessTest::contrastWithHighContrast_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("band"); // the rating's, or -1
    const QList<std::pair<const char *, RatingBand>> bands = {
        {"rating below 26", RatingBand::Below26}, {"rating 26", RatingBand::From26}, {"rating 41", RatingBand::From41},
        {"rating 56", RatingBand::From56},        {"rating 71", RatingBand::From71}, {"rating 86", RatingBand::From86},
        {"rating dealing", RatingBand::Dealing}};
    for (const auto &[name, band] : bands)
        QTest::newRow(name) << "rating" << int(band);
    for (const char *what : {"banner", "lost", "solved", "styles buttons", "options label", "options choice"})
        QTest::newRow(what) << QString::fromLatin1(what) << -1;
}

void DialogAccessTest::contrastWithHighContrast()
{
    QFETCH(QString, what);
    QFETCH(int, band);
    GameFixture game;
    game.writeQuietSettings();
    game.ini().writeBool(Options, QStringLiteral("HighContrast"), true);
    TfrmMain &window = game.start();
    auto *status = window.findChild<StatusPanel *>();
    double ratio = 0;
    if (band >= 0) {
        status->showRating(QStringLiteral("88"), RatingBand(band));
        ratio = paintedContrast(window.findChild<QLabel *>("Counter"));
    } else if (what == QLatin1String("banner") || what == QLatin1String("lost") || what == QLatin1String("solved")) {
        if (what == QLatin1String("banner"))
            status->banner().setLineColour(Banner::bannerColour(), true);
        else
            status->showOutcome(what == QLatin1String("lost") ? RoundOutcome::Lost : RoundOutcome::Solved);
        status->setStatusText(QStringLiteral("Try again."));
        ratio = paintedContrast(window.findChild<QLabel *>("LB"));
    } else if (what == QLatin1String("styles buttons")) {
        QVERIFY(withStylesDialog(window, [&](TfrmStyle &styles) {
            ratio = 21;
            for (const char *name : {"pFont", "pColor", "Panel22", "Panel23"})
                ratio = qMin(ratio, paintedContrast(styles.findChild<QWidget *>(name)));
        }));
    } else {
        game.deal(QStringLiteral("5 letters: 2-1-2"), 4, FixedCell::First); // the settings page is shut
        QVERIFY(withOptions(window, [&](Tfo &dialog) {
            QWidget *shown = dialog.findChild<QWidget *>(what.endsWith(QLatin1String("label")) ? "lDictionary" : "Presets3");
            QVERIFY(!shown->isEnabled());
            ratio = paintedContrast(shown);
        }));
    }
    Palette::setHighContrast(false);
    QVERIFY2(ratio >= Palette::MinimumContrast, qPrintable(QString::number(ratio)));
}

QTEST_MAIN(DialogAccessTest)
#include "dialog_access_test.moc"
