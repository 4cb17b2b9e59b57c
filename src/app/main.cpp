// SPDX-License-Identifier: GPL-3.0-or-later
// The game's entry: the application, the system desktop and the composition root.
#include "app/game_program.h"
#include "base/program_folder.h"
#include "sound/lazy_audio_device.h"
#include "ui/desktop/application.h"
#include "ui/desktop/system_desktop.h"

int main(int argc, char *argv[])
{
    GameApplication app(argc, argv);
    SystemDesktop desktop;
    app.setDesktop(&desktop);
    initialiseProgram();
    GameProgram program(desktop, [] {
        return std::make_unique<LazyAudioDevice>(programFolder() + "modules/splitwick-audio");
    });
    return program.run();
}
