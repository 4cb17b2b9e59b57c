// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own start-up, measured: the same libraries, the same audio
// device and the same GameProgram as the game, but unattended. Every box is
// answered at once (No where there is a No, its text said on the error
// stream), the splash is skipped, and the program ends as soon as the main
// window's first paint is done, without the close steps.
// Usage: measure-program [words] - with words, first deals a round of that
// many words of the longest split format ("25 letters: 5-5-5-5-5").
#include "app/game_program.h"
#include "base/program_folder.h"
#include "round/board.h"
#include "round/round_engine.h"
#include "settings/options_model.h"
#include "settings/split_formats.h"
#include "sound/lazy_audio_device.h"
#include "ui/desktop/application.h"
#include "ui/main_window/main_window.h"
#include "ui/desktop/unattended_desktop.h"

#include "exit_once_painted.h"

#include <QTimer>

int main(int argc, char *argv[])
{
    ExitOncePainted<GameApplication> app(argc, argv);
    const int dealWords = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 0;
    UnattendedDesktop desktop;
    app.setDesktop(&desktop);
    initialiseProgram();
    GameProgram program(desktop, [] {
        return std::make_unique<LazyAudioDevice>(programFolder() + "modules/splitwick-audio");
    });
    TfrmMain &window = program.mainWindow();
    window.setSplashEnabled(false);
    QTimer::singleShot(0, &window, [&] {
        window.show();
        if (dealWords > 0) {
            program.options().setPresetsIndex(SplitFormatCount - 1);
            program.options().setWordCount(dealWords);
            window.New1Click();
            qInfo("Dealt %d tiles in %d rows", int(window.engine().board().TileCount()),
                  int(window.engine().round().RoundWords.size()));
        }
        // What the desktop shell sees of the window: its icon and the launcher it belongs to.
        const QSize icon = window.windowIcon().actualSize(QSize(256, 256));
        qInfo("Window icon %dx%d, desktop entry %s", icon.width(), icon.height(),
              qUtf8Printable(QGuiApplication::desktopFileName()));
        // Watched from here: a deal lets pending events run, and may paint before it is done.
        app.watch(&window);
    });
    return QApplication::exec();
}
