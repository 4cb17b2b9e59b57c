// An empty main window and nothing else. It quits once the window is exposed
// and painted, exactly as measure-program does with the game's window, so the
// two can be timed and weighed side by side.
#include <QApplication>
#include <QMainWindow>
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
    window.resize(337, 180);
    QTimer::singleShot(0, &window, [&window] {
        window.show();
        quitOnceShown(&window);
    });
    return app.exec();
}
