#include "Unit2.h"

#include "errorreport.h"
#include "fernwick.h"

#include <QShowEvent>

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Patrolia"));
    setFixedSize(521, 333);
}

void TForm1::FormShow() { Splash(); }

void TForm1::showEvent(QShowEvent* event)
{
    // Sent before the window is mapped, so the splash comes and goes first.
    if (!event->spontaneous())
        runHandler([this] { FormShow(); });
    QWidget::showEvent(event);
}
