#include "Unit1.h"
#include "errorreport.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tentwise"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tentwise, a campsite layout designer."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A campsite (.gnd) to open at start."),
                                 QStringLiteral("[file]"));
    parser.process(application);

    Form1 = new TForm1;
    Form1->show(); // calls Splash before the window appears
    if (const QStringList files = parser.positionalArguments(); !files.isEmpty()) {
        // Once the window is on screen, as if the user had opened the file.
        QTimer::singleShot(
            0, Form1, [file = files.front()] { runHandler([&] { Form1->openCampsite(file); }); });
    }
    const int result = application.exec();
    delete Form1;
    return result;
}
