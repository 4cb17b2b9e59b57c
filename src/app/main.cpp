#include "app/game_program.h"
#include "sound/device/sdl_audio_device.h"
#include "ui/application.h"
#include "ui/system_desktop.h"

int main(int argc, char *argv[])
{
    GameApplication app(argc, argv);
    SystemDesktop desktop;
    app.setDesktop(&desktop);
    initialiseProgram();
    GameProgram program(desktop, [] { return std::make_unique<SdlAudioDevice>(); });
    return program.run();
}
