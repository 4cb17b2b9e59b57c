// SPDX-License-Identifier: GPL-3.0-or-later
// The run's language: choosing it, loading its translations, and what depends on it.
#include "ui/desktop/game_language.h"

#include "round/dictionary_files.h"
#include "settings/settings_file.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

struct LanguageFacts
{
    const char *code;
    const char *name; // in the language itself (UTF-8)
};

const LanguageFacts Languages[] = {
    {"de", "Deutsch"},
    {"es", "Español"},
    {"fr", "Français"},
};

QString g_language = QStringLiteral("en");

const LanguageFacts *facts(const QString &code)
{
    for (const LanguageFacts &l : Languages) {
        if (code == QLatin1String(l.code))
            return &l;
    }
    return nullptr;
}

} // namespace

QStringList translatedLanguages()
{
    QStringList codes;
    for (const LanguageFacts &l : Languages)
        codes.append(QString::fromLatin1(l.code));
    return codes;
}

QString chooseLanguage(const QString &choice, const QLocale &desktop)
{
    if (choice == QLatin1String("en") || facts(choice))
        return choice;
    // The desktop's languages in its order of preference: "fr-CA" is French,
    // and an English one before it keeps the game in English.
    for (const QString &tag : desktop.uiLanguages()) {
        const QString code = tag.section(QLatin1Char('-'), 0, 0).toLower();
        if (code == QLatin1String("en") || facts(code))
            return code;
    }
    return QStringLiteral("en");
}

QString savedLanguageChoice(const SettingsFile &settings)
{
    return settings.readString(OptionsSection, QStringLiteral("Language"), QString());
}

void installLanguage(const QString &code)
{
    // A second game in the same process speaks its own language, not both.
    static QPointer<QTranslator> installed[2];
    for (QPointer<QTranslator> &translator : installed) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    g_language = facts(code) ? code : QStringLiteral("en");
    if (g_language == QLatin1String("en"))
        return;
    auto *own = new QTranslator(QCoreApplication::instance());
    if (own->load(QStringLiteral(":/i18n/splitwick_") + g_language))
        QCoreApplication::installTranslator(own);
    // Qt's own texts; a machine without qt6-translations-l10n keeps them English.
    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + g_language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    installed[0] = own;
    installed[1] = qt;
}

QString gameLanguage()
{
    return g_language;
}

QString languageDictionary(const QString &code)
{
    // What the installation ships for the language, looked up where Today's Round looks.
    const std::optional<DictionaryFile> file = DictionaryFiles::ofLanguage(code);
    return file ? file->name : QString();
}

QString helpPageName()
{
    return g_language == QLatin1String("en") ? QStringLiteral("xq\\xq.htm")
                                             : QStringLiteral("xq\\xq_%1.htm").arg(g_language);
}

QString languageName(const QString &code)
{
    const LanguageFacts *l = facts(code);
    return l ? QString::fromUtf8(l->name) : QStringLiteral("English");
}
