#include "Unit2.h"

#include "Unit3.h"
#include "dialogs.h"
#include "errorreport.h"
#include "fernwick.h"
#include "namelistbox.h"
#include "notebook.h"
#include "platformfonts.h"
#include "previewprinter.h"
#include "randomsource.h"
#include "rostercomposition.h"
#include "rosterdocument.h"
#include "rosterinputs.h"
#include "rtfwriter.h"
#include "savedialog.h"
#include "suggestioncombo.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTextEdit>
#include <QToolButton>

TForm1* Form1 = nullptr;

namespace {

const QString kContinueHint = QStringLiteral("Click Here to continue...");
const QString kBackHint = QStringLiteral("Click to go back...");

QToolButton* speedButton(QWidget* page, const QRect& place, const QString& glyph,
                         const QString& hint)
{
    auto* button = new QToolButton(page);
    button->setGeometry(place);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(QIcon(QStringLiteral(":/roster/") + glyph + QStringLiteral(".png")));
    button->setIconSize(QSize(16, 16));
    button->setToolTip(hint);
    return button;
}

QToolButton* bitmapButton(QWidget* page, const QRect& place, const QString& glyph,
                          const QString& hint)
{
    auto* button = speedButton(page, place, glyph, hint);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setIconSize(QSize(24, 24));
    return button;
}

QLabel* label(QWidget* page, const QPoint& place, const QString& text)
{
    auto* label = new QLabel(text, page);
    label->move(place);
    label->adjustSize();
    return label;
}

QCheckBox* checkBox(QWidget* parent, const QPoint& place, const QString& text)
{
    auto* box = new QCheckBox(text, parent);
    box->move(place);
    box->resize(97, 17);
    return box;
}

/// The wizard's controls as the composition reads them.
class WizardInputs final : public RosterInputs {
public:
    explicit WizardInputs(TForm1& form) : m_form(form) {}

    QString title() const override { return m_form.Edit1->text(); }
    bool isDayTicked(int day) const override { return m_form.dayBox(day)->isChecked(); }
    bool isMealTicked(int meal) const override { return m_form.mealBox(meal)->isChecked(); }
    int scoutCount() const override { return m_form.ListBox1->entryCount(); }
    QString scout(int position) const override { return m_form.ListBox1->entry(position); }
    int candidateCount(int meal) const override { return m_form.candidateList(meal)->entryCount(); }
    QString candidate(int meal, int position) const override
    {
        return m_form.candidateList(meal)->entry(position);
    }
    QString snacks() const override { return m_form.Memo1->toPlainText(); }
    QString drinks() const override { return m_form.Memo2->toPlainText(); }
    void turnPage() override { m_form.Notebook1->setPageIndex(m_form.Notebook1->pageIndex() + 1); }

private:
    TForm1& m_form;
};

} // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    installPlatformFonts();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Patrolia"));
    setWindowIcon(QIcon(QStringLiteral(":/roster/icon.png")));
    setFixedSize(521, 333);
    setFont(platformFont("Tahoma", 11));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    Notebook1 = new Notebook(this);
    Notebook1->setGeometry(8, 8, 505, 305);
    buildPage0(Notebook1->addPage(QStringLiteral("Default")));
    buildPage1(Notebook1->addPage(QStringLiteral("first1")));
    buildPage2(Notebook1->addPage(QStringLiteral("second2")));
    buildPage3(Notebook1->addPage(QStringLiteral("third3")));
    buildPage4(Notebook1->addPage(QStringLiteral("fourth4")));

    Button2 = new QPushButton(QStringLiteral("Preferences..."), this);
    Button2->setGeometry(8, 312, 97, 17);

    Label13 = new QLabel(QStringLiteral("Patrolia by Fernwick Scout Software \u00a9 2026"), this);
    Label13->setGeometry(131, 314, 297, 13);
    QFont bold = font();
    bold.setBold(true);
    Label13->setFont(bold);
    Label13->setEnabled(false);

    // The components: the save dialog and the print-preview component keep the
    // settings of the window's layout (their defaults).
    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->Filter = QStringLiteral("Rich Text (*.rtf)");
    PreviewPrinter1 = new TPreviewPrinter(this);

    setTabOrders();
    connectHandlers();
}

TForm1::~TForm1() = default;

void TForm1::buildPage0(QWidget* page)
{
    Label1 = new QLabel(
        QStringLiteral(
            "Welcome to Patrolia. This program will allow you to create and save a roster as Rich "
            "Text for distribution. This program also allows you to print the roster(s) out for "
            "your patrol. All you have to do is fill out some text boxes and add some data and "
            "you will have an official Boy Scout roster."),
        page);
    Label1->setGeometry(0, 8, 505, 41);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    SpeedButton1 =
        speedButton(page, QRect(280, 256, 217, 41), QStringLiteral("continue-large"), QString());
    SpeedButton1->setText(QStringLiteral("Click Here to continue"));
    SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    SpeedButton1->setIconSize(QSize(32, 32));
    SpeedButton1->setAutoRaise(true);
}

void TForm1::buildPage1(QWidget* page)
{
    Label2 =
        label(page, QPoint(8, 8), QStringLiteral("What is the title of the roster going to be?"));
    Edit1 = new QLineEdit(QStringLiteral("The Cool Patrol's Roster"), page);
    Edit1->setGeometry(24, 24, 185, 21);
    Label3 = label(page, QPoint(8, 56), QStringLiteral("What days are in the outing?"));

    GroupBox1 = new QGroupBox(QStringLiteral("Days"), page);
    GroupBox1->setGeometry(8, 72, 225, 97);
    CheckBox1 = checkBox(GroupBox1, QPoint(8, 16), QStringLiteral("Sunday"));
    CheckBox2 = checkBox(GroupBox1, QPoint(8, 32), QStringLiteral("Monday"));
    CheckBox3 = checkBox(GroupBox1, QPoint(8, 48), QStringLiteral("Tuesday"));
    CheckBox4 = checkBox(GroupBox1, QPoint(8, 64), QStringLiteral("Wednesday"));
    CheckBox5 = checkBox(GroupBox1, QPoint(112, 16), QStringLiteral("Thursday"));
    CheckBox6 = checkBox(GroupBox1, QPoint(112, 32), QStringLiteral("Friday"));
    CheckBox7 = checkBox(GroupBox1, QPoint(112, 48), QStringLiteral("Saturday"));

    Image1 = new QLabel(page);
    Image1->setGeometry(240, 40, 299, 284);
    Image1->setPixmap(QPixmap(QStringLiteral(":/roster/campsite.bmp")));
    Image1->setScaledContents(true);

    SpeedButton2 =
        speedButton(page, QRect(208, 264, 25, 33), QStringLiteral("continue"), kContinueHint);
    Image1->lower();
}

void TForm1::buildPage2(QWidget* page)
{
    Label4 = new QLabel(QStringLiteral("What meals are involved?"), page);
    Label4->setGeometry(0, 8, 129, 17);
    CheckBox8 = checkBox(page, QPoint(8, 24), QStringLiteral("Breakfast"));
    CheckBox9 = checkBox(page, QPoint(8, 40), QStringLiteral("Lunch"));
    CheckBox10 = checkBox(page, QPoint(8, 56), QStringLiteral("Dinner"));

    Image2 = new QLabel(page);
    Image2->setGeometry(128, 8, 84, 89);
    Image2->setPixmap(QPixmap(QStringLiteral(":/roster/cookpot.gif")));
    Image2->setAttribute(Qt::WA_TranslucentBackground);

    Label6 =
        label(page, QPoint(0, 112), QStringLiteral("Who are some of the people in your patrol?"));
    Panel1 = new QFrame(page);
    Panel1->setGeometry(8, 128, 193, 129);
    Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel1->setLineWidth(1);
    ListBox1 = new NameListBox(Panel1);
    ListBox1->setGeometry(1, 1, 191, 127);
    SpeedButton3 = speedButton(page, QRect(200, 128, 25, 25), QStringLiteral("add-scout"),
                               QStringLiteral("Add a Scout Name..."));
    SpeedButton4 = speedButton(page, QRect(200, 232, 25, 25), QStringLiteral("delete"),
                               QStringLiteral("Delete the Selected name(s)"));

    const QString deleteHint = QStringLiteral("Delete the Selected");
    Label7 = label(page, QPoint(232, 8), QStringLiteral("What are some breakfast meals?"));
    ListBox2 = new NameListBox(page);
    ListBox2->setGeometry(232, 24, 241, 57);
    SpeedButton5 = speedButton(page, QRect(472, 24, 25, 25), QStringLiteral("add-meal"),
                               QStringLiteral("Add a Breakfast Meal..."));
    SpeedButton6 = speedButton(page, QRect(472, 56, 25, 25), QStringLiteral("delete"), deleteHint);
    JvComboBox3 = new SuggestionCombo(
        {QStringLiteral("Oatmeal"), QStringLiteral("Eggs"), QStringLiteral("Cheerios"),
         QStringLiteral("Cocoa Puffs"), QStringLiteral("Wheaties"), QStringLiteral("Lucky Charms"),
         QStringLiteral("Smart Start"), QStringLiteral("Kix"), QStringLiteral("Corn Pops"),
         QStringLiteral("Corn Flakes"), QStringLiteral("Cocoa Pebbles")},
        page);
    JvComboBox3->setGeometry(368, 80, 105, 21);

    Label8 = label(page, QPoint(232, 96), QStringLiteral("What are some lunch meals?"));
    ListBox3 = new NameListBox(page);
    ListBox3->setGeometry(232, 112, 241, 57);
    SpeedButton7 = speedButton(page, QRect(472, 112, 25, 25), QStringLiteral("add-meal"),
                               QStringLiteral("Add a Lunch Meal..."));
    SpeedButton8 = speedButton(page, QRect(472, 144, 25, 25), QStringLiteral("delete"), deleteHint);
    JvComboBox2 = new SuggestionCombo({QStringLiteral("Soup"), QStringLiteral("Oatmeal"),
                                       QStringLiteral("Cold Cuts"), QStringLiteral("Sandwiches"),
                                       QStringLiteral("Omelets"), QStringLiteral("Hoagie")},
                                      page);
    JvComboBox2->setGeometry(344, 168, 129, 21);

    Label9 = label(page, QPoint(232, 192), QStringLiteral("What are some dinner meals?"));
    ListBox4 = new NameListBox(page);
    ListBox4->setGeometry(232, 208, 241, 57);
    SpeedButton9 = speedButton(page, QRect(472, 208, 25, 25), QStringLiteral("add-meal"),
                               QStringLiteral("Add a Dinner Meal..."));
    SpeedButton10 =
        speedButton(page, QRect(472, 240, 25, 25), QStringLiteral("delete"), deleteHint);
    JvComboBox1 = new SuggestionCombo({QStringLiteral("Spaghetti"), QStringLiteral("Chicken"),
                                       QStringLiteral("Salad"), QStringLiteral("Beef Stew"),
                                       QStringLiteral("Pizza")},
                                      page);
    JvComboBox1->setGeometry(344, 264, 129, 21);

    SpeedButton15 = speedButton(page, QRect(0, 264, 25, 41), QStringLiteral("back"), kBackHint);
    SpeedButton11 =
        speedButton(page, QRect(480, 272, 25, 33), QStringLiteral("continue"), kContinueHint);
}

void TForm1::buildPage3(QWidget* page)
{
    Label10 = label(page, QPoint(0, 8), QStringLiteral("What are some snacks?"));
    Memo1 = new QPlainTextEdit(page);
    Memo1->setGeometry(8, 24, 489, 97);
    JvComboBox4 = new SuggestionCombo({QStringLiteral("Cookies"), QStringLiteral("Chips"),
                                       QStringLiteral("Pudding"), QStringLiteral("Apple Sauce"),
                                       QStringLiteral("Yogurt"), QStringLiteral("Peeps")},
                                      page);
    JvComboBox4->setGeometry(384, 120, 113, 21);

    Label11 = label(page, QPoint(8, 144), QStringLiteral("What are some drinks?"));
    Memo2 = new QPlainTextEdit(page);
    Memo2->setGeometry(8, 160, 465, 121);
    JvComboBox5 = new SuggestionCombo({QStringLiteral("OJ"), QStringLiteral("Milk"),
                                       QStringLiteral("Bug Juice"), QStringLiteral("Coca Cola"),
                                       QStringLiteral("Pepsi"), QStringLiteral("Sprite"),
                                       QStringLiteral("Gingerale"), QStringLiteral("Orange Soda"),
                                       QStringLiteral("Root Beer"), QStringLiteral("Sarsaparilla")},
                                      page);
    JvComboBox5->setGeometry(376, 280, 97, 21);

    SpeedButton13 = speedButton(page, QRect(480, 232, 25, 33), QStringLiteral("back"), kBackHint);
    SpeedButton12 =
        speedButton(page, QRect(480, 264, 25, 41), QStringLiteral("continue"), kContinueHint);
}

void TForm1::buildPage4(QWidget* page)
{
    JvxRichEdit1 = new QTextEdit(page);
    JvxRichEdit1->setGeometry(8, 8, 457, 265);
    JvxRichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    JvxRichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    JvxRichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    JvxRichEdit1->setAcceptRichText(true);
    const QFont editorFont = platformFont("Times New Roman", 13);
    JvxRichEdit1->setFont(editorFont);
    JvxRichEdit1->document()->setDefaultFont(editorFont);

    BitBtn1 = bitmapButton(page, QRect(466, 8, 33, 33), QStringLiteral("print-preview"),
                           QStringLiteral("Print/Preview this document"));
    BitBtn2 = bitmapButton(page, QRect(466, 46, 33, 33), QStringLiteral("save"),
                           QStringLiteral("Save this Document..."));
    BitBtn3 = bitmapButton(page, QRect(466, 84, 33, 33), QStringLiteral("retry"), QString());
    BitBtn3->setText(QStringLiteral("&Retry"));
    BitBtn3->setIconSize(QSize(12, 12));
    BitBtn3->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);

    SpeedButton14 = speedButton(page, QRect(472, 240, 17, 33), QStringLiteral("back"), kBackHint);
    Label12 = new QLabel(
        QStringLiteral(
            "The roster is completed. You may edit this above and save and/or print this roster."),
        page);
    Label12->setGeometry(8, 280, 401, 17);
    Button1 = new QPushButton(QStringLiteral("New Roster"), page);
    Button1->setGeometry(432, 280, 65, 17);
    Button1->setToolTip(QStringLiteral("Start a New Roster..."));
}

void TForm1::setTabOrders()
{
    const QList<QWidget*> order = {
        Edit1,       CheckBox1,   CheckBox2,   CheckBox3,   CheckBox4,    CheckBox5, CheckBox6,
        CheckBox7,   CheckBox8,   CheckBox9,   CheckBox10,  ListBox1,     ListBox2,  ListBox3,
        ListBox4,    JvComboBox1, JvComboBox2, JvComboBox3, Memo1,        Memo2,     JvComboBox4,
        JvComboBox5, BitBtn1,     BitBtn2,     Button1,     JvxRichEdit1, BitBtn3,   Button2};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TForm1::connectHandlers()
{
    connect(SpeedButton1, &QToolButton::clicked, this, guarded([this] { SpeedButton1Click(); }));
    connect(SpeedButton2, &QToolButton::clicked, this, guarded([this] { SpeedButton2Click(); }));
    connect(SpeedButton11, &QToolButton::clicked, this, guarded([this] { SpeedButton11Click(); }));
    for (QToolButton* back : {SpeedButton15, SpeedButton13, SpeedButton14})
        connect(back, &QToolButton::clicked, this, guarded([this] { SpeedButton13Click(); }));
    connect(SpeedButton12, &QToolButton::clicked, this,
            guarded([this] { SpeedButton12Click(SpeedButton12); }));
    connect(BitBtn1, &QToolButton::clicked, this, guarded([this] { BitBtn1Click(); }));
    connect(BitBtn2, &QToolButton::clicked, this, guarded([this] { BitBtn2Click(); }));
    connect(BitBtn3, &QToolButton::clicked, this, guarded([this] { BitBtn3Click(); }));

    connect(SpeedButton3, &QToolButton::clicked, this, guarded([this] { SpeedButton3Click(); }));
    connect(SpeedButton4, &QToolButton::clicked, this, guarded([this] { SpeedButton4Click(); }));
    connect(SpeedButton5, &QToolButton::clicked, this, guarded([this] { SpeedButton5Click(); }));
    connect(SpeedButton6, &QToolButton::clicked, this, guarded([this] { SpeedButton6Click(); }));
    connect(SpeedButton7, &QToolButton::clicked, this, guarded([this] { SpeedButton7Click(); }));
    connect(SpeedButton8, &QToolButton::clicked, this, guarded([this] { SpeedButton8Click(); }));
    connect(SpeedButton9, &QToolButton::clicked, this, guarded([this] { SpeedButton9Click(); }));
    connect(SpeedButton10, &QToolButton::clicked, this, guarded([this] { SpeedButton10Click(); }));

    connect(JvComboBox1, &SuggestionCombo::fed, this, guarded([this] { JvComboBox1Change(); }));
    connect(JvComboBox2, &SuggestionCombo::fed, this, guarded([this] { JvComboBox2Change(); }));
    connect(JvComboBox3, &SuggestionCombo::fed, this, guarded([this] { JvComboBox3Change(); }));
    connect(JvComboBox4, &SuggestionCombo::fed, this, guarded([this] { JvComboBox4Change(); }));
    connect(JvComboBox5, &SuggestionCombo::fed, this, guarded([this] { JvComboBox5Change(); }));

    connect(Button1, &QPushButton::clicked, this, guarded([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, guarded([this] { Button2Click(); }));
}

QCheckBox* TForm1::dayBox(int day) const
{
    QCheckBox* const boxes[] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4,
                                CheckBox5, CheckBox6, CheckBox7};
    return boxes[day];
}

QCheckBox* TForm1::mealBox(int meal) const
{
    QCheckBox* const boxes[] = {CheckBox8, CheckBox9, CheckBox10};
    return boxes[meal];
}

NameListBox* TForm1::candidateList(int meal) const
{
    NameListBox* const lists[] = {ListBox2, ListBox3, ListBox4};
    return lists[meal];
}

void TForm1::showEvent(QShowEvent* event)
{
    // Sent before the window is mapped, so the splash comes and goes first.
    if (!event->spontaneous()) {
        runHandler([this] { FormShow(); });
        if (!m_centred) {
            m_centred = true;
            if (QScreen* screen = QGuiApplication::primaryScreen())
                move(screen->availableGeometry().center() -
                     QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
        }
    }
    QWidget::showEvent(event);
}

void TForm1::FormShow()
{
    Splash();
}

void TForm1::SpeedButton1Click()
{
    Notebook1->setPageIndex(Notebook1->pageIndex() + 1);
}
void TForm1::SpeedButton2Click()
{
    Notebook1->setPageIndex(Notebook1->pageIndex() + 1);
}
void TForm1::SpeedButton11Click()
{
    Notebook1->setPageIndex(Notebook1->pageIndex() + 1);
}
void TForm1::SpeedButton13Click()
{
    Notebook1->setPageIndex(Notebook1->pageIndex() - 1);
}

void TForm1::SpeedButton12Click(QObject*)
{
    WizardInputs inputs(*this);
    RosterDocument document(JvxRichEdit1->document());
    RosterComposition(processRandom()).compose(inputs, document);
}

void TForm1::BitBtn1Click()
{
    PreviewPrinter1->PaginateRichEdit(JvxRichEdit1);
    PreviewPrinter1->ShowPreview(this);
}

void TForm1::BitBtn2Click()
{
    if (!SaveDialog1->Execute(this))
        return;
    RtfWriter::save(*JvxRichEdit1->document(), SaveDialog1->FileName);
}

void TForm1::BitBtn3Click()
{
    SpeedButton12Click(nullptr);
}

void TForm1::addEntryByPrompt(NameListBox* list, const QString& title, const QString& prompt)
{
    // Cancel appends nothing; OK appends whatever the field holds, empty or not.
    if (const auto answer = Dialogs::instance().inputQuery(this, title, prompt, 255))
        list->append(*answer);
}

void TForm1::SpeedButton3Click()
{
    addEntryByPrompt(ListBox1, QStringLiteral("Scout Name (First) (Last)"),
                     QStringLiteral("What is the scout's name?"));
}
void TForm1::SpeedButton5Click()
{
    addEntryByPrompt(ListBox2, QStringLiteral("Breakfast-Type meal"),
                     QStringLiteral("What is the meal?"));
}
void TForm1::SpeedButton7Click()
{
    addEntryByPrompt(ListBox3, QStringLiteral("Lunch-Type meal"),
                     QStringLiteral("What is the meal?"));
}
void TForm1::SpeedButton9Click()
{
    addEntryByPrompt(ListBox4, QStringLiteral("Dinner-Type meal"),
                     QStringLiteral("What is the meal?"));
}

void TForm1::SpeedButton4Click()
{
    ListBox1->deleteSelected();
}
void TForm1::SpeedButton6Click()
{
    ListBox2->deleteSelected();
}
void TForm1::SpeedButton8Click()
{
    ListBox3->deleteSelected();
}
void TForm1::SpeedButton10Click()
{
    ListBox4->deleteSelected();
}

void TForm1::feedList(SuggestionCombo* combo, NameListBox* list)
{
    list->append(combo->currentText());
    combo->reset();
}

void TForm1::feedMemo(SuggestionCombo* combo, QPlainTextEdit* memo)
{
    // A new last line: after a line break unless the memo is empty or already ends in one.
    const QString text = memo->toPlainText();
    QTextCursor cursor(memo->document());
    cursor.movePosition(QTextCursor::End);
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        cursor.insertBlock();
    cursor.insertText(combo->currentText());
}

void TForm1::JvComboBox1Change()
{
    feedList(JvComboBox1, ListBox4);
}
void TForm1::JvComboBox2Change()
{
    feedList(JvComboBox2, ListBox3);
}
void TForm1::JvComboBox3Change()
{
    feedList(JvComboBox3, ListBox2);
}
void TForm1::JvComboBox4Change()
{
    feedMemo(JvComboBox4, Memo1);
}
void TForm1::JvComboBox5Change()
{
    feedMemo(JvComboBox5, Memo2);
}

void TForm1::Button1Click()
{
    RosterDocument(JvxRichEdit1->document()).clear();
    for (NameListBox* list : {ListBox1, ListBox2, ListBox3, ListBox4})
        list->clear();
    for (int day = 0; day < RosterComposition::kDays; ++day)
        dayBox(day)->setChecked(false);
    for (int meal = 0; meal < RosterComposition::kMeals; ++meal)
        mealBox(meal)->setChecked(false);
    Notebook1->setPageIndex(0);
    Memo1->clear();
    Memo2->clear();
}

void TForm1::Button2Click()
{
    Form3->exec();
}
