#include "Unit2.h"
#include "Unit3.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Patrolia"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/roster/icon.png")));

    // Form3 turns Form1's notebook when the welcome page is switched off, so Form1 comes first.
    Form1 = new TForm1;
    Form3 = new TForm3;
    Form1->show();
    const int result = application.exec();
    delete Form3;
    delete Form1;
    return result;
}
