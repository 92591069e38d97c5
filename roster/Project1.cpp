#include "Unit2.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Patrolia"));

    Form1 = new TForm1;
    Form1->show();
    const int result = application.exec();
    delete Form1;
    return result;
}
