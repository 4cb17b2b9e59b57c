// SPDX-License-Identifier: GPL-3.0-or-later
// Playing by keyboard: the frame, picking up and dropping tiles, a tile's definition, its row read out.
#include "ui/board/keyboard_play.h"

#include "round/round_engine.h"
#include "ui/accessibility/announcer.h"
#include "ui/accessibility/round_news.h"
#include "ui/accessibility/tile_description.h"
#include "ui/board/board_panel.h"
#include "ui/board/hover_hints.h"
#include "ui/board/tile_drop.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QToolTip>
#include <QWidget>

KeyboardPlay::KeyboardPlay(BoardPanel *board, RoundEngine &engine, QObject *parent)
    : QObject(parent), m_board(board), m_engine(engine)
{
    m_board->setFocusPolicy(Qt::StrongFocus);
    m_board->installEventFilter(this);
    m_announcer = std::make_unique<Announcer>(board);
    m_announcer->setFrameTile([this]() -> QAccessibleInterface * {
        return m_focus && m_board && m_board->tile(m_focus).visible ? m_board->tileInterface(m_focus) : nullptr;
    });
    m_news = std::make_unique<RoundNews>(engine, *m_announcer);
}

KeyboardPlay::~KeyboardPlay()
{
    m_news.reset();
    m_announcer.reset();
    if (m_board)
        m_board->removeEventFilter(this);
}

void KeyboardPlay::roundDealt()
{
    m_carried = 0;
    m_focus = 0;
    moveFocus(KeyboardMoves::first(m_engine.board()));
    if (m_board && m_board->isVisible() && m_focus)
        m_board->setFocus(Qt::OtherFocusReason);
    m_news->dealt();
}

void KeyboardPlay::boardChanged()
{
    sync();
    m_news->poke();
}

bool KeyboardPlay::handleKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const Board &board = m_engine.board();
    sync();
    switch (key) {
    case Qt::Key_Left:
        moveFocus(KeyboardMoves::next(board, m_focus, KeyboardMoves::Step::Left));
        return true;
    case Qt::Key_Right:
        moveFocus(KeyboardMoves::next(board, m_focus, KeyboardMoves::Step::Right));
        return true;
    case Qt::Key_Up:
        moveFocus(KeyboardMoves::next(board, m_focus, KeyboardMoves::Step::Up));
        return true;
    case Qt::Key_Down:
        moveFocus(KeyboardMoves::next(board, m_focus, KeyboardMoves::Step::Down));
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pickOrDrop();
        return true;
    case Qt::Key_Escape:
        if (!m_carried)
            return false;
        putBack();
        return true;
    case Qt::Key_D:
        showDefinition();
        return true;
    case Qt::Key_R:
        if (m_focus)
            m_announcer->answer(TileDescription::readRow(board, m_focus));
        return true;
    default:
        return false;
    }
}

void KeyboardPlay::focusTile(int slot)
{
    const Board &board = m_engine.board();
    if (slot >= 1 && slot <= board.TileCount() && board.Tiles(slot).Panel.visible)
        moveFocus(slot);
}

void KeyboardPlay::pickOrDrop()
{
    if (!m_focus)
        return;
    if (!m_carried) {
        if (m_engine.inPlay() && m_engine.board().Tiles(m_focus).Panel.draggable()) {
            m_carried = m_focus;
            sync();
            m_announcer->answer(tr("Picked up %1.").arg(captionOf(m_carried)));
        }
        return;
    }
    if (m_carried == m_focus) {
        putBack();
        return;
    }
    const int source = m_carried;
    const int target = m_focus;
    if (!m_engine.bgDragOver(target, source)) {
        // Refused: the tile stays in hand for another try.
        m_announcer->answer(tr("%1 cannot go there; still holding it.").arg(captionOf(source)));
        return;
    }
    m_carried = 0;
    sync();
    // Said with the drop's result, once the board has the keys back.
    m_announcer->hold(tr("Dropping %1 on %2.").arg(captionOf(source), captionOf(target)));
    m_news->dropping(target, source);
    offerDrop(m_engine, target, source);
    sync();
}

void KeyboardPlay::putBack()
{
    if (m_carried)
        m_announcer->answer(tr("Put back %1.").arg(captionOf(m_carried)));
    m_carried = 0;
    sync();
}

QString KeyboardPlay::captionOf(int slot) const
{
    return m_board->tile(slot).face.caption;
}

// Where and when a mouse player sees the hint: at the tile, if it shows one.
void KeyboardPlay::showDefinition()
{
    if (!m_focus)
        return;
    const ShownTile &tile = m_board->tile(m_focus);
    if (!tile.showHint || tile.hint.isEmpty() || !HoverHints::enabled()) {
        m_announcer->answer(tr("No definition shown for %1.").arg(tile.face.caption));
        return;
    }
    if (tile.visible) {
        const QRect place = m_board->tileRect(m_focus);
        // Plain text: a definition that looks like markup is shown as it stands.
        QToolTip::showText(m_board->mapToGlobal(place.bottomLeft() + QPoint(0, 1)),
                           Qt::mightBeRichText(tile.hint) ? tile.hint.toHtmlEscaped() : tile.hint, m_board, place,
                           HoverHints::HintDurationMs);
    }
    m_announcer->answer(tr("Definition: %1").arg(tile.hint));
}

void KeyboardPlay::moveFocus(int slot)
{
    const bool moved = slot != m_focus;
    m_focus = slot;
    sync();
    if (moved && m_focus) {
        // Screen readers announce the tile the frame is on.
        if (QAccessible::isActive())
            if (QAccessibleInterface *tile = m_board->tileInterface(m_focus)) {
                QAccessibleEvent event(tile, QAccessible::Focus);
                QAccessible::updateAccessibility(&event);
            }
        m_announcer->focusMovedOn();
    }
}

void KeyboardPlay::sync()
{
    const Board &board = m_engine.board();
    if (m_carried && !(board.Tiles(m_carried).Panel.visible && board.Tiles(m_carried).Panel.draggable()))
        m_carried = 0; // a tick or Solve ended the round meanwhile
    if (m_focus)
        m_focus = KeyboardMoves::nearest(board, m_focus);
    m_board->setFocusMark(m_focus);
    m_board->setCarriedMark(m_carried);
    if (m_focus && m_follow)
        m_follow(m_board->tileRect(m_focus));
}

bool KeyboardPlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_board)
        return false;
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        return handleKey(key->key(), key->modifiers());
    }
    // A drop disables the board, which loses the keyboard focus: it takes
    // it back afterwards unless the player went on to another control.
    if (event->type() == QEvent::EnabledChange && m_board->isEnabled() && m_board->isVisible()) {
        // The drop's news first: the board comes back with it as its name.
        m_news->flush();
        QWidget *focus = QApplication::focusWidget();
        if (!focus || focus == m_board->window())
            m_board->setFocus(Qt::OtherFocusReason);
    }
    return false;
}
