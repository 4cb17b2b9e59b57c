// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/game_error.h"

#include <QApplication>
#include <exception>
#include <functional>

class Desktop;

// The application object with the program's one top-level error handler: an
// error that no handler caught (GameError, or any other exception) is shown in
// an error box and the program goes on with the next event. It names the
// desktop entry the windows belong to and gives them the game's icon.
class GameApplication : public QApplication
{
    Q_OBJECT
public:
    GameApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

    // Where uncaught errors are shown; it must outlive its use here.
    void setDesktop(Desktop *desktop) { m_desktop = desktop; }

    // Shows an uncaught error's message the way notify() does.
    static void showUncaughtError(const QString &message);

    // What runs when the connection to the display breaks (the X server or
    // the compositor gone, the window killed by the window system), on the
    // window thread, before the process ends at once; none to clear it.
    static void setDisplayLostHandler(std::function<void()> handler);

private:
    Desktop *m_desktop = nullptr;
};

// Runs work and shows any error it throws in an error box, as notify() does;
// for handlers that Qt calls outside event delivery, such as the focus-window
// signal, where an exception would end the program.
template <typename Work>
void runShowingErrors(Work &&work)
{
    try {
        work();
    } catch (const GameError &error) {
        GameApplication::showUncaughtError(error.message());
    } catch (const std::exception &error) {
        GameApplication::showUncaughtError(QString::fromLocal8Bit(error.what()));
    }
}
