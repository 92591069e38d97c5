#include "Unit3.h"

#include "Unit2.h"
#include "errorreport.h"
#include "formstorage.h"
#include "notebook.h"
#include "platformfonts.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    installPlatformFonts();
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Preferences"));
    setFont(platformFont("MS Sans Serif", 11));
    setFixedSize(240, 77);
    move(192, 114);

    JvCheckBox1 = new QCheckBox(QStringLiteral("Show Welcome Screen"), this);
    JvCheckBox1->setGeometry(8, 8, 225, 17);
    JvCheckBox1->setChecked(true);

    JvButton1 = new QPushButton(QStringLiteral("OK"), this);
    JvButton1->setGeometry(128, 48, 75, 25);
    JvButton1->setAutoDefault(false);
    JvButton1->setDefault(false);
    connect(JvButton1, &QPushButton::clicked, this, guarded([this] { JvButton1Click(); }));

    JvFormStorage1 = new FormStorage(this, JvCheckBox1);
    runHandler([this] { FormCreate(); });
}

TForm3::~TForm3()
{
    runHandler([this] { JvFormStorage1->formDestroying(); });
}

void TForm3::FormCreate()
{
    JvFormStorage1->restore();
    if (!JvCheckBox1->isChecked())
        Form1->Notebook1->setPageIndex(1);
}

void TForm3::JvButton1Click()
{
    close();
}

void TForm3::keyPressEvent(QKeyEvent* event)
{
    // "OK" is neither default nor cancel button: Escape does nothing, and Enter
    // closes the dialog only while "OK" has the focus.
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (focusWidget() == JvButton1)
            JvButton1->click();
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
