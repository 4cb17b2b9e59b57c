#include "ui/desktop/system_desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

namespace {
QMessageBox::Icon iconOf(Desktop::BoxKind kind)
{
    switch (kind) {
    case Desktop::BoxKind::Information: return QMessageBox::Information;
    case Desktop::BoxKind::Warning: return QMessageBox::Warning;
    case Desktop::BoxKind::Error: return QMessageBox::Critical;
    case Desktop::BoxKind::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}
} // namespace

QMessageBox::StandardButton SystemDesktop::showMessage(QWidget *parent, BoxKind kind, const QString &title,
                                                       const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(iconOf(kind), title, text, buttons, parent);
    return QMessageBox::StandardButton(box.exec());
}

void SystemDesktop::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

void SystemDesktop::beep()
{
    QApplication::beep();
}
