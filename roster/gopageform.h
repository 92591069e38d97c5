#pragma once

#include <QDialog>

class QSpinBox;

/// "Go to Page Number": a number field from 1 to the page count, "OK" and "Cancel".
class TGoPageForm : public QDialog {
    Q_OBJECT
public:
    TGoPageForm(int page, int pageCount, QWidget* parent = nullptr);

    QSpinBox* PageNum;
};
