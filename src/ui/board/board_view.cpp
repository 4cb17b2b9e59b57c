// SPDX-License-Identifier: GPL-3.0-or-later
// The board panel mirroring the board model, and dragging tiles with the mouse.
#include "ui/board/board_view.h"

#include "round/round_engine.h"
#include "ui/accessibility/tile_description.h"
#include "ui/board/board_panel.h"
#include "ui/board/hover_hints.h"
#include "ui/board/palette.h"
#include "ui/board/tile_drop.h"
#include "ui/board/tile_widget.h"
#include "ui/desktop/look_alike_fonts.h"
#include "words/windows1252.h"

#include <QMouseEvent>

#include <algorithm>

BoardView::BoardView(BoardPanel *board, TileWidget *templateTile, RoundEngine &engine, QObject *parent)
    : QObject(parent), m_board(board), m_template(templateTile), m_engine(engine)
{
    m_board->installEventFilter(this);
    m_engine.board().setListener(this);
    refreshAll();
}

BoardView::~BoardView()
{
    m_engine.board().setListener(nullptr);
    if (m_board)
        m_board->removeEventFilter(this);
}

void BoardView::refreshAll()
{
    for (int slot = 1; slot <= TileSlots; ++slot)
        tileChanged(slot);
}

void BoardView::tileChanged(int slot)
{
    if (m_collecting) {
        m_pending.set(size_t(slot - 1));
        // Hidden and shown again: it still takes the template's look.
        if (!m_engine.board().Tiles(slot).Panel.visible)
            m_hidden.set(size_t(slot - 1));
    } else {
        showTile(slot);
        if (m_onChange)
            m_onChange();
    }
}

void BoardView::batchEnded()
{
    m_collecting = false;
    const std::bitset<TileSlots> pending = m_pending;
    const std::bitset<TileSlots> hidden = m_hidden;
    m_pending.reset();
    m_hidden.reset();
    for (int slot = 1; slot <= TileSlots; ++slot) {
        if (pending.test(size_t(slot - 1)))
            showTile(slot, hidden.test(size_t(slot - 1)), false);
    }
    // Each changed row says its places once, not once for each of its changed tiles.
    std::bitset<TileSlots> described;
    for (int slot = 1; slot <= TileSlots; ++slot) {
        if (pending.test(size_t(slot - 1)) && !described.test(size_t(slot - 1)))
            described |= describeRow(slot);
    }
    if (m_onChange && pending.any())
        m_onChange();
}

void BoardView::showTile(int slot, bool wasHidden, bool describe)
{
    const TilePanel &panel = m_engine.board().Tiles(slot).Panel;
    const ShownTile &before = m_board->tile(slot);
    // Nothing shown yet and nothing to show: the tile keeps its place in the pool.
    if (!panel.visible && !before.visible && !m_described)
        return;
    ShownTile shown = before;
    if (!panel.visible || wasHidden || !before.visible) {
        shown.face.colour = m_template->tileColour();
        shown.face.font = m_template->tileFont();
        shown.face.border = m_template->border();
    }
    // The dragged tile went or stopped being movable (a tick or Solve ended
    // the round meanwhile): its copy must not go on floating over the board.
    if (m_source == slot && !(panel.visible && panel.draggable()))
        cancelDrag();
    shown.face.caption = fromWindows1252(panel.caption);
    shown.face.letters = Palette::tileLetters(panel.state);
    shown.geometry = QRect(panel.left, panel.top, panel.width, panel.height);
    shown.hint = fromWindows1252(panel.hint);
    shown.showHint = panel.showHint;
    shown.visible = panel.visible;
    if (panel.visible) {
        loadLookAlikeFonts(); // before the first tile is drawn, once
        m_described = true;
    }
    m_board->setTile(slot, shown);
    if (describe)
        describeRow(slot);
}

// A change moves the other cells of its row too: each says its place anew.
std::bitset<TileSlots> BoardView::describeRow(int slot)
{
    std::bitset<TileSlots> described;
    if (!m_described)
        return described; // nothing is shown
    const Board &board = m_engine.board();
    // Lost or solved: the board shows words the player did not complete.
    const auto end = !m_engine.inPlay() && m_engine.round().Parameters.WordsLeft > 0
                         ? TileDescription::RoundEnd::Revealed
                         : TileDescription::RoundEnd::InPlay;
    // The row's visible tiles and the board's blocks, worked out once for
    // all its tiles; the changed tile too, shown or not. In slot order.
    const QList<int> row = TileDescription::visibleRow(board, slot);
    const int blocks = TileDescription::blockCount(board);
    QList<int> toDescribe = row;
    if (!toDescribe.contains(slot))
        toDescribe << slot;
    std::sort(toDescribe.begin(), toDescribe.end());
    for (int s : toDescribe) {
        const tTile &t = board.Tiles(s);
        described.set(size_t(s - 1));
        const bool hint = t.Panel.showHint && HoverHints::enabled();
        m_board->setTileAccessibleText(s, fromWindows1252(t.Panel.caption),
                                       s <= board.TileCount()
                                           ? TileDescription::describe(board, s, end, hint, row, blocks)
                                           : QString());
    }
    return described;
}

int BoardView::slotAt(const QPoint &boardPos) const
{
    return m_board->slotAt(boardPos);
}

bool BoardView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_board)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        // A drag whose release never came (the pointer left the program) ends
        // here; so does one interrupted by another button (the pop-up menu
        // would take the release and leave the copy floating).
        if (m_source)
            cancelDrag();
        if (mouse->button() != Qt::LeftButton)
            return false;
        const QPoint pos = mouse->position().toPoint();
        const int slot = slotAt(pos);
        if (slot && m_engine.board().Tiles(slot).Panel.draggable()) {
            startDrag(slot, pos);
            return true;
        }
        return false;
    }
    case QEvent::MouseMove:
        if (m_source) {
            moveDrag(static_cast<QMouseEvent *>(event)->position().toPoint());
            return true;
        }
        return false;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_source && mouse->button() == Qt::LeftButton) {
            endDrag(mouse->position().toPoint());
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonDblClick: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        // Only the board itself: a quick second click on a tile is no request for a new round.
        if (mouse->button() == Qt::LeftButton && !slotAt(mouse->position().toPoint()) && m_onDoubleClick) {
            m_onDoubleClick();
            return true;
        }
        return false;
    }
    case QEvent::EnabledChange:
    case QEvent::Hide:
        if (!m_board->isEnabled() || !m_board->isVisible())
            cancelDrag();
        return false;
    default:
        return false;
    }
}

void BoardView::startDrag(int slot, const QPoint &boardPos)
{
    const QRect place = m_board->tileRect(slot);
    m_source = slot;
    m_grabOffset = boardPos - place.topLeft();
    m_board->showDragCopy(slot, place.topLeft());
    moveDrag(boardPos);
}

void BoardView::moveDrag(const QPoint &boardPos)
{
    m_board->moveDragCopy(boardPos - m_grabOffset);
    const int target = slotAt(boardPos);
    const bool accepted = target && m_engine.bgDragOver(target, m_source);
    m_board->setCursor(accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
}

void BoardView::endDrag(const QPoint &boardPos)
{
    const int source = m_source;
    const int target = slotAt(boardPos);
    cancelDrag();
    if (m_onDrop && target && m_engine.bgDragOver(target, source))
        m_onDrop(target, source);
    offerDrop(m_engine, target, source);
}

void BoardView::cancelDrag()
{
    m_source = 0;
    if (m_board) {
        m_board->hideDragCopy();
        m_board->unsetCursor();
    }
}
