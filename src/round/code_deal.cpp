// SPDX-License-Identifier: GPL-3.0-or-later
// Turns a typed round number or round code into the options and seed of a deal.
#include "round/code_deal.h"

#include "round/dictionary_files.h"
#include "round/round_engine.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("CodeDeal", text);
}
} // namespace

CodeDeal CodeDeal::fromText(const QString &text, const RoundOptions &playerOptions)
{
    CodeDeal deal;
    const QString trimmed = RoundCode::withoutInvisible(text).trimmed();
    static const QRegularExpression oldNumber(QStringLiteral("^[0-9]{1,10}$"));
    if (oldNumber.match(trimmed).hasMatch()) {
        bool fits = false;
        deal.seed = trimmed.toUInt(&fits);
        deal.options = playerOptions;
        if (!fits)
            deal.problem = tr("A round number is a whole number from 0 to 4294967295.");
        return deal;
    }

    const auto parsed = RoundCode::parse(trimmed);
    if (const auto *fault = std::get_if<RoundCode::Fault>(&parsed)) {
        deal.problem = RoundCode::faultMessage(*fault);
        return deal;
    }
    const RoundCode &code = std::get<RoundCode>(parsed);
    const std::optional<DictionaryFile> file =
        DictionaryFiles::findById(code.dictionaryId, RoundCode::DictionaryIdMask,
                                  code.dictionaryName.isEmpty() ? playerOptions.dictionary : code.dictionaryName);
    if (!file) {
        bool sameName = false;
        for (const DictionaryFile &other : DictionaryFiles::all())
            sameName = sameName || other.name.compare(code.dictionaryName, Qt::CaseInsensitive) == 0;
        if (code.dictionaryName.isEmpty())
            deal.problem = tr("This round needs a dictionary that this game does not have. Ask for the code "
                              "with the dictionary's name after it, as the game copies it.");
        else if (sameName)
            deal.problem = tr("This round needs another version of the dictionary \"%1\" than the one here.")
                               .arg(code.dictionaryName);
        else
            deal.problem = tr("This round needs the dictionary \"%1\", which this game does not have.")
                               .arg(code.dictionaryName);
        return deal;
    }

    RoundOptions &o = deal.options;
    o.dictionary = file->name;
    o.dictionaryPath = file->path;
    o.wordCount = code.wordCount;
    o.presetsIndex = code.presetsIndex;
    o.fixedCell = code.fixedCell;
    o.showDefinitions = code.showDefinitions;
    o.handicap = code.handicap;
    deal.seed = code.seed;
    if (code.pickedOut)
        deal.note = tr("Found the round code %1 in the text.").arg(code.text());
    return deal;
}

std::optional<RoundCode> roundCodeOf(const RoundEngine &engine)
{
    if (engine.round().RoundWords.isEmpty() || !engine.dictionaryId())
        return std::nullopt;
    return RoundCode::forRound(engine.dealtOptions(), *engine.dictionaryId(), engine.roundNumber());
}
