// SPDX-License-Identifier: GPL-3.0-or-later
// The board panel mirroring the board model, and dragging tiles with the mouse.
#include "ui/board/board_view.h"

#include "round/round_engine.h"
#include "ui/accessibility/tile_description.h"
#include "ui/board/hover_hints.h"
#include "ui/board/palette.h"
#include "ui/board/tile_drop.h"
#include "ui/board/tile_pool.h"
#include "ui/board/tile_stacking.h"
#include "ui/board/tile_widget.h"
#include "ui/desktop/look_alike_fonts.h"
#include "words/windows1252.h"

#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

BoardView::BoardView(QWidget *board, TileWidget *templateTile, TilePool &tiles, RoundEngine &engine,
                     QObject *parent)
    : QObject(parent), m_board(board), m_template(templateTile), m_tiles(tiles), m_engine(engine)
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
    delete m_copy;
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
    } else
        showTile(slot);
}

void BoardView::batchEnded()
{
    m_collecting = false;
    const std::bitset<TileSlots> pending = m_pending;
    const std::bitset<TileSlots> hidden = m_hidden;
    m_pending.reset();
    m_hidden.reset();
    // A change of many tiles (a re-lay, a reveal) is painted as one board;
    // a few (a drop's rows) each paint only themselves.
    const bool whole = pending.count() > 32 && m_board->updatesEnabled();
    if (whole)
        m_board->setUpdatesEnabled(false);
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
    if (whole && m_tiles.made())
        TileStacking::stackAll(*m_board, m_tiles.all());
    else if (m_raised.any())
        TileStacking::restack(*m_board, m_tiles.all(), m_raised);
    m_raised.reset();
    if (whole)
        m_board->setUpdatesEnabled(true);
}

void BoardView::showTile(int slot, bool wasHidden, bool describe)
{
    const TilePanel &panel = m_engine.board().Tiles(slot).Panel;
    // Tiles not made yet are hidden ones with the template's look already.
    if (!panel.visible && !m_tiles.made())
        return;
    TileWidget *tile = m_tiles.at(slot);
    if (!panel.visible || wasHidden)
        tile->copyLookFrom(*m_template);
    // The dragged tile went or stopped being movable (a tick or Solve ended
    // the round meanwhile): its copy must not go on floating over the board.
    if (m_source == slot && !(panel.visible && panel.draggable()))
        cancelDrag();
    tile->setTag(panel.tag);
    tile->setCaption(fromWindows1252(panel.caption));
    tile->setLetterColour(Palette::tileLetters(panel.state));
    tile->setGeometry(panel.left, panel.top, panel.width, panel.height);
    tile->setHintText(fromWindows1252(panel.hint));
    tile->setShowHint(panel.showHint);
    if (panel.visible)
        loadLookAlikeFonts(); // before the first tile is drawn, once
    tile->setVisible(panel.visible);
    if (describe)
        describeRow(slot);
}

// A change moves the other cells of its row too: each says its place anew.
std::bitset<TileSlots> BoardView::describeRow(int slot)
{
    std::bitset<TileSlots> described;
    if (!m_tiles.made())
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
        TileWidget *tile = m_tiles.at(s);
        described.set(size_t(s - 1));
        const bool hint = t.Panel.showHint && HoverHints::enabled();
        TileDescription::apply(*tile, fromWindows1252(t.Panel.caption),
                               s <= board.TileCount() ? TileDescription::describe(board, s, end, hint, row, blocks)
                                                      : QString());
    }
    return described;
}

void BoardView::tileRaised(int slot)
{
    if (!m_tiles.made())
        return; // made later, in reading order
    m_tiles.at(slot)->raise();
    if (m_copy)
        m_copy->raise();
    // Back into reading order once the batch has laid its tiles out.
    m_raised.set(size_t(slot - 1));
    if (!m_collecting) {
        TileStacking::restack(*m_board, m_tiles.all(), m_raised);
        m_raised.reset();
    }
}

int BoardView::slotAt(const QPoint &boardPos) const
{
    for (QWidget *w = m_board->childAt(boardPos); w && w != m_board; w = w->parentWidget()) {
        if (auto *tile = qobject_cast<TileWidget *>(w)) {
            const TilePool::Tiles &tiles = m_tiles.all();
            for (size_t i = 0; i < tiles.size(); ++i) {
                if (tiles[i] == tile)
                    return int(i) + 1;
            }
            return 0;
        }
    }
    return 0;
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
    TileWidget *tile = m_tiles.at(slot);
    m_source = slot;
    m_grabOffset = boardPos - tile->pos();
    m_copy = new QLabel(m_board);
    m_copy->setObjectName(QStringLiteral("dragCopy"));
    m_copy->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_copy->setPixmap(tile->grab());
    m_copy->resize(tile->size());
    m_copy->move(tile->pos());
    m_copy->show();
    m_copy->raise();
    moveDrag(boardPos);
}

void BoardView::moveDrag(const QPoint &boardPos)
{
    if (m_copy)
        m_copy->move(boardPos - m_grabOffset);
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
    if (m_copy) {
        m_copy->hide();
        m_copy->deleteLater();
        m_copy = nullptr;
    }
    m_board->unsetCursor();
}
