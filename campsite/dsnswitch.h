#pragma once

#include <QToolButton>

class TDsn8Register;

/// The design switch: a toggle button that turns its designer's design mode
/// on while it is down and off when it comes up.
class TDsnSwitch : public QToolButton {
    Q_OBJECT
public:
    explicit TDsnSwitch(QWidget* parent = nullptr);

    void setDesigner(TDsn8Register* designer) { m_designer = designer; }

private:
    TDsn8Register* m_designer = nullptr;
};
