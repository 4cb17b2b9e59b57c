// SPDX-License-Identifier: GPL-3.0-or-later
// A choice-only combo box that speaks its current choice while closed.
#include "ui/accessibility/choice_accessible.h"

#include <QComboBox>

namespace {
QAccessibleInterface *choiceFactory(const QString &className, QObject *object)
{
    // Editable boxes keep Qt's interface: their line edit tells the value.
    if (className == QLatin1String("QComboBox"))
        if (auto *box = qobject_cast<QComboBox *>(object); box && !box->isEditable())
            return new ChoiceAccessible(box);
    return nullptr;
}
} // namespace

ChoiceAccessible::ChoiceAccessible(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

void ChoiceAccessible::install()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(choiceFactory);
    installed = true;
}

QComboBox *ChoiceAccessible::box() const
{
    return static_cast<QComboBox *>(widget());
}

QString ChoiceAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        const QString own = widget()->accessibleName();
        if (box()->currentText().isEmpty() || (relations(QAccessible::Label).isEmpty() && !own.isEmpty()))
            return own;
        return box()->currentText();
    }
    case QAccessible::Value:
        return box()->currentText();
    default:
        return QAccessibleWidget::text(t);
    }
}

void *ChoiceAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QStringList ChoiceAccessible::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void ChoiceAccessible::doAction(const QString &actionName)
{
    if (actionName == showMenuAction() || actionName == pressAction())
        box()->showPopup();
}

QString ChoiceAccessible::text(int startOffset, int endOffset) const
{
    const QString choice = box()->currentText();
    if (endOffset < 0 || endOffset > choice.size())
        endOffset = int(choice.size());
    startOffset = qBound(0, startOffset, endOffset);
    return choice.mid(startOffset, endOffset - startOffset);
}

int ChoiceAccessible::characterCount() const
{
    return int(box()->currentText().size());
}

QString ChoiceAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
