// SPDX-License-Identifier: GPL-3.0-or-later
// The help banner that creeps through the status line.
#include "ui/main_window/banner.h"

#include "ui/accessibility/status_line_accessible.h"
#include "ui/board/palette.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QTimer>
#include <array>

namespace {

const std::array<const char *, Banner::LineCount> HelpLines{{
    QT_TRANSLATE_NOOP("Banner", "Press <F7> for Options or <F2> to start a New Round"),
    QT_TRANSLATE_NOOP("Banner", "Each horizontal row must hold a correct word or phrase."),
    QT_TRANSLATE_NOOP("Banner", "Each row is composed of multiple cells, each containing part of a word or phrase."),
    QT_TRANSLATE_NOOP("Banner", "Red cells in each row must be moved to correct spot in correct row to form each correct word or phrase."),
    QT_TRANSLATE_NOOP("Banner", "Using a <Clue> will cost you points."),
    QT_TRANSLATE_NOOP("Banner", "Drag and drop RED cell onto another red cell to try to match definitions."),
    QT_TRANSLATE_NOOP("Banner", "GREEN letters show a cell in the CORRECT position; green cells cannot be moved."),
    QT_TRANSLATE_NOOP("Banner", "RED letters show a cell is in the WRONG position - drag it to the correct position."),
    QT_TRANSLATE_NOOP("Banner", "Change cell colors via the Options menu."),
    QT_TRANSLATE_NOOP("Banner", "With Definitions ON, your cursor over a cell gives you a clue to the word."),
    QT_TRANSLATE_NOOP("Banner", "Change letter fonts via the Options menu."),
    QT_TRANSLATE_NOOP("Banner", "Press <F8> to view and change cell styles."),
    QT_TRANSLATE_NOOP("Banner", "Click Options > Banner to turn off this banner."),
    QT_TRANSLATE_NOOP("Banner", "Set a handicap to increase or decrease difficulty."),
}};

} // namespace

Banner::Banner(QLabel *lb, QAction *bannerAction, QTimer *timer, QObject *parent)
    : QObject(parent), m_label(lb), m_action(bannerAction), m_timer(timer ? timer : new QTimer(this))
{
    // The line is drawn from its first character, unwrapped and unclipped on
    // the left, so that dropping a character moves the text one place.
    m_label->setTextFormat(Qt::PlainText);
    m_label->setWordWrap(false);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_label->setFixedSize(285, 14);
    m_lineColour = m_label->palette().color(QPalette::WindowText);

    m_timer->setInterval(TickMs);
    m_timer->setSingleShot(false);
    connect(m_timer, &QTimer::timeout, this, &Banner::bTimerTimer);

    m_action->setCheckable(true);
    m_action->setChecked(true);
    connect(m_action, &QAction::triggered, this, &Banner::applyBannerTick);
}

QString Banner::helpLine(int number)
{
    if (number < 1 || number > LineCount)
        return QString();
    return QCoreApplication::translate("Banner", HelpLines[number - 1]);
}

const QColor &Banner::bannerColour()
{
    static const QColor navy(0, 0, 128);
    return navy;
}

void Banner::ShowNextBannerLine()
{
    if (!m_action->isChecked()) {
        stopTimer();
        clear();
        return;
    }
    stopTimer();
    ++m_counter;
    if (m_counter < 1 || m_counter > LineCount) {
        m_counter = 0;
        if (m_label->text().isEmpty())
            setWholeLine(QString());
        return;
    }
    setLineColour(bannerColour(), true);
    m_label->setText(QString(LeadingBlanks, QLatin1Char(' ')) + helpLine(m_counter)
                     + QString(TrailingBlanks, QLatin1Char(' ')));
    setWholeLine(helpLine(m_counter));
    startTimer();
}

void Banner::bTimerTimer()
{
    const QString text = m_label->text();
    if (!text.isEmpty())
        m_label->setText(text.mid(1));
    else
        ShowNextBannerLine();
}

void Banner::BannerClick()
{
    m_action->setChecked(!m_action->isChecked());
    applyBannerTick();
}

void Banner::applyBannerTick()
{
    m_counter = 0;
    if (m_action->isChecked()) {
        startTimer();
        ShowNextBannerLine();
    } else {
        stopTimer();
        clear();
    }
}

void Banner::startTimer()
{
    m_timer->start(TickMs);
}

void Banner::stopTimer()
{
    m_timer->stop();
}

bool Banner::timerActive() const
{
    return m_timer->isActive();
}

Banner::State Banner::state() const
{
    if (m_timer->isActive())
        return State::Running;
    return m_label->text().isEmpty() ? State::Resting : State::Holding;
}

QString Banner::line() const
{
    return m_label->text();
}

void Banner::setLine(const QString &text)
{
    m_label->setText(text);
    setWholeLine(text.trimmed());
}

QString Banner::wholeLine() const
{
    return m_label->property(StatusLineAccessible::WholeLine).toString();
}

void Banner::setWholeLine(const QString &text)
{
    m_label->setProperty(StatusLineAccessible::WholeLine, text);
}

void Banner::setLineColour(const QColor &colour, bool plainStyle)
{
    m_lineColour = colour;
    // The line is see-through: its letters stand on the panel behind it.
    const QWidget *behind = m_label->parentWidget() ? m_label->parentWidget() : m_label;
    QPalette pal = m_label->palette();
    pal.setColor(QPalette::WindowText, Palette::drawnLetters(colour, behind->palette().color(QPalette::Window)));
    m_label->setPalette(pal);
    if (plainStyle) {
        QFont font = m_label->font();
        font.setBold(false);
        font.setItalic(false);
        font.setUnderline(false);
        font.setStrikeOut(false);
        m_label->setFont(font);
    }
}

void Banner::clear()
{
    m_label->clear();
    setWholeLine(QString());
}
