// SPDX-License-Identifier: GPL-3.0-or-later
// The status panel below the board: rating, status line and banner, mode label.
#include "ui/main_window/status_panel.h"

#include "ui/board/hover_hints.h"
#include "ui/board/palette.h"
#include "ui/main_window/banner.h"
#include "ui/main_window/window_look.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QCoreApplication>

using WindowLook::classicFont;
using WindowLook::makePanel;
using WindowLook::paint;

StatusPanel::StatusPanel(QAction *bannerAction, QWidget *parent) : QFrame(parent)
{
    // Raised inner bevel in a lowered outer one.
    setObjectName(QStringLiteral("pStatus"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    paint(this, QColor(129, 68, 242));
    setFixedHeight(Height);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);

    m_innerPanel = makePanel(this, "ppp", QFrame::Raised, 1);
    paint(m_innerPanel, QColor(188, 156, 248), QColor(128, 0, 64));
    m_innerPanel->setFont(classicFont(QStringLiteral("MS Sans Serif"), 11));
    layout->addWidget(m_innerPanel);

    m_ratingFrame = makePanel(m_innerPanel, "ratingFrame", QFrame::Sunken, 2);
    paint(m_ratingFrame, QColor(0, 0, 128));
    m_ratingFrame->setGeometry(1, 1, 32, Height - 4);

    m_ratingLabel = new QLabel(QStringLiteral("0"), m_ratingFrame);
    m_ratingLabel->setObjectName(QStringLiteral("Counter"));
    m_ratingLabel->setAlignment(Qt::AlignCenter);
    QFont ratingFont = classicFont(QStringLiteral("Courier New"), 13, true);
    // Only digits and a sign: every one of its fonts has them, so no
    // fallback fonts need to be looked up for it.
    ratingFont.setStyleStrategy(QFont::NoFontMerging);
    m_ratingLabel->setFont(ratingFont);
    paint(m_ratingLabel, Palette::ratingBackground(RatingBand::Below26), QColor(Qt::yellow));
    m_ratingLabel->setGeometry(m_ratingFrame->contentsRect());
    HoverHints::setHint(m_ratingLabel, QCoreApplication::translate("HoverHints", HoverHints::RatingHintText));
    // Named from the start, as every change names it.
    m_ratingLabel->setAccessibleName(tr("Rating %1").arg(0));

    m_statusLine = new QLabel(m_innerPanel);
    m_statusLine->setObjectName(QStringLiteral("LB"));
    m_statusLine->setGeometry(36, 4, 285, 14);
    m_statusLine->setFont(classicFont(QStringLiteral("MS Sans Serif"), 11));
    QPalette linePalette = m_statusLine->palette();
    linePalette.setColor(QPalette::WindowText, QColor(242, 231, 85));
    m_statusLine->setPalette(linePalette);
    // Named by the messages, not by the banner creeping through it ten times a
    // second: an unnamed label reports every new text as a change of name.
    m_statusLine->setAccessibleName(tr("Status"));

    m_modeLabel = new QLabel(m_innerPanel);
    m_modeLabel->setObjectName(QStringLiteral("lROund"));
    m_modeLabel->setFont(classicFont(QStringLiteral("Arial"), 9));
    m_modeLabel->hide();

    m_banner = new Banner(m_statusLine, bannerAction, nullptr, this);
    m_banner->timer()->setObjectName(QStringLiteral("bTimer"));
}

void StatusPanel::showRating(const QString &caption, RatingBand band)
{
    m_ratingLabel->setText(caption);
    m_ratingLabel->setAccessibleName(tr("Rating ") + caption);
    QPalette palette = m_ratingLabel->palette();
    palette.setColor(QPalette::Window, Palette::ratingBackground(band));
    m_ratingLabel->setPalette(palette);
}

void StatusPanel::setModeText(const QString &text)
{
    m_modeLabel->setText(text);
}

void StatusPanel::setStatusText(const QString &text)
{
    m_banner->setLine(text);
    // The banner creeps through LB: a screen reader reads the engine's message instead.
    const QString message = text.trimmed();
    const QString name = message.isEmpty() ? tr("Status") : tr("Status: ") + message;
    if (m_statusLine->accessibleName() != name)
        m_statusLine->setAccessibleName(name);
}

void StatusPanel::showOutcome(RoundOutcome outcome)
{
    const Palette::StatusLook look = Palette::statusLine(outcome);
    m_banner->setLineColour(look.letters, look.plainStyle);
}

void StatusPanel::showNextBannerLine()
{
    m_banner->ShowNextBannerLine();
}

void StatusPanel::startBanner()
{
    m_banner->startTimer();
}

void StatusPanel::stopBanner()
{
    m_banner->stopTimer();
}
