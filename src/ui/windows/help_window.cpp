// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own help viewer: Qt's text browser on the shipped How to Play page.
#include "ui/windows/help_window.h"

#include "ui/windows/help_page_feed.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
// Pages reach the browser rewritten into what it can draw as a web browser would.
class PageBrowser : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

protected:
    QVariant loadResource(int type, const QUrl &name) override
    {
        QVariant resource = QTextBrowser::loadResource(type, name);
        if (type == QTextDocument::HtmlResource && resource.userType() == QMetaType::QByteArray)
            return HelpPageFeed::forViewer(QString::fromUtf8(resource.toByteArray()));
        return resource;
    }
};
} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QDialog(parent, Qt::Window), m_browser(new PageBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("How to Play"));
    m_browser->setObjectName(QStringLiteral("HelpPage"));
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl &link) {
        const QUrl target = m_browser->source().resolved(link);
        if (target.isLocalFile())
            m_browser->setSource(target);
        else
            emit linkLeaving(target);
    });
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = m_browser->documentTitle();
        setWindowTitle(title.isEmpty() ? tr("How to Play") : title);
    });
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
    resize(760, 620);
}

void HelpWindow::showPage(const QUrl &page)
{
    m_browser->setSource(page);
    show();
    raise();
    activateWindow();
}
