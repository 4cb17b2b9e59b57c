// An empty main window and nothing else. With SPLITWICK_QUIT_AFTER_SHOW=1 it
// quits once the window is exposed and painted, exactly as the game does under
// that switch, so the two can be timed and weighed side by side.
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
        if (qEnvironmentVariableIntValue("SPLITWICK_QUIT_AFTER_SHOW"))
            quitOnceShown(&window);
    });
    return app.exec();
}
