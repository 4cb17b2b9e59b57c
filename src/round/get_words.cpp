#include "round/round_engine.h"

#include "settings/game_error.h"
#include "settings/options_model.h"
#include "settings/player_folders.h"
#include "settings/split_formats.h"
#include "words/kbase.h"
#include "words/word_selection.h"

#include <stdexcept>

// Draws the round's words. The rating label counts them as they are found;
// resetting it first runs the lost-round steps on the previous board.
void RoundEngine::GetWords()
{
    Board &b = m_board;
    b.ChosenEntries.clear();
    m_rating = 0;
    ChangeRating(0);
    b.RoundWords.clear();

    const QString format = m_options.presetsText();
    setRatingCaption(QString::number(b.Parameters.WordCount));

    // Both lists stay empty unless the draw completes: the failures below
    // only have to tell the player.
    try {
        const int letterCount = splitFormatLetterCount(format);
        if (letterCount < 1 || letterCount > 30)
            throw std::out_of_range("Range check error");
        const QString name = m_options.dictionary();
        // A failed load empties the store but leaves LoadedDictionary naming
        // the file loaded before it, which must then be read again.
        if (name != b.LoadedDictionary || m_storeLost) {
            m_storeLost = true;
            m_dictionary->LoadFromFile(PlayerFolders::dataFilePath(QStringLiteral("kbs"), name + QStringLiteral(".dic")));
            m_storeLost = false;
            b.LoadedDictionary = name;
        }
        WordDraw draw = drawWords(*m_dictionary, letterCount, b.Parameters.WordCount, [this] { ChangeRating(1); });
        if (!draw.complete) {
            m_host.showWarning(QStringLiteral("Insufficient words in dictionary matching your criteria.\n"
                                              "Please change your options."));
            RoundCommands c = m_commands;
            c.mSettings = true;
            updateCommands(c);
            m_options.setSettingsPageEnabled(true);
            return;
        }
        b.ChosenEntries = std::move(draw.chosenEntries);
        b.RoundWords = std::move(draw.roundWords);
    } catch (const GameError &e) {
        // The player is told; the next "New Game" tries again.
        m_host.showError(e.message());
    } catch (const std::exception &e) {
        m_host.showError(QString::fromUtf8(e.what()));
    }
}
