#include "ui/application.h"

int main(int argc, char *argv[])
{
    GameApplication app(argc, argv);
    initialiseProgram();
    const StartupSwitches switches = StartupSwitches::fromEnvironment();
    switches.prepare();
    GameProgram program;
    return program.run(switches);
}
