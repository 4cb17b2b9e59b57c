// SPDX-License-Identifier: GPL-3.0-or-later
// Rewrites the help page's HTML5 blocks and example board into what QTextBrowser draws.
#include "ui/windows/help_page_feed.h"

#include <QRegularExpression>

namespace {

// Added after the page's own style, so that it wins where Qt reads both.
const char ViewerStyle[] = R"(
<style>
  td.header { color: #ffffff; }
  td.header h1 { color: #ffffff; text-align: center; font-size: 34px; }
  td.header p { color: #fff3cf; text-align: center; font-style: italic; }
  td.cell { background-color: #f0eee6; border: 3px outset #f6f4ee; padding: 4px 9px;
            font-weight: bold; font-size: 15px; font-family: Tahoma, "DejaVu Sans", sans-serif; }
</style>
)";

// The element opened at `from` (at its '<'), closed by its matching end tag; -1 when it is not closed.
qsizetype matchingEnd(const QString &html, qsizetype from, const QString &tag)
{
    const QRegularExpression tokens(QStringLiteral("<(/?)%1[\\s>]").arg(tag), QRegularExpression::CaseInsensitiveOption);
    int depth = 0;
    for (auto it = tokens.globalMatch(html, from); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        depth += m.captured(1).isEmpty() ? 1 : -1;
        if (depth == 0)
            return m.capturedStart();
    }
    return -1;
}

// Replaces each element `<tag attrs>` matched by opening with open(match) and its end tag with close.
template <typename Open>
QString rewrite(QString html, const QRegularExpression &opening, const QString &tag, Open open, const QString &close)
{
    qsizetype from = 0;
    for (;;) {
        const QRegularExpressionMatch m = opening.match(html, from);
        if (!m.hasMatch())
            return html;
        const qsizetype end = matchingEnd(html, m.capturedStart(), tag);
        if (end < 0)
            return html;
        const qsizetype endLength = html.indexOf(QLatin1Char('>'), end) + 1 - end;
        html.replace(end, endLength, close);
        const QString opened = open(m);
        html.replace(m.capturedStart(), m.capturedLength(), opened);
        from = m.capturedStart() + opened.size();
    }
}

QRegularExpression element(const QString &pattern)
{
    return QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption);
}

QString block(const QString &cls, const QString &colour, int padding, const QString &align = QString())
{
    // The page's own table cells are framed; these blocks are not.
    return QStringLiteral("<table class=\"%1\" width=\"100%\" cellspacing=\"0\" cellpadding=\"%3\" "
                          "style=\"margin-top: 18px; border-style: none;\"><tr><td class=\"%1\" bgcolor=\"%2\"%4 "
                          "style=\"border-style: none; padding: %3px;\">")
        .arg(cls, colour)
        .arg(padding)
        .arg(align.isEmpty() ? QString() : QStringLiteral(" align=\"%1\"").arg(align));
}

} // namespace

namespace HelpPageFeed {

QString forViewer(const QString &page)
{
    QString html = page;
    const QString endBlock = QStringLiteral("</td></tr></table>");
    const auto fixed = [](const QString &text) { return [text](const QRegularExpressionMatch &) { return text; }; };

    html = rewrite(html, element(QStringLiteral("<header>")), QStringLiteral("header"),
                   fixed(block(QStringLiteral("header"), QStringLiteral("#5838b2"), 20, QStringLiteral("center"))),
                   endBlock);
    html = rewrite(html, element(QStringLiteral("<nav>")), QStringLiteral("nav"),
                   fixed(block(QStringLiteral("nav"), QStringLiteral("#ffffff"), 10)),
                   endBlock);
    html = rewrite(html, element(QStringLiteral("<main>")), QStringLiteral("main"), fixed(QStringLiteral("<div>")),
                   QStringLiteral("</div>"));
    // Sections keep their ids as anchors for the navigation's links.
    html = rewrite(
        html, element(QStringLiteral("<section(?:\\s+id=\"([^\"]*)\")?\\s*>")), QStringLiteral("section"),
        [](const QRegularExpressionMatch &m) {
            const QString anchor = m.captured(1).isEmpty() ? QString()
                                                           : QStringLiteral("<a name=\"%1\"></a>").arg(m.captured(1));
            return block(QStringLiteral("section"), QStringLiteral("#ffffff"), 14) + anchor;
        },
        endBlock);

    // The example board: a table of its own size, each row a table of cells.
    html = rewrite(html, element(QStringLiteral("<div class=\"board\">")), QStringLiteral("div"),
                   fixed(QStringLiteral("<table class=\"board\" cellspacing=\"0\" cellpadding=\"8\"><tr>"
                                        "<td bgcolor=\"#bc9cf8\" style=\"border: 2px inset #9a86d0;\">")),
                   endBlock);
    html = rewrite(html, element(QStringLiteral("<div class=\"row\">")), QStringLiteral("div"),
                   fixed(QStringLiteral("<table class=\"row\" cellspacing=\"4\" cellpadding=\"0\"><tr>")),
                   QStringLiteral("</tr></table>"));
    static const QRegularExpression cell(QStringLiteral("<span class=\"cell ([a-z]+)\"([^>]*)>([^<]*)</span>"));
    html.replace(cell, QStringLiteral("<td class=\"cell \\1\" bgcolor=\"#f0eee6\"\\2>\\3</td>"));

    const qsizetype head = html.indexOf(QLatin1String("</head>"), 0, Qt::CaseInsensitive);
    if (head >= 0)
        html.insert(head, QLatin1String(ViewerStyle));
    return html;
}

} // namespace HelpPageFeed
