// SPDX-License-Identifier: GPL-3.0-or-later
// The program-wide hover hints switch, its menu item, and each control's hint.
#include "ui/board/hover_hints.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QToolTip>
#include <QWidget>

namespace HoverHints {
namespace {

bool g_hintsEnabled = true;

// Swallows every tool tip event of the program while hints are switched off.
class HintFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip && !g_hintsEnabled)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

HintFilter *g_filter = nullptr;

} // namespace

void install()
{
    if (g_filter || !qApp)
        return;
    g_filter = new HintFilter(qApp);
    qApp->installEventFilter(g_filter);
    // The filter goes with the application; a later application gets its own.
    QObject::connect(g_filter, &QObject::destroyed, [] { g_filter = nullptr; });
}

bool enabled()
{
    return g_hintsEnabled;
}

void setEnabled(bool on)
{
    g_hintsEnabled = on;
    if (!on && qApp)
        QToolTip::hideText();
}

void mHintsClick(QAction *mHints)
{
    mHints->setCheckable(true);
    mHints->setChecked(!mHints->isChecked());
    setEnabled(mHints->isChecked());
}

void bindHintsAction(QAction *mHints)
{
    mHints->setCheckable(true);
    mHints->setChecked(true);
    setEnabled(true);
    QObject::connect(mHints, &QAction::triggered, mHints, [mHints] { setEnabled(mHints->isChecked()); });
}

void setHint(QWidget *widget, const QString &text)
{
    widget->setToolTip(text);
    widget->setToolTipDuration(HintDurationMs);
}

} // namespace HoverHints
