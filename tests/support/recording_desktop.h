// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Window tests never show a real box or open a real page: this desktop
// records every box, address and beep, answers at once and shortens holds.

#include "ui/desktop/desktop.h"

#include <QList>
#include <QUrl>
#include <functional>

class RecordingDesktop : public Desktop
{
public:
    struct Box
    {
        BoxKind kind;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
    };

    // The answer to every box; unset: No where there is a No, else Ok.
    std::function<QMessageBox::StandardButton(const Box &box)> answer;
    QList<Box> boxes;
    QList<QUrl> opened;
    int beeps = 0;
    double holdScale = 0.0; // 1.0 = real hold times

    using Desktop::showMessage;
    QMessageBox::StandardButton showMessage(QWidget *, BoxKind kind, const QString &title, const QString &text,
                                            QMessageBox::StandardButtons buttons) override
    {
        boxes.append({kind, title, text, buttons});
        if (answer)
            return answer(boxes.last());
        return buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
    }
    void openUrl(const QUrl &url) override { opened.append(url); }
    void beep() override { ++beeps; }
    int holdTime(int ms) const override { return int(ms * holdScale); }

    int countBoxes(BoxKind kind) const
    {
        int n = 0;
        for (const Box &box : boxes)
            n += box.kind == kind ? 1 : 0;
        return n;
    }
};
