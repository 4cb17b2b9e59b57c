// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QUrl>

class QTextBrowser;

// The game's own viewer of its How to Play page, for a system that cannot
// open the page itself (no browser). Links within the page are followed here;
// links that leave it go to linkLeaving.
class HelpWindow : public QDialog
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    void showPage(const QUrl &page);
    QTextBrowser *browser() const { return m_browser; }

signals:
    void linkLeaving(const QUrl &url);

private:
    QTextBrowser *m_browser;
};
