// SPDX-License-Identifier: GPL-3.0-or-later
// A first start on a French desktop: the game speaks French from its menus to
// Qt's own buttons, plays the French words, and F1 opens the French page.
#include "support/game_fixture.h"

#include <QMenuBar>
#include <QtTest>

#include <cstdlib>

class FrenchStartTest : public QObject
{
    Q_OBJECT
private slots:
    void firstStartSpeaksFrench();
};

void FrenchStartTest::firstStartSpeaksFrench()
{
    GameFixture game;
    game.writeQuietSettings();
    // Sorted without regard to case, "alpha" stays the second dictionary.
    game.writeDictionary(QStringLiteral("Mots français"), {"ÉTÉ", "FORÊT", "GARÇON", "NOËL"});
    initialiseProgram();
    TfrmMain &window = game.start();

    QStringList menus;
    for (QAction *menu : window.menuBar()->actions())
        menus.append(menu->text().remove(QLatin1Char('&')));
    QCOMPARE(menus, QStringList({QStringLiteral("Fichier"), QStringLiteral("Partie"), QStringLiteral("Options"),
                                 QStringLiteral("Aide")}));
    QCOMPARE(game.options().dictionary(), QStringLiteral("Mots français"));
    // Qt's own texts come from its French translation.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));

    QTest::keyClick(&window, Qt::Key_F1);
    QVERIFY(!game.opened.isEmpty());
    QVERIFY2(game.opened.last().toLocalFile().endsWith(QStringLiteral("/xq/xq_fr.htm")),
             qPrintable(game.opened.last().toString()));
}

int main(int argc, char *argv[])
{
    // The desktop's language, as a French session sets it.
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    qputenv("LANG", "fr_FR.UTF-8");
    qputenv("LANGUAGE", "fr_FR:fr");
    GameApplication app(argc, argv);
    FrenchStartTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "french_start_test.moc"
