#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// Game > "Round Number...": shows the current round's number and takes one
// to deal again. Only whole numbers from 0 to 4294967295 are accepted: the
// deal button stays off until the text is one.
class RoundNumberDialog : public QDialog
{
    Q_OBJECT
public:
    RoundNumberDialog(quint32 current, QWidget *parent = nullptr);

    // The typed number; nothing while the text is not a round number.
    std::optional<quint32> number() const;
    static std::optional<quint32> parse(const QString &text);

    QLineEdit *edit() const { return m_edit; }
    QPushButton *dealButton() const { return m_deal; }

private:
    void textChanged();

    QLineEdit *m_edit;
    QLabel *m_problem;
    QPushButton *m_deal;
};
