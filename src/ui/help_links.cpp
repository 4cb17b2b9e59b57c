#include "ui/help_links.h"

#include "settings/program_folder.h"
#include "ui/message_box.h"

#include <QDesktopServices>

namespace HelpLinks {
namespace {

UrlOpener &currentOpener()
{
    static UrlOpener opener;
    return opener;
}

} // namespace

UrlOpener setUrlOpener(UrlOpener opener)
{
    UrlOpener previous = std::move(currentOpener());
    currentOpener() = std::move(opener);
    return previous;
}

void openUrl(const QUrl &url)
{
    // The system's answer is not looked at: a missing viewer or network
    // shows whatever the system shows and the game goes on.
    if (currentOpener())
        currentOpener()(url);
    else
        QDesktopServices::openUrl(url);
}

QString supportMailText(const QString &mainCaption)
{
    return QStringLiteral("mailto:") + SupportMailbox + QStringLiteral("?subject=") + mainCaption
           + QStringLiteral(" support, feedback, etc.");
}

void Contents1Click()
{
    openUrl(QUrl::fromLocalFile(dataPath(QStringLiteral("xq\\xq.htm"))));
}

void ByEmail1Click(const QString &mainCaption)
{
    // Taken as written; the spaces of the subject are the mail program's business.
    openUrl(QUrl(supportMailText(mainCaption), QUrl::TolerantMode));
}

void WebSite2Click()
{
    openUrl(QUrl(WebSiteAddress));
}

bool askAndOpen(QWidget *parent, const QString &question, const QUrl &url)
{
    const auto answer = GameMessageBox::show(parent, GameMessageBox::Kind::Warning, QStringLiteral("Warning"),
                                             question, QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::No)
        return false;
    openUrl(url);
    return true;
}

bool TryOtherGames1Click(QWidget *parent)
{
    return askAndOpen(parent, NewsQuestion, QUrl(NewsPageAddress));
}

} // namespace HelpLinks
