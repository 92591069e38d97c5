#pragma once

#include "campsiteobject.h"

#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class QToolButton;
class TArrowButton;
class TDsn8Register;
class TDsnButton;
class TDsnInspector;
class TDsnPanel;
class TDsnStage;
class TDsnSwitch;

/// The campsite designer, the program's one window: the palette on the left,
/// the layout area "Camp Grounds" on the right, the design switch and the
/// Open, Save and About buttons. The run-time designer Dsn8Register1 does the
/// design work on DsnStage1; DsnInspector1 shows and edits the selection.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    TDsnPanel* DsnPanel1;
    TArrowButton* ArrowButton1;
    TDsnButton* DsnButton1;
    TDsnButton* DsnButton2;
    TDsnButton* DsnButton3;
    TDsnButton* DsnButton4;
    TDsnButton* DsnButton5;
    TDsnButton* DsnButton6;
    TDsnStage* DsnStage1;
    QLabel* Label1;
    TDsnSwitch* DsnSwitch1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QToolButton* SpeedButton1;
    QWidget* DsnDpstPanel;
    TDsn8Register* Dsn8Register1;
    TDsnInspector* DsnInspector1;

    /// The hidden prototype objects the palette buttons copy, by object name
    /// (case ignored); nullptr for a name that is none of them.
    const CampsiteObject* findTemplate(const QString& name) const;

    void FormShow();
    void SpeedButton1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createTemplates();
    void reserveNamedParts();

    /// The templates, lying on DsnDpstPanel at -50, -50, so never seen.
    std::vector<CampsiteObject> m_templates;
};

extern TForm1* Form1;
