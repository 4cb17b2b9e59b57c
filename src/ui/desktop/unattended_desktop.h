// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/desktop/system_desktop.h"

// For runs with nobody at the screen (start-up measurements, screenshots):
// every box is answered at once, No where there is a No, and its text is said
// on the error stream so that the run can be checked afterwards.
class UnattendedDesktop : public SystemDesktop
{
public:
    using SystemDesktop::showMessage;
    QMessageBox::StandardButton showMessage(QWidget *, BoxKind, const QString &, const QString &text,
                                            QMessageBox::StandardButtons buttons) override
    {
        qWarning("Message box: %s", qUtf8Printable(text));
        return buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
    }
};
