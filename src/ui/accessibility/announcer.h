// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QAccessibleInterface;
class QWidget;

// Tells a screen reader what a sighted player sees happen. Qt 6.4 has no
// announcement call; screen readers speak the name of the object that has
// the focus, as the focus arrives and whenever that name changes. So the news
// becomes the accessible name of the board, the widget that holds the
// keyboard in play, and the board is reported focused. The next move of the
// keyboard's frame reports its tile focused, and the board's name goes back
// to "Board" unheard. News that comes while another window is active waits
// until the board's window is active again.
class Announcer : public QObject
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *board, QObject *parent = nullptr);
    ~Announcer() override;

    void announce(const QString &news);
    // Words that go out with the next news, not on their own: a drop's
    // description with its result, as one new name of the board. A reader
    // hears a name again only as the focus comes to it from elsewhere (Orca
    // with Qt 6.4 hears no new name of the object it is on), so two news
    // for one step would lose the second.
    void hold(const QString &news) { m_held = news; }
    // The reader's focus moved on to a tile: the news is old.
    void focusMovedOn();
    // The answer to a key the player pressed on the board. A reader still on
    // the board (a definition asked for right after a drop) would hear no new
    // name, so its focus goes to the tile under the frame and back.
    void answer(const QString &news);
    // The tile under the keyboard's frame, where that focus steps aside to.
    void setFrameTile(std::function<QAccessibleInterface *()> frameTile) { m_frameTile = std::move(frameTile); }

    QString lastNews() const { return m_last; }
    static QString boardName();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void deliver();
    void focusBoard();
    static constexpr int StepAsideMs = 150;

    QPointer<QWidget> m_board;
    QString m_pending;
    QString m_held;
    QString m_last;
    std::function<QAccessibleInterface *()> m_frameTile;
    bool m_readerOnBoard = true;
    bool m_stepAside = false;
    int m_focusMoves = 0;
};
