#pragma once

#include <QString>
#include <QUrl>

class Desktop;
class QWidget;

// The Help menu's ways out of the game: the help page, a support e-mail, the
// web site and the news check. Everything is opened through the desktop; its
// result is not looked at.
namespace HelpLinks {

inline const QString SupportMailbox = QStringLiteral("support@splitwick.example.org");
inline const QString WebSiteAddress = QStringLiteral("https://splitwick.example.org/");
inline const QString NewsPageAddress = QStringLiteral("https://splitwick.example.org/news/");
// The news question, marked for translation; NewsQuestion is the English text.
inline const char *const NewsQuestionText =
    QT_TRANSLATE_NOOP("HelpLinks", "Check our website via the internet for new announcements?");
inline const QString NewsQuestion = QString::fromLatin1(NewsQuestionText);

// "mailto:" + mailbox + "?subject=" + caption + " support, feedback, etc.", as text.
QString supportMailText(const QString &mainCaption);

void Contents1Click(Desktop &desktop);                          // Help > How to Play: xq/xq.htm
void ByEmail1Click(Desktop &desktop, const QString &mainCaption); // Help > E-mail Support
void WebSite2Click(Desktop &desktop);                           // Help > Web Site

// Warning box with Yes and No; unless No, opens url. Returns whether it opened.
bool askAndOpen(Desktop &desktop, QWidget *parent, const QString &question, const QUrl &url);

// Help > News and New Games (also the activation's 30-day check).
bool TryOtherGames1Click(Desktop &desktop, QWidget *parent);

} // namespace HelpLinks
