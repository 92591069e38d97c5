#pragma once

#include <QWidget>

/// The campsite designer, the program's one window.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;
};

extern TForm1* Form1;
