#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Splitwick");
    QMainWindow window;
    window.setWindowTitle("Splitwick");
    window.show();
    return app.exec();
}
