// SPDX-License-Identifier: GPL-3.0-or-later
// The game's close, measured: the game starts unattended as measure-program
// starts it, and once its window is shown it is closed as the player closes
// it; the close's wall and CPU time are printed ("close_ms <wall> <cpu>").
#include "app/game_program.h"
#include "sound/lazy_audio_device.h"
#include "ui/desktop/application.h"
#include "ui/desktop/unattended_desktop.h"
#include "ui/main_window/main_window.h"

#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

double nowMs(clockid_t clock)
{
    timespec t {};
    clock_gettime(clock, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

void closeOnceShown(QWidget *window)
{
    if (!window->windowHandle() || !window->windowHandle()->isExposed()) {
        QTimer::singleShot(1, window, [window] { closeOnceShown(window); });
        return;
    }
    const double wall = nowMs(CLOCK_MONOTONIC);
    const double cpu = nowMs(CLOCK_PROCESS_CPUTIME_ID);
    window->close();
    std::printf("close_ms %.2f %.2f\n", nowMs(CLOCK_MONOTONIC) - wall, nowMs(CLOCK_PROCESS_CPUTIME_ID) - cpu);
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace

int main(int argc, char *argv[])
{
    GameApplication app(argc, argv);
    UnattendedDesktop desktop;
    app.setDesktop(&desktop);
    initialiseProgram();
    GameProgram program(desktop, [] {
        return std::make_unique<LazyAudioDevice>(QCoreApplication::applicationDirPath() + "/modules/splitwick-audio");
    });
    TfrmMain &window = program.mainWindow();
    window.setSplashEnabled(false);
    QTimer::singleShot(0, &window, [&] {
        window.show();
        closeOnceShown(&window);
    });
    return QApplication::exec();
}
