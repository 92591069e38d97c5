#pragma once

#include <QToolButton>

/// The palette's selection button: while it is down, presses on the layout
/// area select and drag instead of placing.
class TArrowButton : public QToolButton {
    Q_OBJECT
public:
    explicit TArrowButton(QWidget* parent = nullptr);

    int GroupIndex = 0;
};
