#pragma once

#include "ui/desktop/desktop.h"

// The real desktop: QMessageBox, QDesktopServices, QApplication::beep and
// the holds as they are asked for.
class SystemDesktop : public Desktop
{
public:
    using Desktop::showMessage;
    QMessageBox::StandardButton showMessage(QWidget *parent, BoxKind kind, const QString &title, const QString &text,
                                            QMessageBox::StandardButtons buttons) override;
    void openUrl(const QUrl &url) override;
    void beep() override;
    int holdTime(int ms) const override { return ms; }
};
