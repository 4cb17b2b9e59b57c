// SPDX-License-Identifier: GPL-3.0-or-later
// A card over the board: the pause, the first start's way in, a round's result.
#include "ui/board/board_card.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>

namespace {
constexpr int Margin = 12;
} // namespace

BoardCard::BoardCard(QWidget *board) : QWidget(board)
{
    setObjectName(QStringLiteral("boardCard"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
    board->installEventFilter(this);
}

void BoardCard::present(const QString &title, const QStringList &lines, const QString &foot, Kind kind)
{
    m_title = title;
    m_lines = lines;
    m_foot = foot;
    m_cover = kind != Kind::OverBoard;
    setAttribute(Qt::WA_TransparentForMouseEvents, kind == Kind::CoverUntilBack);
    setAccessibleName(spoken());
    setGeometry(parentWidget()->rect());
    show();
    raise();
    update();
    if (kind != Kind::Cover)
        return; // the keys stay with the board
    setFocus(Qt::OtherFocusReason);
    // Read out whole, also by a reader that was on the card already.
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent focus(this, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

QString BoardCard::spoken() const
{
    QStringList parts{m_title};
    parts << m_lines << m_foot;
    parts.removeAll(QString());
    return parts.join(QLatin1Char(' '));
}

void BoardCard::dismiss()
{
    hide();
    if (m_onDismiss)
        m_onDismiss();
}

bool BoardCard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    // Over a finished board, the first key the board takes sends the card away (and does its own work).
    if (watched == parentWidget() && event->type() == QEvent::KeyPress && isVisible() && !m_cover)
        hide();
    return false;
}

void BoardCard::keyPressEvent(QKeyEvent *event)
{
    if (isModifierKey(event->key()))
        return QWidget::keyPressEvent(event);
    event->accept();
    dismiss();
}

bool BoardCard::isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
        return true;
    default:
        return false;
    }
}

void BoardCard::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    dismiss();
}

QRect BoardCard::boxRect() const
{
    const QFontMetrics titleMetrics(font());
    const int width = qMin(rect().width() - 2 * Margin, qMax(220, rect().width() * 3 / 4));
    const int lineHeight = titleMetrics.lineSpacing();
    int height = 2 * Margin + lineHeight * 2; // the title and the gap under it
    for (const QString &line : m_lines)
        height += titleMetrics.boundingRect(QRect(0, 0, width - 2 * Margin, 1000), Qt::TextWordWrap, line).height();
    if (!m_foot.isEmpty())
        height += lineHeight * 2;
    QRect box(0, 0, qMax(1, width), qMin(height, rect().height() - 2 * Margin));
    box.moveCenter(rect().center());
    return box;
}

void BoardCard::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPalette pal = parentWidget()->palette();
    if (m_cover)
        p.fillRect(rect(), pal.color(QPalette::Window));
    const QRect box = boxRect();
    // Dark text on a light box, framed: legible on any board.
    p.fillRect(box, QColor(255, 255, 240));
    p.setPen(QPen(QColor(64, 0, 128), 2));
    p.drawRect(box.adjusted(1, 1, -1, -1));
    QRect text = box.adjusted(Margin, Margin, -Margin, -Margin);
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    p.setFont(bold);
    p.setPen(QColor(64, 0, 128));
    const int titleHeight = QFontMetrics(bold).lineSpacing();
    p.drawText(QRect(text.left(), text.top(), text.width(), titleHeight), Qt::AlignHCenter | Qt::TextSingleLine, m_title);
    text.setTop(text.top() + titleHeight + QFontMetrics(font()).lineSpacing() / 2);
    p.setFont(font());
    p.setPen(Qt::black);
    for (const QString &line : m_lines) {
        const QRect used = p.boundingRect(text, Qt::TextWordWrap | Qt::AlignHCenter, line);
        p.drawText(text, Qt::TextWordWrap | Qt::AlignHCenter, line);
        text.setTop(used.bottom() + 1);
    }
    if (!m_foot.isEmpty()) {
        p.setPen(QColor(128, 0, 64));
        p.drawText(box.adjusted(Margin, Margin, -Margin, -Margin), Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine,
                   m_foot);
    }
}
