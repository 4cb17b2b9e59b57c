// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <QtGlobal>

class QAction;
class QColor;
class QLabel;
class QTimer;

// The help banner in the status line LB: 14 help lines that creep leftwards
// one character per 100 ms tick of bTimer, cycling once through the list.
// Other writers of LB may put a message there: with bTimer on it scrolls
// away and the next help line follows; with bTimer off it stays.
class Banner : public QObject
{
    Q_OBJECT
public:
    static constexpr int LineCount = 14;
    static constexpr int LeadingBlanks = 33;
    static constexpr int TrailingBlanks = 25;
    static constexpr int TickMs = 100;

    enum class State { Running, Resting, Holding };

    // lb: the status-line label (set up here: plain text, one line, no wrap,
    // fixed 285 x 14). bannerAction: Options > "Banner", made checkable and
    // ticked. timer: bTimer; when null the banner owns one. The timer's
    // timeout is connected to bTimerTimer(); its period is set to 100 ms.
    // Choosing the "Banner" item (Qt toggles its tick) runs the rest of
    // BannerClick; BannerClick() itself is the direct call that inverts the tick.
    Banner(QLabel *lb, QAction *bannerAction, QTimer *timer = nullptr, QObject *parent = nullptr);

    // Help line 1 ... 14, word for word.
    static QString helpLine(int number);

    void ShowNextBannerLine();
    void bTimerTimer();
    void BannerClick(); // inverts the tick of "Banner" itself

    QTimer *timer() const { return m_timer; }
    void startTimer(); // (re)starts the 100 ms period
    void stopTimer();
    bool timerActive() const;

    quint16 lineCounter() const { return m_counter; }
    State state() const;

    QString line() const;                // LB's text
    void setLine(const QString &text);   // a message from elsewhere in the game (font and colour untouched)
    // LB's letter colour; plainStyle also drops bold, italic, underline and strike-out.
    // In high contrast drawn lifted off the panel behind it.
    void setLineColour(const QColor &colour, bool plainStyle);
    void refreshContrast() { setLineColour(m_lineColour, false); }
    void clear();                        // empties LB (close)
    // The help line or message LB holds, whole, however far it has crept.
    QString wholeLine() const;

    static const QColor &bannerColour(); // navy

private:
    void applyBannerTick();
    void setWholeLine(const QString &text);

    QLabel *m_label;
    QAction *m_action;
    QTimer *m_timer;
    quint16 m_counter = 0;
    QColor m_lineColour; // as asked for, before any lift
};
