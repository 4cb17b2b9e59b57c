// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>

class QUrl;
class QWidget;

// Everything the game asks of the desktop: message boxes, opening a document
// or an address, the beep, and how long the splash holds its pictures. The
// program's entry gives the windows the real one; tests give them a recording
// one, so that no modal box waits for ever under the offscreen platform.
class Desktop
{
public:
    enum class BoxKind { Information, Warning, Error, Question };

    virtual ~Desktop() = default;

    // Shows a modal box and returns the button that closed it.
    virtual QMessageBox::StandardButton showMessage(QWidget *parent, BoxKind kind, const QString &title,
                                                    const QString &text, QMessageBox::StandardButtons buttons) = 0;
    QMessageBox::StandardButton showMessage(QWidget *parent, BoxKind kind, const QString &title, const QString &text)
    {
        return showMessage(parent, kind, title, text, QMessageBox::Ok);
    }

    // Hands a document, web address or mailto: to the system; when the
    // system has nothing to open it with, the game shows it itself.
    virtual void openUrl(const QUrl &url) = 0;

    virtual void beep() = 0;

    // How long a hold meant to last ms milliseconds really lasts.
    virtual int holdTime(int ms) const = 0;
};
