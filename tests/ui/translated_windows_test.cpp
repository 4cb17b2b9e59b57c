// SPDX-License-Identifier: GPL-3.0-or-later
// Every window in French, German and Spanish, opened through its menu item as
// a player opens it: no text it shows is the English text the same window
// shows in English, apart from names and words a language shares ("OK"), and
// no Styles caption is shrunk. Each help page quotes only menu paths and split
// formats that the game shows in its language.
#include "support/game_fixture.h"
#include "ui/styles/style_panel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <map>

namespace {

QString plain(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove('&').replace(QChar(1), '&').trimmed();
}

// Names, and words the same in English and a translation.
const QStringList Kept = {"", "Splitwick", "English", "Fran\u00e7ais", "Deutsch", "Espa\u00f1ol", "OK", "Options",
                          "Styles", "Intense", "Version 1.1", "Neutral", "Status"};

QStringList g_shrunk; // Styles captions drawn smaller than the dialog's text

void addTexts(QWidget *window, QSet<QString> &texts)
{
    texts << plain(window->windowTitle());
    if (auto *main = qobject_cast<QMainWindow *>(window))
        for (QAction *top : main->menuBar()->actions()) {
            texts << plain(top->text());
            for (QAction *item : top->menu()->actions())
                texts << plain(item->text());
        }
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->window() != window || !w->isVisible())
            continue;
        texts << plain(w->accessibleName());
        if (auto *label = qobject_cast<QLabel *>(w))
            texts << plain(label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts << plain(button->text());
        if (auto *group = qobject_cast<QGroupBox *>(w))
            texts << plain(group->title());
        if (auto *tabs = qobject_cast<QTabBar *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << plain(tabs->tabText(i));
        if (auto *box = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < box->count(); ++i)
                texts << plain(box->itemText(i));
        auto *panel = qobject_cast<StylePanel *>(w);
        if (panel && QFontMetrics(panel->tileFont()).horizontalAdvance(panel->caption()) > panel->contentRect().width() &&
            !panel->captionFitsWrapped())
            g_shrunk << panel->caption();
    }
}

// Texts of the window that the steps open (menu items by name, "click:" a
// control of the window opened last), every page of its tabs.
QSet<QString> textsAfter(QWidget *from, QStringList steps)
{
    QSet<QString> texts;
    if (steps.isEmpty()) {
        addTexts(from, texts);
        for (QTabWidget *tabs : from->findChildren<QTabWidget *>())
            for (int page = 0; page < tabs->count(); ++page) {
                QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(page).center());
                addTexts(from, texts);
            }
        return texts;
    }
    const QString step = steps.takeFirst();
    QWidgetList before; // the windows already shown (the others exist hidden from the start)
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            before << w;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (before.contains(w) || !w->isVisible() || qobject_cast<QMenu *>(w))
                continue;
            poll.stop();
            texts = textsAfter(w, steps) << QStringLiteral("(opened)");
            if (auto *dialog = qobject_cast<QDialog *>(w))
                dialog->reject();
            else
                w->close();
            return;
        }
    });
    poll.start(10);
    if (step.startsWith(QLatin1String("click:")))
        QTest::mouseClick(from->findChild<QWidget *>(step.mid(6)), Qt::LeftButton);
    else
        from->findChild<QAction *>(step)->trigger();
    if (!QTest::qWaitFor([&] { return texts.contains(QStringLiteral("(opened)")); }, 5000))
        qWarning("%s opened no window", qPrintable(step));
    return texts;
}

struct Game
{
    explicit Game(const QString &language)
    {
        fixture.writeQuietSettings();
        fixture.ini().writeString(QStringLiteral("Options"), QStringLiteral("Language"), language);
        window = &fixture.start();
    }
    GameFixture fixture;
    TfrmMain *window;
};

} // namespace

class TranslatedWindowsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initialiseProgram(); }

    void noEnglishLeftOnScreen_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("steps");
        const std::pair<const char *, QStringList> windows[] = {
            {"main window", {}},       {"Statistics", {"HonorRoll2"}}, {"Round Number", {"mRoundNumber"}},
            {"Options", {"mSettings"}}, {"Styles", {"Styles1"}},        {"Background", {"Styles1", "click:Panel22"}},
            {"About", {"About3"}},
        };
        for (const char *language : {"fr", "de", "es"})
            for (const auto &[name, steps] : windows)
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(language), QLatin1String(name))))
                    << QString::fromLatin1(language) << steps;
    }
    void noEnglishLeftOnScreen()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, steps);
        static std::map<QStringList, QSet<QString>> english;
        if (!english.count(steps)) {
            Game game(QStringLiteral("en"));
            english[steps] = textsAfter(game.window, steps);
        }
        g_shrunk.clear();
        Game game(language);
        const QSet<QString> shown = textsAfter(game.window, steps);
        QVERIFY(steps.isEmpty() || shown.contains(QStringLiteral("(opened)")));
        // The dictionaries' and sound files' names stay as they are; so does a folder's path.
        const OptionsModel &options = game.fixture.options();
        QStringList names = Kept + options.dictionaryNames() + options.musicChoices() + options.soundChoices();
        names.removeAll(QStringLiteral("None"));
        QStringList left;
        for (const QString &text : shown)
            if (english[steps].contains(text) && !names.contains(text) && !text.startsWith('/') && text != QStringLiteral("(opened)") &&
                std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); }))
                left << text;
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral(" | "))));
        QVERIFY2(g_shrunk.isEmpty(), qPrintable(g_shrunk.join(QStringLiteral(" | "))));
    }

    void helpQuotesWhatTheMenusShow_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "fr", "de", "es"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void helpQuotesWhatTheMenusShow()
    {
        QFETCH(QString, language);
        Game game(language);
        QSet<QString> quotable;
        for (QAction *top : game.window->menuBar()->actions())
            for (QAction *item : top->menu()->actions())
                quotable << plain(top->text()) + QStringLiteral(" > ") + plain(item->text());
        for (const QString &format : splitFormats())
            quotable << splitFormatCaption(format);
        QFile file(QStringLiteral(SPLITWICK_SOURCE_DIR "/data/xq/xq%1.htm").arg(language == QLatin1String("en") ? QString() : '_' + language));
        QVERIFY(file.open(QIODevice::ReadOnly));
        // A menu path "<b>Game &gt; Clue</b>" or a format "<b>5 letters: 2-1-2</b>".
        static const QRegularExpression quote(QStringLiteral("<b>([^<]+ &gt; [^<]+|\\d+ \\D+\\d(?:-\\d)+)</b>"));
        QStringList missing;
        int quoted = 0;
        for (const auto &m : quote.globalMatch(QString::fromUtf8(file.readAll()))) {
            const QString text = m.captured(1).replace(QStringLiteral("&gt;"), QStringLiteral(">"));
            ++quoted;
            if (!quotable.contains(text))
                missing << text;
        }
        QVERIFY2(quoted >= 10, qPrintable(QString::number(quoted)));
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(" | "))));
    }
};

QTEST_MAIN(TranslatedWindowsTest)
#include "translated_windows_test.moc"
