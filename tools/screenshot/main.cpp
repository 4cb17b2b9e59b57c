// SPDX-License-Identifier: GPL-3.0-or-later
// Deals a round, plays a few clues so that some cells are green, and saves a
// picture of the main window: the README's and the metadata's screenshot.
//
//   splitwick-screenshot <output.png> [program folder] [words] [clues]
//
// The game runs on a scratch copy of the program folder (links to its data),
// so the real settings file is neither read nor changed. Run it under any
// platform; QT_QPA_PLATFORM=offscreen needs no display, QT_SCALE_FACTOR=2
// gives a high-DPI picture.
#include "app/game_program.h"
#include "round/round_engine.h"
#include "settings/options_model.h"
#include "base/program_folder.h"
#include "settings/split_formats.h"
#include "ui/desktop/application.h"
#include "ui/main_window/main_window.h"
#include "ui/desktop/unattended_desktop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWindow>

namespace {

void settle(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

int formatIndex(const QString &name)
{
    return int(qMax(0, splitFormats().indexOf(name)));
}

} // namespace

int main(int argc, char *argv[])
{
    GameApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        err << "usage: splitwick-screenshot <output.png> [program folder] [words] [clues]\n";
        return 2;
    }
    const QString output = args.value(1);
    const QString shipped = QDir(args.value(2, QStringLiteral(SPLITWICK_BIN_DIR))).absolutePath();
    const int words = args.value(3, QStringLiteral("10")).toInt();
    const int clues = args.value(4, QStringLiteral("3")).toInt();

    QTemporaryDir scratch;
    for (const char *kind : {"kbs", "sound", "music", "xq"})
        QFile::link(shipped + '/' + kind, scratch.filePath(QString::fromLatin1(kind)));
    QFile(scratch.filePath(QStringLiteral("c999"))).open(QIODevice::WriteOnly); // enough clues to show some green

    initialiseProgram();
    setProgramFolder(scratch.path());
    UnattendedDesktop desktop; // nobody is there to answer a box
    app.setDesktop(&desktop);

    GameProgram program(desktop);
    TfrmMain &main = program.mainWindow();
    main.setSplashEnabled(false);
    main.show();
    settle(300);

    program.options().setPresetsIndex(formatIndex(QStringLiteral("7 letters: 3-1-3")));
    program.options().setWordCount(words);
    program.options().setFixedCell(FixedCell::Middle, true);
    main.New1Click();
    settle(300);
    for (int i = 0; i < clues; ++i) {
        main.engine().Clue1Click();
        settle(100);
    }
    settle(500);

    const QRect screen = main.screen()->availableGeometry();
    const QRect frame = main.frameGeometry();
    err << "window " << frame.width() << "x" << frame.height() << " on a screen of " << screen.width() << "x"
        << screen.height() << " at scale " << main.devicePixelRatioF() << "\n";
    const QPixmap shot = main.grab();
    if (!shot.save(output)) {
        err << "cannot write " << output << "\n";
        return 1;
    }
    err << "saved " << output << " (" << shot.width() << "x" << shot.height() << " pixels)\n";
    return screen.contains(frame) ? 0 : 3;
}
