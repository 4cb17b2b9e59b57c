#pragma once

#include <QDialog>

class QPushButton;

// Help > About: the program picture, the shadowed title, the version and "OK" (also Esc).
class TfrmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget *parent = nullptr);

    QPushButton *okButton() const { return m_ok; }

    // The program picture: three tiles in the game's colours.
    static QPixmap programPicture();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *m_ok;
};
