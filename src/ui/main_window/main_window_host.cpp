// SPDX-License-Identifier: GPL-3.0-or-later
// What the round engine asks of the main window, and the keys the window
// takes before its menus.
#include "ui/main_window/main_window.h"

#include "round/round_engine.h"
#include "ui/background/background_image.h"
#include "ui/main_window/main_menus.h"
#include "ui/main_window/status_panel.h"
#include "ui/board/board_panel.h"
#include "ui/board/board_scroll.h"
#include "ui/windows/debug_window.h"
#include "ui/desktop/desktop.h"
#include "ui/accessibility/round_news.h"
#include "ui/board/keyboard_play.h"
#include "ui/main_window/round_cards.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QWindow>

void TfrmMain::ratingChanged()
{
    m_statusPanel->showRating(m_engine->ratingCaption(), m_engine->ratingBand());
    // A tick of the clock changes the rating with nothing else to show it: its news goes out too.
    m_keyboardPlay->news().poke();
}

void TfrmMain::showWarning(const QString &text)
{
    m_desktop.showMessage(this, Desktop::BoxKind::Warning, windowTitle(), text);
}

void TfrmMain::showInformation(const QString &text)
{
    m_desktop.showMessage(this, Desktop::BoxKind::Information, windowTitle(), text);
}

void TfrmMain::showError(const QString &text)
{
    m_desktop.showMessage(this, Desktop::BoxKind::Error, windowTitle(), text);
}

void TfrmMain::commandsChanged()
{
    applyCommands();
    // Commands change as a round starts and ends: keyboard play lets go of a tile that can no longer move.
    m_keyboardPlay->boardChanged();
    m_cards->commandsChanged();
}

void TfrmMain::processEvents()
{
    QCoreApplication::processEvents();
}

void TfrmMain::setBoardEnabled(bool enabled)
{
    m_boardPanel->setEnabled(enabled);
}

void TfrmMain::setBusyCursor(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
}

void TfrmMain::clearDebug()
{
    if (m_debugWindow)
        m_debugWindow->clear();
}

void TfrmMain::appendDebugLine(const QString &line)
{
    if (m_debugWindow)
        m_debugWindow->append(line);
}

void TfrmMain::showDebugWindow()
{
    if (m_debugWindow)
        m_debugWindow->show();
}

QSize TfrmMain::screenSize() const
{
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

void TfrmMain::setWindowGeometry(int left, int top, int width, int height)
{
    // The engine centres on a screen whose corner is (0, 0); this window's screen may sit elsewhere.
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    // The round's board at its natural size: the frame, the menu bar and the status bar take the rest.
    m_boardPanel->setNaturalSize(QSize(width, height) - chromeSize());
    placeBoard(origin + QPoint(left + width / 2, top + height / 2));
}

bool TfrmMain::FormShortCut(int key, Qt::KeyboardModifiers modifiers)
{
    const RoundCommands &c = m_engine->commands();
    switch (key) {
    case Qt::Key_F12:
        if (modifiers & Qt::ShiftModifier) {
            if (!c.popupClue)
                return false;
            m_engine->Clue1Click();
            return true;
        }
        if (!c.popupSolve)
            return false;
        m_engine->Solve1Click();
        return true;
    case Qt::Key_F2:
        New1Click();
        return true;
    case Qt::Key_P:
    case Qt::Key_Pause:
        if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) ||
            !(m_engine->inPlay() || m_engine->paused()))
            return false;
        m_cards->togglePause();
        return true;
    case Qt::Key_F3:
        return true;
    case Qt::Key_F7:
        if (c.settings)
            Options1Click();
        return true;
    default:
        return false;
    }
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_boardPanel) {
        if (event->type() == QEvent::Resize)
            m_backgroundImage->setGeometry(m_boardPanel->contentsRect());
        return false;
    }
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return false;
    // Only keys meant for this window: its widgets or its own window handle.
    auto *widget = qobject_cast<QWidget *>(watched);
    const bool ours = widget ? widget->window() == this : watched == static_cast<QObject *>(windowHandle());
    if (!ours || !isVisible())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (type == QEvent::ShortcutOverride) {
        // The hook acts on the way to the shortcut map, so a handled key never
        // reaches a menu; the key press that follows is swallowed.
        if (FormShortCut(key->key(), key->modifiers())) {
            m_swallowKey = key->key();
            event->accept();
            return true;
        }
        m_swallowKey = 0;
        return false;
    }
    if (m_swallowKey && key->key() == m_swallowKey) {
        if (!key->isAutoRepeat())
            m_swallowKey = 0;
        return true;
    }
    // A key press that came without its shortcut check still passes the hook once.
    return FormShortCut(key->key(), key->modifiers());
}
