// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/code_deal.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// Game > "Round Number...": shows the current round's number (and its code)
// and takes one to deal. A round code deals its own round with its own
// dictionary and options; a plain whole number from 0 to 4294967295 deals
// with the current options, as before codes. The deal button stays off until
// the text is one or the other, and the line below says what is wrong.
class RoundNumberDialog : public QDialog
{
    Q_OBJECT
public:
    RoundNumberDialog(quint32 current, QWidget *parent = nullptr);
    // Codes accepted too: the current round's code shown and offered, old
    // numbers dealt with the player's options.
    void setRound(const QString &code, const RoundOptions &playerOptions);

    // The typed number; nothing while the text is not a round number.
    std::optional<quint32> number() const;
    static std::optional<quint32> parse(const QString &text);
    // What the typed text deals (codes only once setRound has been called).
    CodeDeal deal() const;

    QLineEdit *edit() const { return m_edit; }
    QPushButton *dealButton() const { return m_deal; }

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void textChanged();
    // Wrapped lines take more height as they grow, which a dialog's minimum
    // size does not follow by itself: the dialog keeps the height they need.
    void fitText();

    QLineEdit *m_edit;
    QLabel *m_code;
    QLabel *m_prompt;
    QLabel *m_problem;
    QPushButton *m_deal;
    std::optional<RoundOptions> m_playerOptions; // set: codes are accepted
};
