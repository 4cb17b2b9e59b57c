// SPDX-License-Identifier: GPL-3.0-or-later
// The pause and its cover, the way in at the first start, and the card of a round's result.
#include "ui/main_window/round_cards.h"

#include "round/round_engine.h"
#include "ui/accessibility/announcer.h"
#include "ui/board/board_card.h"

#include <QApplication>
#include <QGuiApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

RoundCards::RoundCards(QWidget &window, QWidget &board, RoundEngine &engine, Announcer &announcer, QObject *parent)
    : QObject(parent), m_window(window), m_board(board), m_engine(engine), m_announcer(announcer),
      m_card(new BoardCard(&board))
{
    m_away.setSingleShot(true);
    connect(&m_away, &QTimer::timeout, this, [this] {
        if (QGuiApplication::applicationState() != Qt::ApplicationActive)
            pauseFor(Reason::Away);
    });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this] { awayChanged(); });
    m_window.installEventFilter(this);
    m_board.installEventFilter(this);
    qApp->installEventFilter(this);
}

void RoundCards::togglePause()
{
    if (m_engine.paused())
        goOn();
    else
        pauseFor(Reason::Player);
}

void RoundCards::pauseFor(Reason reason)
{
    if (m_engine.paused() || !m_engine.inPlay())
        return;
    m_engine.pause();
    if (!m_engine.paused())
        return;
    m_reason = reason;
    m_card->setDismissHandler([this] { goOn(); });
    m_card->present(tr("Paused"), {tr("The clock stands still and the board is hidden.")},
                    tr("Any key or a click: go on"),
                    reason == Reason::Player ? BoardCard::Kind::Cover : BoardCard::Kind::CoverUntilBack);
    m_announcer.announce(tr("Paused"));
}

void RoundCards::goOn()
{
    m_card->hide();
    if (!m_engine.paused())
        return;
    m_reason = Reason::None;
    m_engine.resume();
    m_announcer.announce(tr("Resumed"));
    if (m_window.isActiveWindow())
        m_board.setFocus(Qt::OtherFocusReason);
}

// Windows of the game's own: dialogs and boxes, not menus, tips, the splash or the trace window.
void RoundCards::ownWindowShown(QWidget *window, bool shown)
{
    m_ownWindows.removeAll(nullptr);
    m_ownWindows.removeAll(window);
    if (shown) {
        m_ownWindows << window;
        pauseFor(Reason::OwnWindow);
    } else if (m_ownWindows.isEmpty() && m_reason == Reason::OwnWindow) {
        goOn();
    }
}

void RoundCards::awayChanged()
{
    const bool away = m_window.isMinimized() || QGuiApplication::applicationState() != Qt::ApplicationActive;
    if (!away) {
        m_away.stop();
        if (m_reason == Reason::Away)
            goOn();
        return;
    }
    if (m_window.isMinimized())
        pauseFor(Reason::Away);
    else if (!m_away.isActive())
        m_away.start(AwayMs);
}

bool RoundCards::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::Hide) && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        const Qt::WindowType kind = widget->windowType();
        if (widget->isWindow() && widget != &m_window && (kind == Qt::Dialog || kind == Qt::Window) &&
            widget->objectName() != QLatin1String("frmDebug"))
            ownWindowShown(widget, type == QEvent::Show);
        return false;
    }
    if (watched == &m_window && type == QEvent::WindowStateChange)
        awayChanged();
    // A key that reaches the window itself while paused is the player's too
    // (P and Pause toggle the pause on their own way, through the shortcut hook).
    if (watched == &m_window && type == QEvent::KeyPress && m_engine.paused()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (!BoardCard::isModifierKey(key) && key != Qt::Key_P && key != Qt::Key_Pause)
            goOn();
    }
    // A player back from another program: the first key or click on the board goes on, and does its own work.
    if (watched == &m_board && m_reason != Reason::None && m_reason != Reason::Player &&
        (type == QEvent::MouseButtonPress || type == QEvent::KeyPress))
        goOn();
    return false;
}

void RoundCards::showWelcome(std::function<void()> deal)
{
    m_welcome = true;
    m_card->setDismissHandler(std::move(deal));
    m_card->present(tr("Welcome to Splitwick"),
                    {tr("Put every row's cells in order so that each row spells its word."),
                     tr("Drag a red cell onto another red cell to swap them, or move with the arrow keys and press Space on each.")},
                    tr("F2 or a click: deal a round"), BoardCard::Kind::Cover);
}

void RoundCards::roundDealt()
{
    if (m_welcome || m_card->isVisible()) {
        m_welcome = false;
        m_card->hide();
    }
    m_reason = Reason::None;
    m_cluesAtDeal = m_engine.round().Parameters.CluesLeft;
    m_wasInPlay = m_engine.inPlay();
}

void RoundCards::commandsChanged()
{
    const bool inPlay = m_engine.inPlay();
    const bool ended = m_wasInPlay && !inPlay && !m_engine.round().Busy;
    m_wasInPlay = inPlay;
    if (ended) {
        m_playedMs = m_engine.playedMs();
        // Once the end's own steps (the reveal, the sounds) are done.
        QTimer::singleShot(0, this, [this] {
            if (!m_engine.inPlay() && !m_engine.round().Busy)
                showResult();
        });
    }
}

void RoundCards::showResult()
{
    const RoundParameters &p = m_engine.round().Parameters;
    const int rating = m_engine.ratingCaption().toInt(); // as the rating label shows it
    QString title;
    if (rating <= 0)
        title = tr("Round lost");
    else if (p.WordsLeft > 0)
        title = tr("Solved by the game");
    else
        title = tr("Round won");
    const qint64 seconds = m_playedMs / 1000;
    const QString time = QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    const int clues = qMax(0, m_cluesAtDeal - p.CluesLeft);
    m_card->setDismissHandler(nullptr);
    m_card->present(title,
                    {tr("Rating: %1").arg(qMax(0, rating)), tr("Moves: %1").arg(m_engine.round().Moves),
                     tr("Clues used: %1").arg(clues), tr("Time: %1").arg(time)},
                    m_resultOffered && m_resultOffered() ? tr("F2: new round. Ctrl+Shift+C: copy result")
                                                         : tr("F2: new round"),
                    BoardCard::Kind::OverBoard);
}
