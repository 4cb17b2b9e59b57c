// SPDX-License-Identifier: GPL-3.0-or-later
// The status line's accessible interface: its name and its whole line as text.
#include "ui/accessibility/status_line_accessible.h"

#include <QLabel>

namespace {
constexpr const char *ClassName = "StatusLineLabel";

QAccessibleInterface *statusLineFactory(const QString &, QObject *object)
{
    if (object && object->isWidgetType() && object->property(ClassName).toBool())
        return new StatusLineAccessible(static_cast<QWidget *>(object));
    return nullptr;
}
} // namespace

StatusLineAccessible::StatusLineAccessible(QWidget *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

void StatusLineAccessible::install(QLabel &label)
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(statusLineFactory);
    installed = true;
    label.setProperty(ClassName, true);
}

QString StatusLineAccessible::wholeLine() const
{
    return widget()->property(WholeLine).toString();
}

QString StatusLineAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return widget()->accessibleName();
    case QAccessible::Value: // its text tells it to the reader; a description would say it twice
        return wholeLine();
    default:
        return QAccessibleWidget::text(t);
    }
}

void *StatusLineAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString StatusLineAccessible::text(int startOffset, int endOffset) const
{
    const QString line = wholeLine();
    if (endOffset < 0 || endOffset > line.size())
        endOffset = int(line.size());
    startOffset = qBound(0, startOffset, endOffset);
    return line.mid(startOffset, endOffset - startOffset);
}

QString StatusLineAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
