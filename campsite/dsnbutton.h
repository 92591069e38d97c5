#pragma once

#include <QToolButton>

/// A palette button: pressing it chooses the template named by GeneName for
/// the next placement. Palette buttons of one GroupIndex form a radio group.
class TDsnButton : public QToolButton {
    Q_OBJECT
public:
    explicit TDsnButton(QWidget* parent = nullptr);

    QString GeneName; ///< the object name of the template this button copies
    int GroupIndex = 0;
};
