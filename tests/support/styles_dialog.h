// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Styles dialog opened as the player opens it, by F8 in the main window.
// It is modal: the key returns only once it has closed, so a test's steps run
// while it is up.

#include "ui/main_window/main_window.h"
#include "ui/styles/style_dialog.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>

// Presses F8 in window and runs steps with the Styles dialog once it is up
// and exposed, then closes it if the steps left it open. True when the dialog
// came up and no check failed in the steps.
inline bool withStylesDialog(TfrmMain &window, const std::function<void(TfrmStyle &)> &steps)
{
    bool shown = false;
    QTimer up; // goes with this call, should F8 open nothing
    up.setSingleShot(true);
    QObject::connect(&up, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<TfrmStyle *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        shown = QTest::qWaitForWindowExposed(dialog);
        if (shown)
            steps(*dialog);
        if (dialog->isVisible())
            dialog->close();
    });
    up.start(0);
    QTest::keyClick(&window, Qt::Key_F8);
    return shown && !QTest::currentTestFailed();
}
