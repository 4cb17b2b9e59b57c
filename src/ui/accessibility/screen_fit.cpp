// SPDX-License-Identifier: GPL-3.0-or-later
// Pages that scroll and windows that stay within the screen.
#include "ui/accessibility/screen_fit.h"

#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace ScreenFit {
namespace {
class WholePageScroll : public QScrollArea
{
public:
    WholePageScroll()
    {
        // Whatever the keys reach comes into view: Tab, a shortcut letter, the arrows.
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
            if (now && widget() && widget()->isAncestorOf(now))
                ensureWidgetVisible(now);
        });
    }
    // Qt's own hint stops at a few dozen lines of text; the page's own hint
    // lets the window ask for all of it, and the screen bounds it in fit().
    QSize sizeHint() const override
    {
        const int frame = 2 * frameWidth();
        return widget() ? widget()->sizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
    }
};
} // namespace

QScrollArea *scrolled(QWidget *page)
{
    auto *area = new WholePageScroll;
    area->setObjectName(page->objectName() + QStringLiteral("Scroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(page);
    // The page's own colours show through, as before it scrolled.
    area->viewport()->setAutoFillBackground(false);
    page->setAutoFillBackground(false);
    return area;
}

QSize room(const QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return screen->availableGeometry().size() - (window.frameGeometry().size() - window.geometry().size());
}

void fit(QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    const QSize room = ScreenFit::room(window);
    const QSize wanted = window.sizeHint().expandedTo(window.minimumSizeHint());
    const QSize size = wanted.boundedTo(room).expandedTo(window.minimumSize());
    if (size != window.size())
        window.resize(size);
    QRect placed = window.frameGeometry();
    placed.setSize(size + frame);
    placed.moveLeft(qBound(free.left(), placed.left(), qMax(free.left(), free.right() - placed.width() + 1)));
    placed.moveTop(qBound(free.top(), placed.top(), qMax(free.top(), free.bottom() - placed.height() + 1)));
    if (placed.topLeft() != window.frameGeometry().topLeft())
        window.move(placed.topLeft());
}

} // namespace ScreenFit
