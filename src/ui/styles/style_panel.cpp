#include "ui/styles/style_panel.h"

#include <QMouseEvent>

StylePanel::StylePanel(QWidget *parent) : TileWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void StylePanel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void StylePanel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

void StylePanel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    // A click is a press and a release on the panel, as with a button.
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

void StylePanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click counts as a press of its own.
    mousePressEvent(event);
}
