// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

// A card laid over the board: a box of text in the middle (a title, a few
// lines, a foot saying what to do next) that any key or click dismisses.
// As a cover it hides the whole board, so nothing of it can be studied
// (the pause). It takes the keyboard while shown, and a screen reader reads
// it whole as it does.
class BoardCard : public QWidget
{
    Q_OBJECT
public:
    explicit BoardCard(QWidget *board);

    // Shows the card over the whole board with these words. A cover hides the
    // board under it and takes the keyboard; a card over a finished board
    // leaves the keys to the board, and goes at the first of them.
    // A cover until the player is back hides the board the same way but lets
    // the first key or click through to it.
    enum class Kind { Cover, CoverUntilBack, OverBoard };
    void present(const QString &title, const QStringList &lines, const QString &foot, Kind kind);
    QString title() const { return m_title; }
    QStringList lines() const { return m_lines; }
    QString foot() const { return m_foot; }
    bool coversBoard() const { return m_cover; }

    // What a key or a click on the card does (the card hides first).
    void setDismissHandler(std::function<void()> handler) { m_onDismiss = std::move(handler); }
    // Shift, Ctrl, Alt and the like: on their way to a shortcut, no answer of their own.
    static bool isModifierKey(int key);
    // The text as a screen reader reads it.
    QString spoken() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void dismiss();
    QRect boxRect() const;

    QString m_title;
    QStringList m_lines;
    QString m_foot;
    bool m_cover = false;
    std::function<void()> m_onDismiss;
};
