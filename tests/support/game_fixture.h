// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A whole game in a temporary program folder: the windows of the program
// entry, two dictionaries made here ("alpha" and "beta"), and a recording
// desktop: boxes and links recorded and answered without a modal loop, and a
// splash that passes at once. Window tests drive it with real mouse and key events.

#include "app/game_program.h"
#include "round/round_engine.h"
#include "settings/options_model.h"
#include "base/program_folder.h"
#include "settings/settings_file.h"
#include "settings/split_formats.h"
#include "ui/desktop/application.h"
#include "ui/main_window/help_links.h"
#include "ui/main_window/main_window.h"
#include "ui/board/tile_widget.h"
#include "support/board_tiles.h"
#include "words/kbase.h"
#include "words/kbase_writer.h"

#include "support/recording_desktop.h"
#include "support/temp_settings.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <memory>

// Row r's word for a split format: every cell is the row's letter followed by
// letters of its own, so no two cells of a round show the same text and a
// cell is right in exactly one slot.
inline QByteArray distinctWord(int row, const QString &format)
{
    QByteArray word;
    const QList<int> lengths = splitFormatCellLengths(format);
    for (int k = 0; k < lengths.size(); ++k) {
        QByteArray cell(1, char('A' + row));
        while (cell.size() < lengths[k])
            cell += char('Q' + k * 2 + (cell.size() - 1) % 2);
        word += cell;
    }
    return word;
}

class GameFixture
{
public:
    GameFixture()
    {
        setProgramFolder(dir.path());
        QDir root(dir.path());
        for (const char *folder : {"kbs", "sound", "music", "xq"})
            root.mkpath(QLatin1String(folder));
        // The installed splash pictures and help page, when the build has them.
        const QDir xq(QStringLiteral(SPLITWICK_SOURCE_DIR "/data/xq"));
        for (const QString &file : xq.entryList(QDir::Files))
            QFile::copy(xq.filePath(file), dir.filePath(QStringLiteral("xq/") + file));
        writeDictionary(QStringLiteral("alpha"), {"ALPHA", "BRAVO", "CHARLIE", "DELTA"});
        QList<QByteArray> beta;
        for (const QString &format : {QStringLiteral("5 letters: 2-1-2"), QStringLiteral("4 letters: 1-2-1")})
            for (int r = 0; r < 12; ++r)
                beta << distinctWord(r, format);
        writeDictionary(QStringLiteral("beta"), beta);

        // Addresses of its own, so that every link and the news question are there.
        HelpLinks::setAddresses({"support@splitwick.test", "https://splitwick.test/", "https://splitwick.test/news/"});
        // Uncaught errors land here too.
        if (auto *app = qobject_cast<GameApplication *>(QCoreApplication::instance()))
            app->setDesktop(&desktop);
    }

    ~GameFixture()
    {
        program.reset();
        if (auto *app = qobject_cast<GameApplication *>(QCoreApplication::instance()))
            app->setDesktop(nullptr);
        setProgramFolder(QString());
        HelpLinks::setAddresses(HelpLinks::buildAddresses());
    }

    void writeDictionary(const QString &name, const QList<QByteArray> &words)
    {
        tZRVDictionary store;
        for (const QByteArray &word : words) {
            TKbItem &item = store.Items().Add();
            item.setN(word);
            item.setD("definition of " + word);
        }
        saveDictionary(store, dir.filePath(QStringLiteral("kbs/") + name + QStringLiteral(".dic")));
    }

    QString iniPath() const { return settingsFileIn(dir.path()); }
    SettingsFile ini() const { return SettingsFile(iniPath()); }

    // A settings file that asks no news question and keeps the penalty clock away.
    void writeQuietSettings()
    {
        SettingsFile file = ini();
        file.writeInteger(QStringLiteral("Options"), QStringLiteral("lnd"), today());
        for (int level = 0; level <= 9; ++level)
            file.writeInteger(QStringLiteral("Levels"), QStringLiteral("DELAY%1").arg(level), 600);
    }

    static int today() { return TfrmMain::dayNumber(QDate::currentDate()); }

    // Program entry and the main window's start-up, up to its first activation.
    TfrmMain &start()
    {
        program = std::make_unique<GameProgram>(desktop);
        TfrmMain &window = program->mainWindow();
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("main window did not become active");
        return window;
    }

    TfrmMain &main() { return program->mainWindow(); }
    RoundEngine &engine() { return program->mainWindow().engine(); }
    OptionsModel &options() { return program->options(); }

    // Deals a round of the beta dictionary by F2.
    void deal(const QString &format, int words, FixedCell fixed)
    {
        options().setDictionaryIndex(int(options().dictionaryNames().indexOf(QStringLiteral("beta"))));
        options().setPresetsIndex(int(splitFormats().indexOf(format)));
        options().setWordCount(words);
        options().setFixedCell(fixed, true);
        QTest::keyClick(&main(), Qt::Key_F2);
    }

    // Centre of a tile in the main window's coordinates.
    QPoint centreOf(int slot) { return boardTile(main(), slot)->mapTo(&main(), boardTile(main(), slot)->rect().center()); }

    // A drag with window-level mouse events, as the player makes it.
    void drag(int source, int target)
    {
        dragTo(source, centreOf(target));
    }
    void dragTo(int source, const QPoint &windowPos)
    {
        QWindow *window = main().windowHandle();
        const QPoint from = centreOf(source);
        QTest::mousePress(window, Qt::LeftButton, {}, from);
        QTest::mouseMove(window, (from + windowPos) / 2);
        QTest::mouseMove(window, windowPos);
        QTest::mouseRelease(window, Qt::LeftButton, {}, windowPos);
    }

    const tTile &slot(int s) { return engine().board().Tiles(s); }
    bool movable(int s) { return slot(s).Panel.state == TileState::Movable && slot(s).Panel.visible; }

    // A movable tile showing the text that belongs in target; 0 if none.
    int sourceFor(int target)
    {
        const Board &board = engine().board();
        for (int s = 1; s <= board.TileCount(); ++s)
            if (s != target && movable(s) && slot(s).Panel.caption == slot(target).CorrectText)
                return s;
        return 0;
    }

    // A movable tile that needs another's text, and that other tile; {0,0} when the board has none.
    QPair<int, int> rightMove()
    {
        const Board &board = engine().board();
        for (int t = 1; t <= board.TileCount(); ++t)
            if (movable(t))
                if (const int s = sourceFor(t))
                    return {s, t};
        return {0, 0};
    }

    // Two movable tiles whose exchange puts neither right; {0,0} when none.
    QPair<int, int> wrongMove()
    {
        const Board &board = engine().board();
        for (int s = 1; s <= board.TileCount(); ++s)
            for (int t = s + 1; t <= board.TileCount(); ++t)
                if (movable(s) && movable(t) && slot(s).Panel.caption != slot(t).CorrectText &&
                    slot(t).Panel.caption != slot(s).CorrectText)
                    return {s, t};
        return {0, 0};
    }

    int countBoxes(Desktop::BoxKind kind) const { return desktop.countBoxes(kind); }

    QTemporaryDir dir;
    RecordingDesktop desktop;
    QList<RecordingDesktop::Box> &boxes = desktop.boxes;
    QList<QUrl> &opened = desktop.opened;
    std::unique_ptr<GameProgram> program;
};
