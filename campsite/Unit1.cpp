#include "Unit1.h"

#include "errorreport.h"
#include "fernwick.h"

#include <QShowEvent>

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Tentwise"));
    resize(715, 497);
}

void TForm1::FormShow() { Splash(); }

void TForm1::showEvent(QShowEvent* event)
{
    // Sent before the window is mapped, so the splash comes and goes first.
    if (!event->spontaneous())
        runHandler([this] { FormShow(); });
    QWidget::showEvent(event);
}
