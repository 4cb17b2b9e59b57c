// SPDX-License-Identifier: GPL-3.0-or-later
// The board's tiles on the accessibility bus: objects of their own, painted by one widget.
#include "ui/accessibility/board_accessible.h"

#include "round/board.h"
#include "ui/board/board_panel.h"

namespace {

// One tile of the board: a button named by its caption, described by its
// state and place, with the hint a mouse player sees as its help text.
class TileItemAccessible : public QAccessibleInterface
{
public:
    TileItemAccessible(BoardPanel *board, int slot) : m_board(board), m_slot(slot) {}

    bool isValid() const override { return m_board; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_board ? m_board->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_board); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Button; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        if (!m_board)
            return {};
        const ShownTile &tile = m_board->tile(m_slot);
        switch (t) {
        case QAccessible::Name:
            return tile.accessibleName.isEmpty() ? tile.face.caption : tile.accessibleName;
        case QAccessible::Description:
            return tile.accessibleDescription;
        case QAccessible::Help:
            // The hint a mouse player sees, also while the description speaks of the state.
            return tile.showHint ? tile.hint : QString();
        default:
            return {};
        }
    }

    QRect rect() const override
    {
        if (!m_board)
            return {};
        const QRect r = m_board->tileRect(m_slot);
        return r.isEmpty() ? QRect() : QRect(m_board->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!m_board)
            return s;
        const bool shown = m_board->tile(m_slot).visible && m_board->isVisible();
        s.invisible = !shown;
        s.offscreen = !shown;
        s.disabled = !m_board->isEnabled();
        // A board tile never takes the keyboard itself: the board's frame shows where it is.
        s.focusable = true;
        s.focused = shown && m_board->focusMark() == m_slot && m_board->hasFocus();
        return s;
    }

private:
    QPointer<BoardPanel> m_board;
    int m_slot;
};

} // namespace

BoardAccessible::BoardAccessible(BoardPanel *board) : QAccessibleWidget(board, QAccessible::Pane) {}

BoardAccessible::~BoardAccessible()
{
    for (QAccessible::Id id : std::as_const(m_tiles))
        QAccessible::deleteAccessibleInterface(id);
}

BoardPanel *BoardAccessible::board() const
{
    return static_cast<BoardPanel *>(widget());
}

int BoardAccessible::childCount() const
{
    return TileSlots + QAccessibleWidget::childCount();
}

QAccessibleInterface *BoardAccessible::child(int index) const
{
    if (index < 0)
        return nullptr;
    if (index >= TileSlots)
        return QAccessibleWidget::child(index - TileSlots);
    if (m_tiles.isEmpty()) {
        m_tiles.reserve(TileSlots);
        for (int slot = 1; slot <= TileSlots; ++slot)
            m_tiles << QAccessible::registerAccessibleInterface(new TileItemAccessible(board(), slot));
    }
    return QAccessible::accessibleInterface(m_tiles.at(index));
}

int BoardAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    if (!child->object()) {
        const qsizetype at = m_tiles.indexOf(QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child)));
        return at >= 0 ? int(at) : -1;
    }
    const int index = QAccessibleWidget::indexOfChild(child);
    return index >= 0 ? index + TileSlots : -1;
}

QAccessibleInterface *BoardAccessible::childAt(int x, int y) const
{
    if (QAccessibleInterface *over = QAccessibleWidget::childAt(x, y))
        return over;
    const int slot = board()->slotAt(board()->mapFromGlobal(QPoint(x, y)));
    return slot ? child(slot - 1) : nullptr;
}
