// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu's links: the help page, support e-mail, web site and news page.
#include "ui/main_window/help_links.h"

#include "base/program_folder.h"
#include "ui/desktop/desktop.h"
#include "ui/desktop/game_language.h"
#include <QCoreApplication>

namespace HelpLinks {

namespace {
Addresses &current()
{
    static Addresses inUse = buildAddresses();
    return inUse;
}
} // namespace

Addresses buildAddresses()
{
    QString webSite = QStringLiteral(SPLITWICK_WEB_SITE);
    if (!webSite.isEmpty() && !webSite.endsWith(u'/'))
        webSite += u'/';
    return {QStringLiteral(SPLITWICK_EMAIL), webSite, QStringLiteral(SPLITWICK_NEWS_PAGE)};
}

const Addresses &addresses()
{
    return current();
}

void setAddresses(const Addresses &addresses)
{
    current() = addresses;
}

QString supportMailText(const QString &mainCaption)
{
    return QStringLiteral("mailto:") + addresses().supportMailbox + QStringLiteral("?subject=") + mainCaption
           + QStringLiteral(" support, feedback, etc.");
}

void Contents1Click(Desktop &desktop)
{
    desktop.openUrl(QUrl::fromLocalFile(dataPath(helpPageName())));
}

void ByEmail1Click(Desktop &desktop, const QString &mainCaption)
{
    // Taken as written; the spaces of the subject are the mail program's business.
    desktop.openUrl(QUrl(supportMailText(mainCaption), QUrl::TolerantMode));
}

void WebSite2Click(Desktop &desktop)
{
    desktop.openUrl(QUrl(addresses().webSite));
}

bool askAndOpen(Desktop &desktop, QWidget *parent, const QString &question, const QUrl &url)
{
    const auto answer = desktop.showMessage(parent, Desktop::BoxKind::Warning, QCoreApplication::translate("HelpLinks", "Warning"), question,
                                            QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::No)
        return false;
    desktop.openUrl(url);
    return true;
}

bool TryOtherGames1Click(Desktop &desktop, QWidget *parent)
{
    if (addresses().newsPage.isEmpty())
        return false;
    return askAndOpen(desktop, parent, QCoreApplication::translate("HelpLinks", NewsQuestionText), QUrl(addresses().newsPage));
}

} // namespace HelpLinks
