// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a round's words from the chosen dictionary.
#include "round/round_engine.h"

#include "base/game_error.h"
#include "settings/options_model.h"
#include "settings/player_folders.h"
#include "settings/split_formats.h"
#include "words/dictionary_id.h"
#include "words/kbase.h"
#include "words/word_selection.h"

#include <stdexcept>
#include <QCoreApplication>

// Draws the round's words. The rating label counts them as they are found;
// resetting it first runs the lost-round steps on the previous board.
void RoundEngine::GetWords()
{
    m_round.ChosenEntries.clear();
    m_rating = 0;
    // A round still running is lost; its game-over sound waits for the draw,
    // since a new round's own sound follows a draw that succeeds.
    const bool wasRunning = m_inPlay;
    m_quietLoss = true;
    ChangeRating(0);
    m_quietLoss = false;
    m_round.RoundWords.clear();
    const auto drawFailed = [&] {
        if (wasRunning)
            playSound(SoundSlot::GameOver);
    };

    const QString format = m_dealt.presetsText();
    setRatingCaption(QString::number(m_round.Parameters.WordCount));

    // Both lists stay empty unless the draw completes: the failures below
    // only have to tell the player.
    try {
        const int letterCount = splitFormatLetterCount(format);
        if (letterCount < 1 || letterCount > 30)
            throw std::out_of_range("Range check error");
        // A code's round names its file; any other round, the dictionary by name.
        const QString name = m_dealt.dictionaryPath.isEmpty() ? m_dealt.dictionary : m_dealt.dictionaryPath;
        // A failed load empties the store but leaves LoadedDictionary naming
        // the file loaded before it, which must then be read again.
        if (name != m_round.LoadedDictionary || m_storeLost) {
            m_storeLost = true;
            const QString path = m_dealt.dictionaryPath.isEmpty()
                                     ? PlayerFolders::dataFilePath(QStringLiteral("kbs"), name + QStringLiteral(".dic"))
                                     : m_dealt.dictionaryPath;
            m_dictionaryId.reset();
            m_dictionary->LoadFromFile(path);
            m_dictionaryId = dictionaryFileId(path);
            m_storeLost = false;
            m_round.LoadedDictionary = name;
        }
        WordDraw draw = drawWords(*m_dictionary, letterCount, m_round.Parameters.WordCount, [this] { ChangeRating(1); });
        if (!draw.complete) {
            m_board.flushBatch();
            m_host.messages.showWarning(QCoreApplication::translate("RoundEngine", "Insufficient words in dictionary matching your criteria.\n"
                                              "Please change your options."));
            RoundCommands c = m_commands;
            c.settings = true;
            c.settingsPage = true;
            updateCommands(c);
            drawFailed();
            return;
        }
        m_round.ChosenEntries = std::move(draw.chosenEntries);
        m_round.RoundWords = std::move(draw.roundWords);
    } catch (const GameError &e) {
        // The player is told; the next "New Game" tries again.
        m_board.flushBatch();
        m_host.messages.showError(e.message());
        drawFailed();
    } catch (const std::exception &e) {
        m_board.flushBatch();
        m_host.messages.showError(QString::fromUtf8(e.what()));
        drawFailed();
    }
}
