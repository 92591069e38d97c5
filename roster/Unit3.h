#pragma once

#include <QDialog>

class FormStorage;
class QCheckBox;
class QPushButton;

/// The Preferences dialog: one preference, "Show Welcome Screen", kept in
/// roster.ini. Created hidden at start, after the wizard; every way of closing
/// it saves.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

    QCheckBox* JvCheckBox1;
    QPushButton* JvButton1;
    FormStorage* JvFormStorage1;

    void FormCreate();
    void JvButton1Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

extern TForm3* Form3;
