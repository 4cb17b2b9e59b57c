// SPDX-License-Identifier: GPL-3.0-or-later
// A bare main window with a menu bar and a label, the least a game window
// shows, so that text is drawn and a font loaded as in the game. It ends
// once the window's first paint is done, exactly as measure-program does
// with the game's window, so the two can be timed and weighed side by side.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include "exit_once_painted.h"

int main(int argc, char *argv[])
{
    ExitOncePainted<QApplication> app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.menuBar()->addMenu(QStringLiteral("&Game"))->addAction(QStringLiteral("&New"));
    window.menuBar()->addMenu(QStringLiteral("&Help"));
    window.setCentralWidget(new QLabel(QStringLiteral("A label"), &window));
    window.resize(337, 180);
    app.watch(&window);
    QTimer::singleShot(0, &window, [&window] { window.show(); });
    return app.exec();
}
