// SPDX-License-Identifier: GPL-3.0-or-later
// Round codes and Today's Round in the main window: the code's items, the copy key, the day's round.
#include "ui/main_window/main_window.h"

#include "round/code_deal.h"
#include "round/round_engine.h"
#include "round/todays_round.h"
#include "ui/accessibility/announcer.h"
#include "ui/board/keyboard_play.h"
#include "ui/main_window/round_cards.h"
#include "ui/main_window/main_menus.h"

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QLocale>

void TfrmMain::TodaysRoundClick()
{
    if (!m_engine->commands().newGame)
        return;
    const CodeDeal deal = TodaysRound::dealFor(QDate::currentDate(), QLocale());
    if (!deal.ok()) {
        showWarning(deal.problem);
        return;
    }
    m_engine->dealRound(deal.seed, deal.options);
    m_keyboardPlay->roundDealt();
    m_cards->roundDealt();
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
}
