// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPushButton;

// Help > About: the program picture, the shadowed title, the version, the
// copyright, licence and credits, the web site when the build names one, and
// "OK" (also Esc).
class TfrmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget *parent = nullptr);

    // The contents are built on first show (the title's font and the picture
    // cost start-up time); this builds them earlier, once.
    void ensureWidgets();
    QPushButton *okButton()
    {
        ensureWidgets();
        return m_ok;
    }

    // The program picture: three tiles in the game's colours.
    static QPixmap programPicture();

    // The web site the build was given (empty: none).
    static QString projectWebSite();

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *m_ok = nullptr;
};
