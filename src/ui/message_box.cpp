#include "ui/message_box.h"

namespace GameMessageBox {
namespace {
Hook &currentHook()
{
    static Hook hook;
    return hook;
}

QMessageBox::Icon iconOf(Kind kind)
{
    switch (kind) {
    case Kind::Information: return QMessageBox::Information;
    case Kind::Warning: return QMessageBox::Warning;
    case Kind::Error: return QMessageBox::Critical;
    case Kind::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}
} // namespace

Hook setHook(Hook hook)
{
    Hook previous = std::move(currentHook());
    currentHook() = std::move(hook);
    return previous;
}

QMessageBox::StandardButton show(QWidget *parent, Kind kind, const QString &title, const QString &text,
                                 QMessageBox::StandardButtons buttons)
{
    if (currentHook())
        return currentHook()(parent, kind, title, text, buttons);
    QMessageBox box(iconOf(kind), title, text, buttons, parent);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace GameMessageBox
