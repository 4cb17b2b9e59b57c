// SPDX-License-Identifier: GPL-3.0-or-later
// The box that shows an address the system could not open, ready to copy.
#include "ui/windows/address_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

QString AddressWindow::addressText(const QUrl &url)
{
    if (url.scheme() == QLatin1String("mailto"))
        return url.path();
    return url.toString();
}

AddressWindow::AddressWindow(const QUrl &url, QWidget *parent)
    : QDialog(parent), m_address(new QLineEdit(addressText(url), this))
{
    setObjectName(QStringLiteral("AddressWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    const bool mail = url.scheme() == QLatin1String("mailto");
    setWindowTitle(mail ? tr("E-mail Address") : tr("Web Address"));
    auto *text = new QLabel(mail ? tr("No e-mail program could be started. Write to this address:")
                                 : tr("No web browser could be started. Open this address in one:"),
                            this);
    text->setWordWrap(true);
    m_address->setObjectName(QStringLiteral("Address"));
    m_address->setReadOnly(true);
    m_address->setMinimumWidth(m_address->fontMetrics().horizontalAdvance(m_address->text()) + 24);
    text->setBuddy(m_address);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *copy = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("Copy"));
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(m_address->text()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_address);
    layout->addWidget(buttons);
    m_address->selectAll();
    m_address->setFocus();
}

QString AddressWindow::address() const
{
    return m_address->text();
}
