// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

// The board panel pGame: a sunken frame holding the tiles. A drop disables it
// while it runs; since neither the tiles nor the picture behind them look
// different when disabled, that repaints only the panel's own frame instead
// of the whole board twice per drop.
class BoardPanel : public QFrame
{
    Q_OBJECT
public:
    explicit BoardPanel(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;
    // The keyboard's place shows in the focus frame, not in the panel: a
    // change of focus repaints nothing. A drop disables the board, which
    // sends focus away and back; QWidget would repaint the whole board each
    // time and work out what 250 tiles cover.
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void childEvent(QChildEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
