// SPDX-License-Identifier: GPL-3.0-or-later
// The language chooser of the Options dialog, bound to the options model.
#include "ui/options/language_box.h"

#include "settings/options_model.h"
#include "ui/desktop/game_language.h"

LanguageBox::LanguageBox(OptionsModel &options, QWidget *parent) : QComboBox(parent), m_options(options)
{
    setObjectName(QStringLiteral("Language"));
    // Stored by code; the names stay in their own language, as a player
    // looking for theirs expects.
    addItem(tr("Desktop's language"), QString());
    addItem(languageName(QStringLiteral("en")), QStringLiteral("en"));
    for (const QString &code : translatedLanguages())
        addItem(languageName(code), code);
    setToolTip(tr("The game speaks the chosen language from its next start."));
    showModel();
    connect(this, &QComboBox::activated, this, [this](int index) { m_options.setLanguage(itemData(index).toString()); });
    connect(&m_options, &OptionsModel::changed, this, &LanguageBox::showModel);
}

void LanguageBox::showModel()
{
    // A choice the game does not know (a file edited by hand) shows as the desktop's.
    setCurrentIndex(std::max(0, findData(m_options.language())));
}
