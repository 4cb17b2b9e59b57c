#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

// Every message box of the game goes through here, so that tests can answer
// them without a modal loop (a modal box under the offscreen platform would
// wait for ever). Without a hook the real QMessageBox is shown.
namespace GameMessageBox {

enum class Kind { Information, Warning, Error, Question };

using Hook = std::function<QMessageBox::StandardButton(QWidget *parent, Kind kind, const QString &title,
                                                       const QString &text, QMessageBox::StandardButtons buttons)>;

// Installs a hook (an empty one removes it). Returns the previous hook.
Hook setHook(Hook hook);

QMessageBox::StandardButton show(QWidget *parent, Kind kind, const QString &title, const QString &text,
                                 QMessageBox::StandardButtons buttons = QMessageBox::Ok);

} // namespace GameMessageBox
