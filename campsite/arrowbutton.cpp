#include "arrowbutton.h"

TArrowButton::TArrowButton(QWidget* parent) : QToolButton(parent)
{
    setCheckable(true);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setEnabled(false);
}
