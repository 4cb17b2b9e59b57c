// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/round_host.h"

#include <QFrame>

class Banner;
class QAction;
class QLabel;

// The strip below the board (pStatus): the rating (Counter) on its band's
// colour, the status line LB that the help banner shares with the round's
// messages, and the hidden mode label lROund. It is the round's StatusLine.
class StatusPanel : public QFrame, public StatusLine
{
    Q_OBJECT
public:
    static constexpr int Height = 25;
    // The strip's width in a window of its design size, where the status line is 285 pixels wide.
    static constexpr int DesignWidth = 337;
    static constexpr int DesignLineWidth = 285;

    // bannerAction: Options > "Banner", which the banner takes over.
    StatusPanel(QAction *bannerAction, QWidget *parent);

    Banner &banner() { return *m_banner; }
    void showRating(const QString &caption, RatingBand band);
    void setModeText(const QString &text); // "" or "Solving"
    // Redraws the rating and the line in their letters for the contrast now in force.
    void refreshContrast();

    // StatusLine
    void setStatusText(const QString &text) override;
    void showOutcome(RoundOutcome outcome) override;
    void showNextBannerLine() override;
    void startBanner() override;
    void stopBanner() override;

protected:
    // The status line follows the window's width: wider with it, and never past its edge.
    void resizeEvent(QResizeEvent *event) override;

private:
    void showRatingLetters();

    QFrame *m_innerPanel = nullptr;  // ppp: the raised panel inside the sunken strip
    QFrame *m_ratingFrame = nullptr;
    QLabel *m_ratingLabel = nullptr; // Counter
    QLabel *m_statusLine = nullptr;  // LB
    QLabel *m_modeLabel = nullptr;   // lROund
    Banner *m_banner = nullptr;
};
