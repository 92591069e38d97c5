#include "dsnswitch.h"

#include "dsn8register.h"
#include "errorreport.h"

TDsnSwitch::TDsnSwitch(QWidget* parent) : QToolButton(parent)
{
    setCheckable(true);
    setChecked(false);
    connect(this, &QToolButton::toggled, this, [this](bool down) {
        runHandler([&] {
            if (m_designer)
                m_designer->setDesignMode(down);
        });
    });
}
