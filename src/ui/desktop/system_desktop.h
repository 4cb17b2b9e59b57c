// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/desktop/desktop.h"

// The real desktop: QMessageBox, the system's opener, QApplication::beep and
// the holds as they are asked for. What the system cannot open the game shows
// itself: a help page in its own help window, an e-mail or web address in a
// box from which it can be copied.
class SystemDesktop : public Desktop
{
public:
    using Desktop::showMessage;
    QMessageBox::StandardButton showMessage(QWidget *parent, BoxKind kind, const QString &title, const QString &text,
                                            QMessageBox::StandardButtons buttons) override;
    void openUrl(const QUrl &url) override;
    void beep() override;
    int holdTime(int ms) const override { return ms; }

private:
    void showOwnViewer(const QUrl &url);
};
