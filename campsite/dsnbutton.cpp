#include "dsnbutton.h"

TDsnButton::TDsnButton(QWidget* parent) : QToolButton(parent)
{
    setCheckable(true);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setEnabled(false);
}
