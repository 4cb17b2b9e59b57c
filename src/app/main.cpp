#include "ui/application.h"
#include "ui/system_desktop.h"

namespace {
// Unattended measuring runs answer every box at once (No where there is a No).
class UnattendedDesktop : public SystemDesktop
{
public:
    using SystemDesktop::showMessage;
    QMessageBox::StandardButton showMessage(QWidget *, BoxKind, const QString &, const QString &,
                                            QMessageBox::StandardButtons buttons) override
    {
        return buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
    }
};
} // namespace

int main(int argc, char *argv[])
{
    GameApplication app(argc, argv);
    initialiseProgram();
    const StartupSwitches switches = StartupSwitches::fromEnvironment();
    SystemDesktop system;
    UnattendedDesktop unattended;
    Desktop &desktop = switches.quitAfterShow ? static_cast<Desktop &>(unattended) : system;
    app.setDesktop(&desktop);
    GameProgram program(desktop);
    return program.run(switches);
}
