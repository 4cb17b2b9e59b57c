// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

class Desktop;
class QWidget;

// The Help menu's ways out of the game: the help page, a support e-mail, the
// web site and the news check. Everything is opened through the desktop; its
// result is not looked at. The addresses are the build's (SPLITWICK_EMAIL,
// SPLITWICK_WEB_SITE, SPLITWICK_NEWS_PAGE); what has none is not offered.
namespace HelpLinks {

struct Addresses
{
    QString supportMailbox; // "name@host"
    QString webSite;        // ends in '/'
    QString newsPage;
};

// The addresses in use: the build's, unless a test stood in its own.
const Addresses &addresses();
void setAddresses(const Addresses &addresses);
Addresses buildAddresses();

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

// Help > News and New Games (also the activation's 30-day check); with no
// news page it asks nothing and returns false.
bool TryOtherGames1Click(Desktop &desktop, QWidget *parent);

} // namespace HelpLinks
