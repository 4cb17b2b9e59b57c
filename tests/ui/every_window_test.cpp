// SPDX-License-Identifier: GPL-3.0-or-later
// Every window and dialog, opened the way a player opens it (a menu item, a
// key, a click on what is shown): each of its controls is shown, lies inside
// its window and the screen, and is reached by Tab.
#include "support/game_fixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// A control made of others: its inner parts (a spin box's line edit, a
// list's viewport) go with it.
bool isCombined(const QWidget *w)
{
    return qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QComboBox *>(w) ||
           qobject_cast<const QAbstractItemView *>(w) || qobject_cast<const QTextEdit *>(w) ||
           qobject_cast<const QPlainTextEdit *>(w);
}

bool isControl(const QWidget *w)
{
    if (qobject_cast<const QScrollBar *>(w) || qobject_cast<const QTabWidget *>(w) ||
        (qobject_cast<const QAbstractScrollArea *>(w) && !isCombined(w)))
        return false; // a scroll bar goes with its view; pages and scrolled areas only hold controls
    return isCombined(w) || qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QAbstractSlider *>(w) ||
           qobject_cast<const QLineEdit *>(w) || qobject_cast<const QTabBar *>(w) || (w->focusPolicy() & Qt::TabFocus);
}

bool explicitlyHidden(const QWidget *w)
{
    return w->testAttribute(Qt::WA_WState_ExplicitShowHide) && w->isHidden();
}

// A control the window means to show: no one hid it or a widget holding it
// (a page of another tab, an option kept out of sight).
bool meantToBeSeen(const QWidget *w, const QWidget *window)
{
    for (; w && w != window; w = w->parentWidget())
        if (explicitlyHidden(w))
            return false;
    return true;
}

QList<QWidget *> controlsOf(QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!isControl(w) || w->window() != window || !meantToBeSeen(w, window))
            continue;
        bool inner = false;
        for (QWidget *up = w->parentWidget(); up && up != window && !inner; up = up->parentWidget())
            inner = isCombined(up);
        if (!inner)
            controls << w;
    }
    return controls;
}

QString nameOf(const QWidget *w)
{
    QString name = w->objectName();
    if (name.isEmpty())
        if (auto *button = qobject_cast<const QAbstractButton *>(w))
            name = button->text();
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()), name);
}

// Every widget Tab gives the focus to, once round.
QList<QWidget *> tabRound(QWidget *window)
{
    QList<QWidget *> reached;
    for (int i = 0; i < 400; ++i) {
        QWidget *focus = QApplication::focusWidget();
        if (!focus || focus->window() != window)
            break;
        if (reached.contains(focus) && reached.size() > 1 && focus == reached.first())
            break;
        if (!reached.contains(focus))
            reached << focus;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return reached;
}

bool isReached(QWidget *control, const QList<QWidget *> &reached)
{
    for (QWidget *focus : reached) {
        if (focus == control || control->isAncestorOf(focus) || control->focusProxy() == focus)
            return true;
        // Tab enters a group of radio buttons at its ticked one; the arrows walk it.
        auto *radio = qobject_cast<QRadioButton *>(control);
        if (radio && radio->autoExclusive() && qobject_cast<QRadioButton *>(focus) &&
            focus->parentWidget() == control->parentWidget())
            return true;
    }
    return false;
}

// The problems of what the window shows now.
void checkShown(QWidget *window, const QString &title, QStringList &problems)
{
    const QRect screen = window->screen()->geometry();
    if (!screen.contains(window->frameGeometry()))
        problems << QStringLiteral("%1 lies outside the screen").arg(title);
    const QList<QWidget *> controls = controlsOf(window);
    const QList<QWidget *> reached = tabRound(window);
    for (QWidget *control : controls) {
        const QString name = title + QStringLiteral(": ") + nameOf(control);
        if (!control->isVisible()) {
            problems << name + QStringLiteral(" is not shown");
            continue;
        }
        const QRect inWindow(control->mapTo(window, QPoint(0, 0)), control->size());
        if (control->size().isEmpty() || !window->rect().contains(inWindow))
            problems << name + QStringLiteral(" lies outside its window");
        if (!screen.contains(QRect(control->mapToGlobal(QPoint(0, 0)), control->size())))
            problems << name + QStringLiteral(" lies outside the screen");
        if (control->isEnabled() && (control->focusPolicy() & Qt::TabFocus) && !isReached(control, reached))
            problems << name + QStringLiteral(" is not reached by Tab");
    }
}

// The window as it opens, then each page of its tabs, picked by a click on the tab.
void checkWindow(QWidget *window, const QString &title, QStringList &problems)
{
    // The offscreen platform does not activate a new window as a desktop does.
    window->activateWindow();
    if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 5000))
        problems << title + QStringLiteral(" did not become active");
    checkShown(window, title, problems);
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        if (!tabs->isVisible())
            continue;
        for (int page = 0; page < tabs->count(); ++page) {
            QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(page).center());
            if (tabs->currentIndex() != page)
                problems << QStringLiteral("%1: page %2 does not open").arg(title, tabs->tabText(page));
            checkShown(window, QStringLiteral("%1 (%2)").arg(title, tabs->tabText(page)), problems);
        }
    }
}

QAction *menuItem(QMenuBar *bar, const QString &menu, const QString &item)
{
    for (QAction *top : bar->actions())
        if (top->menu() && top->text().remove('&') == menu)
            for (QAction *action : top->menu()->actions())
                if (action->text().remove('&') == item)
                    return action;
    return nullptr;
}

QWidgetList shownWindows()
{
    QWidgetList shown;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && !qobject_cast<QMenu *>(w) && w->windowType() != Qt::ToolTip)
            shown << w;
    return shown;
}

// One of the player's steps in `from`: "menu:Options>Styles", "key:F7" or
// "click:Panel22" (a click on that shown control).
bool act(QWidget *from, const QString &step, QStringList &problems)
{
    const QString what = step.section(':', 1);
    if (step.startsWith(QLatin1String("menu:"))) {
        auto *window = qobject_cast<QMainWindow *>(from);
        QAction *action = window ? menuItem(window->menuBar(), what.section('>', 0, 0), what.section('>', 1)) : nullptr;
        if (!action || !action->isEnabled()) {
            problems << step + QStringLiteral(" is not in the menus");
            return false;
        }
        action->trigger();
    } else if (step.startsWith(QLatin1String("key:"))) {
        QTest::keyClick(from, Qt::Key(QKeySequence(what)[0].key()));
    } else {
        auto *target = from->findChild<QWidget *>(what);
        if (!target || !target->isVisible()) {
            problems << step + QStringLiteral(" shows nothing to click");
            return false;
        }
        QTest::mouseClick(target, Qt::LeftButton);
    }
    return true;
}

// Takes the steps one window after another; the last window opened is checked.
// Each window is closed again once what it opened has been looked at.
void walk(QWidget *from, const QStringList &steps, QStringList &problems)
{
    if (steps.isEmpty()) {
        checkWindow(from, from->windowTitle(), problems);
        return;
    }
    const QWidgetList before = shownWindows();
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *opened = nullptr;
        for (QWidget *w : shownWindows())
            if (!before.contains(w))
                opened = w;
        if (!opened)
            return;
        poll.stop();
        seen = true;
        walk(opened, steps.mid(1), problems);
        if (auto *dialog = qobject_cast<QDialog *>(opened))
            dialog->reject();
        else
            opened->close();
    });
    poll.start();
    if (act(from, steps.first(), problems) && !QTest::qWaitFor([&] { return seen; }, 5000))
        problems << steps.first() + QStringLiteral(" opened no window");
    poll.stop();
}

} // namespace

class EveryWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initialiseProgram(); } // as the game's entry does
    void controlsShownAndReached_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("main window") << QStringList();
        QTest::newRow("Statistics") << QStringList{"menu:File>Statistics"};
        QTest::newRow("Round Number") << QStringList{"menu:Game>Round Number..."};
        QTest::newRow("Settings by F7") << QStringList{"key:F7"};
        QTest::newRow("Settings from the menu") << QStringList{"menu:Options>Settings"};
        QTest::newRow("Styles") << QStringList{"menu:Options>Styles"};
        QTest::newRow("Background") << QStringList{"menu:Options>Styles", "click:Panel22"};
        QTest::newRow("tile font chooser") << QStringList{"menu:Options>Styles", "click:pFont"};
        QTest::newRow("tile colour chooser") << QStringList{"menu:Options>Styles", "click:pColor"};
        QTest::newRow("About") << QStringList{"menu:Help>About"};
        QTest::newRow("trace window at a new round") << QStringList{"key:F2"};
    }
    void controlsShownAndReached()
    {
        QFETCH(QStringList, steps);
        GameFixture game;
        game.writeQuietSettings();
        game.ini().writeBool(QStringLiteral("Options"), QStringLiteral("trace"), true);
        TfrmMain &window = game.start();
        // F2 deals a round the beta dictionary can fill.
        game.options().setDictionaryIndex(int(game.options().dictionaryNames().indexOf(QStringLiteral("beta"))));
        game.options().setPresetsIndex(int(splitFormats().indexOf(QStringLiteral("5 letters: 2-1-2"))));
        game.options().setWordCount(10);
        game.options().setFixedCell(FixedCell::First, true);
        QStringList problems;
        walk(&window, steps, problems);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(EveryWindowTest)
#include "every_window_test.moc"
