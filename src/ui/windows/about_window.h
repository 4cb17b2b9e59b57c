#pragma once

#include <QDialog>

class QPushButton;

// Help > About: the program picture, the shadowed title, the version and "OK" (also Esc).
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

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *m_ok = nullptr;
};
