// SPDX-License-Identifier: GPL-3.0-or-later
// Round codes and Today's Round in the main window: the code's items, the copy key, the day's round.
#include "ui/main_window/main_window.h"

#include "round/code_deal.h"
#include "round/round_engine.h"
#include "round/todays_round.h"
#include "settings/day_clock.h"
#include "settings/options_model.h"
#include "ui/accessibility/announcer.h"
#include "ui/board/keyboard_play.h"
#include "ui/desktop/game_language.h"
#include "ui/main_window/round_cards.h"
#include "ui/main_window/main_menus.h"
#include "ui/main_window/status_panel.h"
#include "ui/statistics/earlier_days_window.h"

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QLocale>

namespace {
// The game's Language option when set, else the desktop's language.
QString todaysLanguage(const OptionsModel &options)
{
    return chooseLanguage(options.language(), QLocale());
}
} // namespace

void TfrmMain::TodaysRoundClick()
{
    if (!m_engine->commands().newGame)
        return;
    const CodeDeal deal = TodaysRound::dealFor(DayClock::today(), todaysLanguage(m_options));
    if (!deal.ok()) {
        showWarning(deal.problem);
        return;
    }
    m_engine->dealRound(deal.seed, deal.options);
    afterDeal();
}

void TfrmMain::EarlierDaysClick()
{
    if (!m_engine->commands().newGame)
        return;
    EarlierDaysWindow window(m_settings, DayClock::today(), this);
    if (window.exec() != QDialog::Accepted || !window.chosenDay().isValid() || !m_engine->commands().newGame)
        return;
    CodeDeal deal = TodaysRound::dealFor(window.chosenDay(), todaysLanguage(m_options));
    if (!deal.ok()) {
        showWarning(deal.problem);
        return;
    }
    deal.options.practice = true;
    m_engine->dealRound(deal.seed, deal.options);
    afterDeal();
}

void TfrmMain::CopyResultClick()
{
    if (const std::optional<QString> text = TodaysRound::resultOf(*m_engine, m_settings)) {
        QGuiApplication::clipboard()->setText(*text);
        m_keyboardPlay->announcer().answer(tr("Result copied"));
    }
}

void TfrmMain::CopyRoundCodeClick()
{
    // With the dictionary's name, so a player who lacks it is told which one it is.
    if (const std::optional<RoundCode> code = roundCodeOf(*m_engine)) {
        QGuiApplication::clipboard()->setText(code->textWithName());
        m_keyboardPlay->announcer().answer(tr("Round code copied"));
    }
}

void TfrmMain::showRoundCode()
{
    const std::optional<RoundCode> code = roundCodeOf(*m_engine);
    QAction *popupItem = m_menus->popupItem(MenuCommand::CopyRoundCode);
    for (QAction *item : {m_menus->mainItem(MenuCommand::CopyRoundCode), popupItem})
        item->setEnabled(code.has_value());
    // The pop-up shows the code itself, the way a player reads it out.
    popupItem->setText(code ? tr("Copy Round Code %1").arg(code->text()) : tr("Copy Round Code"));
    // Once the day's counted round ends, the status line says how to post its result.
    const bool result = TodaysRound::resultOf(*m_engine, m_settings).has_value();
    m_menus->mainItem(MenuCommand::CopyResult)->setEnabled(result);
    if (!result) {
        m_resultOfferedAfter.reset();
    } else if (m_resultOfferedAfter != m_engine->statusText()) {
        // After the round's own last word ("Done !"), which the end writes after the record.
        m_resultOfferedAfter = m_engine->statusText();
        m_statusPanel->setStatusText(*m_resultOfferedAfter + QStringLiteral("  ")
                                     + tr("Ctrl+Shift+C copies your result to share."));
    }
}
