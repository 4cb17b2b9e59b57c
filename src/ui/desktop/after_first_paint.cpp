// SPDX-License-Identifier: GPL-3.0-or-later
// An action held back until the program's first paint has been put on screen.
#include "ui/desktop/after_first_paint.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

// Watches every event of the application until the first paint, then goes.
class FirstPaintWatcher : public QObject
{
public:
    // A child of the context: gone with it, so that it never outlives the action's owner.
    FirstPaintWatcher(QObject *context, std::function<void()> action) : QObject(context), m_action(std::move(action))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        QCoreApplication::instance()->removeEventFilter(this);
        // Queued: the paint under way, and the rest of the window's, go first.
        QMetaObject::invokeMethod(
            parent(),
            [action = std::move(m_action)] { action(); }, Qt::QueuedConnection);
        deleteLater();
        return false;
    }

private:
    std::function<void()> m_action;
};

} // namespace

void runAfterFirstPaint(QObject *context, std::function<void()> action)
{
    new FirstPaintWatcher(context, std::move(action));
}
