// SPDX-License-Identifier: GPL-3.0-or-later
// The round kept at the last close, brought back at start-up.
#include "ui/main_window/main_window.h"

#include "round/kept_round_file.h"
#include "round/round_engine.h"
#include "ui/board/board_panel.h"
#include "ui/board/keyboard_play.h"
#include "ui/main_window/round_cards.h"

#include <QDir>

void TfrmMain::restoreKeptRound()
{
    m_keptRound = std::make_unique<KeptRoundFile>(KeptRoundFile::defaultPath());
    m_engine->setKeptRoundFile(m_keptRound.get());
    const KeptRoundFile::Loaded loaded = m_keptRound->load();
    if (!loaded.setAsidePath.isEmpty())
        showWarning(tr("The round in progress could not be read and was set aside as %1.")
                        .arg(QDir::toNativeSeparators(loaded.setAsidePath)));
    if (!loaded.round)
        return;
    m_engine->restoreRound(*loaded.round);
    afterDeal();
    // Paused until the player is back: the first key or click goes on with the clock as it was.
    m_cards->togglePause();
}
