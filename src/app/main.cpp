#include "ui/application.h"
#include "ui/font_warmup.h"

int main(int argc, char *argv[])
{
    warmUpFontConfiguration();
    GameApplication app(argc, argv);
    initialiseProgram();
    const StartupSwitches switches = StartupSwitches::fromEnvironment();
    switches.prepare();
    GameProgram program;
    return program.run(switches);
}
