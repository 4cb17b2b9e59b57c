// SPDX-License-Identifier: GPL-3.0-or-later
// The real desktop: message boxes, the system's opener with the game's own viewers behind it, the beep.
#include "ui/desktop/system_desktop.h"

#include "ui/desktop/html_handler.h"
#include "ui/desktop/system_opener.h"
#include "ui/windows/address_window.h"
#include "ui/windows/help_window.h"

#include <QApplication>
#include <QPointer>
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
    QMessageBox box(iconOf(kind), title, QString(), buttons, parent);
    // Before the text: a message carries file names, settings and dictionary
    // texts, which Qt would take for markup when they look like it, loading
    // any picture an <img> names.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    return QMessageBox::StandardButton(box.exec());
}

void SystemDesktop::openUrl(const QUrl &url)
{
    // A desktop without a browser for HTML would show the page as raw markup, if at all.
    const QString path = url.path();
    const bool page = url.isLocalFile() && (path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) ||
                                            path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive));
    if (page && HtmlHandler::forHtml() == HtmlHandler::Default::NoBrowser) {
        showOwnViewer(url);
        return;
    }
    openWithSystem(url, [this, url] { showOwnViewer(url); });
}

void SystemDesktop::showOwnViewer(const QUrl &url)
{
    // Owned by a window of the game, so that they close with it.
    QWidget *owner = QApplication::activeWindow();
    if (url.isLocalFile()) {
        static QPointer<HelpWindow> help;
        if (!help) {
            help = new HelpWindow(owner);
            QObject::connect(help, &HelpWindow::linkLeaving, help, [this](const QUrl &link) { openUrl(link); });
        }
        help->showPage(url);
        return;
    }
    auto *box = new AddressWindow(url, owner);
    box->show();
}

void SystemDesktop::beep()
{
    QApplication::beep();
}
