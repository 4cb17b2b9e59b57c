// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;
class QUrl;

// Shown when the system cannot open an e-mail or web address: the address,
// selected, with a button that copies it, so the player can paste it into a
// mail program or browser of their own.
class AddressWindow : public QDialog
{
    Q_OBJECT
public:
    explicit AddressWindow(const QUrl &url, QWidget *parent = nullptr);

    // What the player copies: the mailbox of a mailto: address, else the whole address.
    static QString addressText(const QUrl &url);
    QString address() const;

private:
    QLineEdit *m_address;
};
