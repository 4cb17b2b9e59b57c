// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs by keys and by ear: what a screen reader reads from each, the
// choices the keys make, the shortcut letters, a small screen, and every
// coloured text readable with high contrast on.
#include "support/game_fixture.h"
#include "support/styles_dialog.h"

#include "ui/background/background_dialog.h"
#include "ui/board/palette.h"
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
    void optionsByKeysAndEar();
    void styleChoiceIsHeard();
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
        picture.fill(QColor(name[0], 40, 90));
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
        QCOMPARE(background.isVisible(), !keys.contains(Qt::Key_Return)); // Enter goes on to "OK"
        background.close();
    }));
}

// A closed choice-only box tells its choice as its text; the volume's level
// rises with Up; each page with the controls below it has an Alt letter for
// every caption, none twice.
void DialogAccessTest::optionsByKeysAndEar()
{
    GameFixture game;
    game.writeQuietSettings();
    QVERIFY(withOptions(game.start(), [&](Tfo &dialog) {
        for (const char *name : {"Dictionary", "Language"}) {
            auto *box = dialog.findChild<QComboBox *>(name);
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

        auto *pages = dialog.findChild<QTabWidget *>();
        for (int page = pages->count() - 1; page >= 0; --page) {
            pages->setCurrentIndex(page);
            QSet<QString> letters;
            for (QWidget *w : dialog.findChildren<QWidget *>()) {
                auto *label = qobject_cast<QLabel *>(w);
                const QString caption = label && label->buddy() ? label->text()
                                        : qobject_cast<QGroupBox *>(w) ? static_cast<QGroupBox *>(w)->title()
                                        : qobject_cast<QCheckBox *>(w) ? static_cast<QCheckBox *>(w)->text() : QString();
                const QString letter = QKeySequence::mnemonic(caption).toString().toLower();
                if (caption.isEmpty() || !w->isVisible())
                    continue;
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
        press(Qt::Key_Space);
        QCOMPARE(game.ini().readString(Options, QStringLiteral("Style"), {}), next->objectName());
        QVERIFY(reader(next)->state().checked && !reader(current)->state().checked);
        QCOMPARE(reader(next)->text(QAccessible::Description), QStringLiteral("current style"));
        // The colour and font panels tell the look they hold.
        QCOMPARE(reader(styles.pColor())->text(QAccessible::Description),
                 colourName(window.templateTile()->tileColour().colour()));
    }));
}

// A large font (or scale) keeps the dialog on the screen; its pages scroll.
void DialogAccessTest::optionsFitTheScreen()
{
    const QFont desktopFont = QApplication::font();
    QFont font = desktopFont;
    font.setPointSize(26);
    QApplication::setFont(font);
    GameFixture game;
    game.writeQuietSettings();
    QVERIFY(withOptions(game.start(), [&](Tfo &dialog) {
        const QSize free = dialog.screen()->availableGeometry().size();
        QVERIFY2(free.expandedTo(dialog.frameGeometry().size()) == free, qPrintable(QString::number(dialog.width())));
        auto *page = dialog.findChild<QScrollArea *>("TabSheet1Scroll");
        QVERIFY(page->verticalScrollBar()->maximum() > 0 || page->horizontalScrollBar()->maximum() > 0);
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
    for (int band = int(RatingBand::Dealing); band <= int(RatingBand::From86); ++band)
        QTest::newRow(qPrintable(QStringLiteral("rating band %1").arg(band))) << "rating" << band;
    for (const char *what : {"lost", "solved", "styles buttons", "options label", "options choice"})
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
    } else if (what == QLatin1String("lost") || what == QLatin1String("solved")) {
        status->showOutcome(what == QLatin1String("lost") ? RoundOutcome::Lost : RoundOutcome::Solved);
        status->setStatusText(QStringLiteral("Try again."));
        ratio = paintedContrast(window.findChild<QLabel *>("LB"));
    } else if (what == QLatin1String("styles buttons")) {
        QVERIFY(withStylesDialog(window, [&](TfrmStyle &styles) {
            ratio = qMin(paintedContrast(styles.pFont()), paintedContrast(styles.pColor()));
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
