// SPDX-License-Identifier: GPL-3.0-or-later
// The board panel: one surface that paints the picture, the tiles, the keyboard's frames and the dragged tile.
#include "ui/board/board_panel.h"

#include "ui/accessibility/tile_accessible.h"
#include "ui/background/background_image.h"
#include "ui/board/focus_marks.h"
#include "ui/board/hover_hints.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

namespace {
// What QWidget tells assistive tools when its enabled state changes.
void announceEnabledChange(QWidget *widget)
{
    QAccessible::State state;
    state.disabled = true;
    QAccessibleStateChangeEvent change(widget, state);
    QAccessible::updateAccessibility(&change);
}

// A definition is plain text even when it happens to look like markup.
QString plainTip(const QString &text)
{
    return Qt::mightBeRichText(text)
               ? QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped())
               : text;
}
} // namespace

BoardPanel::BoardPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("pGame"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setToolTipDuration(HoverHints::HintDurationMs);
    TileAccessible::install();
}

BoardPanel::~BoardPanel() = default;

void BoardPanel::setTile(int slot, const ShownTile &shown)
{
    ShownTile &t = m_tiles[size_t(slot - 1)];
    const bool looksAlike = t.visible == shown.visible && t.geometry == shown.geometry &&
                            t.face.caption == shown.face.caption && t.face.letters == shown.face.letters &&
                            t.face.colour == shown.face.colour && t.face.font == shown.face.font &&
                            t.face.border == shown.face.border;
    if (!looksAlike)
        repaintTile(slot);
    const QString name = t.accessibleName;
    const QString description = t.accessibleDescription;
    t = shown;
    t.accessibleName = name;
    t.accessibleDescription = description;
    if (!looksAlike)
        repaintTile(slot);
}

void BoardPanel::setTileLook(int slot, const TileColour &colour, const QFont &font, const TileBorder &border)
{
    TileFace &face = m_tiles[size_t(slot - 1)].face;
    if (face.colour == colour && face.font == font && face.border == border)
        return;
    face.colour = colour;
    face.font = font;
    face.border = border;
    repaintTile(slot);
}

void BoardPanel::repaintTile(int slot)
{
    const ShownTile &t = tile(slot);
    if (!t.visible)
        return;
    // The keyboard's ring reaches beyond its tile.
    update(slot == m_focusMark ? focusMarkRect() : place(t.geometry));
}

QRect BoardPanel::place(const QRect &natural) const
{
    if (m_scale == 1.0)
        return natural.translated(m_offset);
    // Edges rounded, not sizes: neighbouring tiles keep their gaps exact.
    const auto at = [this](int v) { return int(std::lround(v * m_scale)); };
    return QRect(QPoint(at(natural.left()), at(natural.top())),
                 QPoint(at(natural.left() + natural.width()) - 1, at(natural.top() + natural.height()) - 1))
        .translated(m_offset);
}

QRect BoardPanel::tileRect(int slot) const
{
    if (slot < 1 || slot > TileSlots || !tile(slot).visible)
        return {};
    return place(tile(slot).geometry);
}

int BoardPanel::slotAt(const QPoint &pos) const
{
    // The last painted lies on top.
    for (int slot = TileSlots; slot >= 1; --slot)
        if (tile(slot).visible && place(tile(slot).geometry).contains(pos))
            return slot;
    return 0;
}

void BoardPanel::setNaturalSize(const QSize &size)
{
    m_naturalSize = size;
    updateScale();
}

void BoardPanel::updateScale()
{
    qreal scale = 1.0;
    QPoint offset;
    if (m_naturalSize.width() > 0 && m_naturalSize.height() > 0) {
        scale = std::max(1.0, std::min(qreal(width()) / m_naturalSize.width(), qreal(height()) / m_naturalSize.height()));
        // Below 1 % the board would only blur: it keeps its natural size.
        if (scale < 1.01)
            scale = 1.0;
        const QSize used(int(std::lround(m_naturalSize.width() * scale)), int(std::lround(m_naturalSize.height() * scale)));
        offset = QPoint(std::max(0, (width() - used.width()) / 2), std::max(0, (height() - used.height()) / 2));
    }
    if (scale == m_scale && offset == m_offset)
        return;
    m_scale = scale;
    m_offset = offset;
    update();
}

void BoardPanel::setBackground(BackgroundImage *picture)
{
    m_background = picture;
    if (picture)
        connect(picture, &BackgroundImage::changed, this, qOverload<>(&QWidget::update));
}

void BoardPanel::setFocusMark(int slot)
{
    if (slot == m_focusMark)
        return;
    update(focusMarkRect());
    m_focusMark = slot;
    update(focusMarkRect());
}

void BoardPanel::setCarriedMark(int slot)
{
    if (slot == m_carriedMark)
        return;
    update(carriedMarkRect());
    m_carriedMark = slot;
    update(carriedMarkRect());
}

QRect BoardPanel::focusMarkRect() const
{
    const QRect t = tileRect(m_focusMark);
    const int out = FocusMarks::px(FocusOutset, m_scale);
    return t.isEmpty() ? QRect() : t.adjusted(-out, -out, out, out);
}

QRect BoardPanel::carriedMarkRect() const
{
    return tileRect(m_carriedMark);
}

QPixmap BoardPanel::tilePicture(int slot) const
{
    const QRect r = tileRect(slot);
    const qreal ratio = devicePixelRatioF();
    QPixmap picture(r.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    QPainter p(&picture);
    TilePainter::paint(p, QRect(QPoint(0, 0), r.size()), TilePainter::scaled(tile(slot).face, m_scale), palette(), m_scale);
    return picture;
}

void BoardPanel::showDragCopy(int slot, const QPoint &pos)
{
    hideDragCopy();
    m_dragPicture = tilePicture(slot);
    moveDragCopy(pos);
}

void BoardPanel::moveDragCopy(const QPoint &pos)
{
    update(dragCopyRect());
    m_dragPos = pos;
    update(dragCopyRect());
}

void BoardPanel::hideDragCopy()
{
    update(dragCopyRect());
    m_dragPicture = QPixmap();
}

QRect BoardPanel::dragCopyRect() const
{
    if (m_dragPicture.isNull())
        return {};
    return QRect(m_dragPos, m_dragPicture.deviceIndependentSize().toSize());
}

void BoardPanel::setTileAccessibleText(int slot, const QString &name, const QString &description)
{
    ShownTile &t = m_tiles[size_t(slot - 1)];
    const bool named = t.accessibleName != name;
    const bool described = t.accessibleDescription != description;
    t.accessibleName = name;
    t.accessibleDescription = description;
    if (!QAccessible::isActive() || !(named || described))
        return;
    QAccessibleInterface *iface = tileInterface(slot);
    if (!iface)
        return;
    if (named) {
        QAccessibleEvent event(iface, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    if (described) {
        QAccessibleEvent event(iface, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

QAccessibleInterface *BoardPanel::tileInterface(int slot) const
{
    QAccessibleInterface *board = QAccessible::queryAccessibleInterface(const_cast<BoardPanel *>(this));
    return board && slot >= 1 && slot <= TileSlots ? board->child(slot - 1) : nullptr;
}

bool BoardPanel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int slot = slotAt(help->pos());
        const ShownTile *t = slot ? &tile(slot) : nullptr;
        if (t && t->showHint && !t->hint.isEmpty())
            QToolTip::showText(help->globalPos(), plainTip(t->hint), this, tileRect(slot), HoverHints::HintDurationMs);
        else
            QToolTip::hideText();
        return true;
    }
    return QFrame::event(event);
}

void BoardPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    const QRect dirty = event->rect();
    if (m_background && m_background->hasPicture()) {
        const QRect area = contentsRect();
        p.save();
        p.setClipRect(area, Qt::IntersectClip);
        m_background->paintPicture(p, area);
        p.restore();
    }
    const QPalette pal = palette();
    for (int slot = 1; slot <= TileSlots; ++slot) {
        const ShownTile &t = m_tiles[size_t(slot - 1)];
        if (!t.visible)
            continue;
        const QRect r = place(t.geometry);
        if (!r.intersects(dirty))
            continue;
        const TileFace face = m_scale == 1.0 ? t.face : TilePainter::scaled(t.face, m_scale);
        const int room = TilePainter::contentRect(r, face.border).width();
        TilePainter::paint(p, r, face, pal, m_scale, &fittedFont(slot, face, room));
    }
    paintMarks(p);
    if (!m_dragPicture.isNull())
        p.drawPixmap(m_dragPos, m_dragPicture);
}

const QFont &BoardPanel::fittedFont(int slot, const TileFace &face, int width) const
{
    FittedCaption &kept = m_fitted[size_t(slot - 1)];
    if (kept.width != width || kept.caption != face.caption || kept.font != face.font) {
        kept.caption = face.caption;
        kept.font = face.font;
        kept.width = width;
        kept.fitted = TilePainter::fittingFont(face.font, face.caption, width);
    }
    return kept.fitted;
}

void BoardPanel::paintMarks(QPainter &p)
{
    if (const QRect r = focusMarkRect(); !r.isEmpty())
        FocusMarks::paintFocus(p, r, m_scale);
    if (const QRect r = carriedMarkRect(); !r.isEmpty())
        FocusMarks::paintCarried(p, r, m_scale);
}

void BoardPanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    updateScale();
}

void BoardPanel::changeEvent(QEvent *event)
{
    if (event->type() != QEvent::EnabledChange)
        return QFrame::changeEvent(event);
    // Only the frame may be drawn in the disabled colours: the tiles and the
    // picture look the same either way, and a drop disables the board.
    update(QRegion(rect()) - contentsRect());
    announceEnabledChange(this);
}

void BoardPanel::focusInEvent(QFocusEvent *)
{
}

void BoardPanel::focusOutEvent(QFocusEvent *)
{
}
