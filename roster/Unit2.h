#pragma once

#include <QWidget>

class Notebook;
class NameListBox;
class SuggestionCombo;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class QToolButton;
class TPreviewPrinter;
class TSaveDialog;

/// The roster wizard, the program's main window: five notebook pages that
/// gather the title, days, meals, patrol, meal candidates, snacks and drinks,
/// and a last page that shows the composed roster for editing.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    Notebook* Notebook1;
    QPushButton* Button2;
    QLabel* Label13;

    // Page 0, "Default"
    QLabel* Label1;
    QToolButton* SpeedButton1;

    // Page 1, "first1"
    QLabel* Label2;
    QLineEdit* Edit1;
    QLabel* Label3;
    QGroupBox* GroupBox1;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox4;
    QCheckBox* CheckBox5;
    QCheckBox* CheckBox6;
    QCheckBox* CheckBox7;
    QLabel* Image1;
    QToolButton* SpeedButton2;

    // Page 2, "second2"
    QLabel* Label4;
    QCheckBox* CheckBox8;
    QCheckBox* CheckBox9;
    QCheckBox* CheckBox10;
    QLabel* Image2;
    QLabel* Label6;
    QFrame* Panel1;
    NameListBox* ListBox1;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;
    QLabel* Label7;
    NameListBox* ListBox2;
    QToolButton* SpeedButton5;
    QToolButton* SpeedButton6;
    SuggestionCombo* JvComboBox3;
    QLabel* Label8;
    NameListBox* ListBox3;
    QToolButton* SpeedButton7;
    QToolButton* SpeedButton8;
    SuggestionCombo* JvComboBox2;
    QLabel* Label9;
    NameListBox* ListBox4;
    QToolButton* SpeedButton9;
    QToolButton* SpeedButton10;
    SuggestionCombo* JvComboBox1;
    QToolButton* SpeedButton15;
    QToolButton* SpeedButton11;

    // Page 3, "third3"
    QLabel* Label10;
    QPlainTextEdit* Memo1;
    SuggestionCombo* JvComboBox4;
    QLabel* Label11;
    QPlainTextEdit* Memo2;
    SuggestionCombo* JvComboBox5;
    QToolButton* SpeedButton13;
    QToolButton* SpeedButton12;

    // Page 4, "fourth4"
    QTextEdit* JvxRichEdit1;
    QToolButton* BitBtn1;
    QToolButton* BitBtn2;
    QToolButton* BitBtn3;
    QToolButton* SpeedButton14;
    QLabel* Label12;
    QPushButton* Button1;

    // Components
    TSaveDialog* SaveDialog1;
    TPreviewPrinter* PreviewPrinter1;

    /// The day boxes, Sunday first, and the meal boxes, breakfast first.
    QCheckBox* dayBox(int day) const;
    QCheckBox* mealBox(int meal) const;
    /// The candidate list of a meal: breakfast 0, lunch 1, dinner 2.
    NameListBox* candidateList(int meal) const;

    void FormShow();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton11Click();
    void SpeedButton13Click();
    void SpeedButton12Click(QObject* sender);
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton9Click();
    void SpeedButton10Click();
    void JvComboBox1Change();
    void JvComboBox2Change();
    void JvComboBox3Change();
    void JvComboBox4Change();
    void JvComboBox5Change();
    void Button1Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildPage0(QWidget* page);
    void buildPage1(QWidget* page);
    void buildPage2(QWidget* page);
    void buildPage3(QWidget* page);
    void buildPage4(QWidget* page);
    void connectHandlers();
    void setTabOrders();

    void addEntryByPrompt(NameListBox* list, const QString& title, const QString& prompt);
    void feedList(SuggestionCombo* combo, NameListBox* list);
    void feedMemo(SuggestionCombo* combo, QPlainTextEdit* memo);

    bool m_centred = false;
};

extern TForm1* Form1;
