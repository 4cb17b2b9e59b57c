// SPDX-License-Identifier: GPL-3.0-or-later
// Every window in French, German and Spanish, opened through its menu item as
// a player opens it: no text it shows is the English text the same window
// shows in English, apart from names (the game's, dictionaries', files') and
// words a translation keeps on purpose ("OK", "Neutral"). And each help page
// quotes only menu paths and split formats the game shows in its language.
#include "support/game_fixture.h"
#include "ui/styles/style_panel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QXmlStreamReader>
#include <QtTest>

#include <map>

namespace {

QString plain(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(QChar(1), QLatin1Char('&'));
    return text.trimmed();
}

void addMenu(const QList<QAction *> &actions, QSet<QString> &texts)
{
    for (QAction *action : actions) {
        if (!action->isVisible())
            continue;
        texts.insert(plain(action->text()));
        if (action->menu())
            addMenu(action->menu()->actions(), texts);
    }
}

// What the window shows, and what a screen reader reads of it.
QSet<QString> shownTexts(QWidget *window)
{
    QSet<QString> texts{plain(window->windowTitle())};
    if (auto *main = qobject_cast<QMainWindow *>(window))
        addMenu(main->menuBar()->actions(), texts);
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->window() != window || !w->isVisible())
            continue;
        texts.insert(plain(w->accessibleName()));
        if (auto *label = qobject_cast<QLabel *>(w))
            texts.insert(plain(label->text()));
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts.insert(plain(button->text()));
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            texts.insert(plain(group->title()));
        else if (auto *tabs = qobject_cast<QTabBar *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts.insert(plain(tabs->tabText(i)));
        else if (auto *box = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < box->count(); ++i)
                texts.insert(plain(box->itemText(i)));
    }
    return texts;
}

// Captions cut down to a smaller size than the rest of their window's text.
QStringList g_shrunk;

// The window and each page of its tabs, picked by a click on the tab.
QSet<QString> everyPage(QWidget *window)
{
    QSet<QString> texts = shownTexts(window);
    for (const StylePanel *panel : window->findChildren<StylePanel *>()) {
        const bool oneLine = QFontMetrics(panel->tileFont()).horizontalAdvance(panel->caption()) <= panel->contentRect().width();
        if (panel->isVisible() && !oneLine && !panel->captionFitsWrapped())
            g_shrunk << panel->caption();
    }
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        for (int page = 0; page < tabs->count(); ++page) {
            QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(page).center());
            texts += shownTexts(window);
        }
    }
    return texts;
}

QWidgetList shownWindows()
{
    QWidgetList shown;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && !qobject_cast<QMenu *>(w) && w->windowType() != Qt::ToolTip)
            shown << w;
    return shown;
}

// Steps: a menu item by its name ("mSettings"), or a click on a shown
// control of the window the last step opened ("click:Panel22").
QSet<QString> textsAfter(QWidget *from, QStringList steps)
{
    if (steps.isEmpty())
        return everyPage(from);
    const QString step = steps.takeFirst();
    QSet<QString> texts;
    const QWidgetList before = shownWindows();
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget *w : shownWindows()) {
            if (before.contains(w))
                continue;
            poll.stop();
            seen = true;
            texts = textsAfter(w, steps);
            if (auto *dialog = qobject_cast<QDialog *>(w))
                dialog->reject();
            else
                w->close();
            return;
        }
    });
    poll.start();
    if (step.startsWith(QLatin1String("click:"))) {
        auto *target = from->findChild<QWidget *>(step.mid(6));
        if (target)
            QTest::mouseClick(target, Qt::LeftButton);
    } else if (auto *action = from->findChild<QAction *>(step)) {
        action->trigger();
    }
    if (!QTest::qWaitFor([&] { return seen; }, 5000))
        texts.insert(QStringLiteral("(%1 opened no window)").arg(step));
    return texts;
}

// Sources whose translation is the same word ("OK", "Status" in German).
QSet<QString> keptAsTheyAre(const QString &language)
{
    QSet<QString> kept;
    QFile file(QStringLiteral(SPLITWICK_SOURCE_DIR "/src/translations/splitwick_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return kept;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && xml.readElementText() == source)
            kept.insert(plain(source));
    }
    return kept;
}

QSet<QString> textsIn(const QString &language, const QStringList &steps, QSet<QString> &names)
{
    GameFixture game;
    game.writeQuietSettings();
    game.ini().writeString(QStringLiteral("Options"), QStringLiteral("Language"), language);
    TfrmMain &window = game.start();
    // Names stay as they are: the game's, its dictionaries', its sound files'.
    names = {QStringLiteral("Splitwick"), QString()};
    for (const QStringList &list : {game.options().dictionaryNames(), game.options().soundChoices(), game.options().musicChoices()})
        for (const QString &name : list)
            names.insert(name);
    names.remove(QStringLiteral("None"));
    // Each language is named in its own words in the language chooser.
    for (const char *name : {"English", "Fran\u00e7ais", "Deutsch", "Espa\u00f1ol"})
        names.insert(QString::fromUtf8(name));
    return textsAfter(&window, steps);
}

} // namespace

class TranslatedWindowsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initialiseProgram(); }
    void helpQuotesWhatTheMenusShow_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("page");
        QTest::newRow("en") << QStringLiteral("en") << QStringLiteral("xq.htm");
        for (const char *language : {"fr", "de", "es"})
            QTest::newRow(language) << QString::fromLatin1(language) << QStringLiteral("xq_%1.htm").arg(QLatin1String(language));
    }
    void helpQuotesWhatTheMenusShow()
    {
        QFETCH(QString, language);
        QFETCH(QString, page);
        GameFixture game;
        game.writeQuietSettings();
        game.ini().writeString(QStringLiteral("Options"), QStringLiteral("Language"), language);
        TfrmMain &window = game.start();
        QSet<QString> quotable;
        for (QAction *top : window.menuBar()->actions())
            for (QAction *item : top->menu()->actions())
                quotable.insert(plain(top->text()) + QStringLiteral(" > ") + plain(item->text()));
        for (const QString &format : splitFormats())
            quotable.insert(splitFormatCaption(format));
        QFile file(QStringLiteral(SPLITWICK_SOURCE_DIR "/data/xq/") + page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        static const QRegularExpression bold(QStringLiteral("<b>([^<]+)</b>"));
        static const QRegularExpression format(QStringLiteral("^\\d+ \\D+\\d(-\\d)+$"));
        QStringList missing;
        int quoted = 0;
        for (const auto &m : bold.globalMatch(html)) {
            QString text = m.captured(1);
            text.replace(QStringLiteral("&gt;"), QStringLiteral(">")).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
            if (!text.contains(QStringLiteral(" > ")) && !format.match(text).hasMatch())
                continue;
            ++quoted;
            if (!quotable.contains(text))
                missing << text;
        }
        QVERIFY2(quoted >= 10, qPrintable(QString::number(quoted)));
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(" | "))));
    }
    void noEnglishLeftOnScreen_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("steps");
        const std::pair<const char *, QStringList> windows[] = {
            {"main window", {}},
            {"Statistics", {"HonorRoll2"}},
            {"Round Number", {"mRoundNumber"}},
            {"Options", {"mSettings"}},
            {"Styles", {"Styles1"}},
            {"Background", {"Styles1", "click:Panel22"}},
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
        g_shrunk.clear();
        static std::map<QStringList, QSet<QString>> english;
        QSet<QString> names;
        if (!english.count(steps))
            english[steps] = textsIn(QStringLiteral("en"), steps, names);
        const QSet<QString> shown = textsIn(language, steps, names);
        QVERIFY2(shown.size() > 2, "the window showed nothing");
        QStringList left;
        static const QRegularExpression letters(QStringLiteral("\\p{L}{2}"));
        const QSet<QString> kept = keptAsTheyAre(language);
        for (const QString &text : shown) {
            // A folder's path (the Background dialog's) is a name too.
            if (english[steps].contains(text) && !names.contains(text) && !kept.contains(text) && text.contains(letters) &&
                !text.startsWith(QLatin1Char('/')))
                left << text;
        }
        left.sort();
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral(" | "))));
        QVERIFY2(g_shrunk.isEmpty(), qPrintable(g_shrunk.join(QStringLiteral(" | "))));
    }
};

QTEST_MAIN(TranslatedWindowsTest)
#include "translated_windows_test.moc"
