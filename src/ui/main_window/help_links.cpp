#include "ui/main_window/help_links.h"

#include "base/program_folder.h"
#include "ui/desktop/desktop.h"
#include "ui/desktop/game_language.h"
#include <QCoreApplication>

namespace HelpLinks {

QString supportMailText(const QString &mainCaption)
{
    return QStringLiteral("mailto:") + SupportMailbox + QStringLiteral("?subject=") + mainCaption
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
    desktop.openUrl(QUrl(WebSiteAddress));
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
    return askAndOpen(desktop, parent, QCoreApplication::translate("HelpLinks", NewsQuestionText), QUrl(NewsPageAddress));
}

} // namespace HelpLinks
