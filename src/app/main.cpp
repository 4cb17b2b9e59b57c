#include "sound/device/sdl_audio_device.h"
#include "ui/application.h"

int main(int argc, char *argv[])
{
    GameApplication app(argc, argv);
    initialiseProgram();
    const StartupSwitches switches = StartupSwitches::fromEnvironment();
    switches.prepare();
    GameProgram program([] { return std::make_unique<SdlAudioDevice>(); });
    return program.run(switches);
}
