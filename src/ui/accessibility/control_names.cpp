// SPDX-License-Identifier: GPL-3.0-or-later
// Accessible names for controls without words of their own, from their labels, group boxes or hints.
#include "ui/accessibility/control_names.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace ControlNames {
namespace {
// "&Dictionary:" reads "Dictionary", "Sound && Music" reads "Sound & Music";
// a label without a buddy shows every "&" as it stands.
QString spoken(QString text, bool mnemonic)
{
    if (mnemonic) {
        QString plain;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('&') && i + 1 < text.size())
                ++i;
            plain += text[i];
        }
        text = plain;
    }
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

QString spoken(const QLabel *label)
{
    return spoken(label->text(), label->buddy() != nullptr);
}

bool needsName(QWidget *w)
{
    // A spin box's or combo box's own line edit speaks for its owner.
    if (qobject_cast<QLineEdit *>(w) &&
        (qobject_cast<QAbstractSpinBox *>(w->parentWidget()) || qobject_cast<QComboBox *>(w->parentWidget())))
        return false;
    return qobject_cast<QAbstractSlider *>(w) || qobject_cast<QAbstractSpinBox *>(w) ||
           qobject_cast<QComboBox *>(w) || qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractItemView *>(w);
}

// The last label made before w among its siblings that names nothing else:
// forms build a caption just before its control.
QLabel *labelBefore(QWidget *w)
{
    QLabel *last = nullptr;
    for (QObject *sibling : w->parentWidget()->children()) {
        if (sibling == w)
            return last;
        if (auto *label = qobject_cast<QLabel *>(sibling))
            last = label->buddy() || label->text().isEmpty() ? nullptr : label;
        else if (sibling->isWidgetType())
            last = nullptr; // another control came between
    }
    return nullptr;
}
// A label in the same row of the grid that holds w (a caption beside its control).
QLabel *labelBeside(QWidget *w, QLayout *layout)
{
    if (!layout)
        return nullptr;
    if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
        const int at = grid->indexOf(w);
        if (at >= 0) {
            int row, column, rows, columns;
            grid->getItemPosition(at, &row, &column, &rows, &columns);
            for (int c = 0; c < grid->columnCount(); ++c)
                if (QLayoutItem *item = grid->itemAtPosition(row, c))
                    if (auto *label = qobject_cast<QLabel *>(item->widget()); label && !label->text().isEmpty())
                        return label;
        }
    }
    for (int i = 0; i < layout->count(); ++i)
        if (QLabel *label = labelBeside(w, layout->itemAt(i)->layout()))
            return label;
    return nullptr;
}

class NameOnShow : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // After the window's own show handler has built what it builds late.
        if (event->type() == QEvent::Show && watched == parent()) {
            auto *window = static_cast<QWidget *>(watched);
            QMetaObject::invokeMethod(this, [window] { nameControls(*window); }, Qt::QueuedConnection);
        }
        return false;
    }
};
} // namespace

void nameControlsOnShow(QWidget &window)
{
    window.installEventFilter(new NameOnShow(&window));
    nameControls(window);
}

void nameControls(QWidget &window)
{
    const QList<QLabel *> labels = window.findChildren<QLabel *>();
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (!needsName(w) || !w->accessibleName().isEmpty())
            continue;
        QString name;
        for (QLabel *label : labels)
            if (label->buddy() == w && !label->text().isEmpty())
                name = spoken(label);
        if (name.isEmpty())
            if (QLabel *label = labelBefore(w))
                name = spoken(label);
        for (QWidget *p = w->parentWidget(); name.isEmpty() && p && p != &window; p = p->parentWidget())
            if (auto *group = qobject_cast<QGroupBox *>(p))
                name = spoken(group->title(), true);
        if (name.isEmpty())
            if (QLabel *label = labelBeside(w, w->parentWidget()->layout()))
                name = spoken(label);
        if (name.isEmpty())
            name = w->toolTip();
        if (!name.isEmpty())
            w->setAccessibleName(name);
    }
}

} // namespace ControlNames
