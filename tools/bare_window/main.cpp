// SPDX-License-Identifier: GPL-3.0-or-later
// A bare main window with a menu bar and a label, the least a game window
// shows, so that text is drawn and a font loaded as in the game. It quits
// once the window is exposed and painted, exactly as measure-program does
// with the game's window, so the two can be timed and weighed side by side.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

static void quitOnceShown(QWidget *window)
{
    if (!window->windowHandle() || !window->windowHandle()->isExposed()) {
        QTimer::singleShot(1, window, [window] { quitOnceShown(window); });
        return;
    }
    window->repaint();
    QCoreApplication::exit(0);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.menuBar()->addMenu(QStringLiteral("&Game"))->addAction(QStringLiteral("&New"));
    window.menuBar()->addMenu(QStringLiteral("&Help"));
    window.setCentralWidget(new QLabel(QStringLiteral("A label"), &window));
    window.resize(337, 180);
    QTimer::singleShot(0, &window, [&window] {
        window.show();
        quitOnceShown(&window);
    });
    return app.exec();
}
