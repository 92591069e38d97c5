// The yardstick of the start-up benchmark: an empty window of the same size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(521, 333);
    window.show();
    return application.exec();
}
