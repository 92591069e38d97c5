#include "gopageform.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

TGoPageForm::TGoPageForm(int page, int pageCount, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Go to Page Number"));
    auto* layout = new QFormLayout(this);
    PageNum = new QSpinBox(this);
    PageNum->setObjectName(QStringLiteral("PageNum"));
    PageNum->setRange(1, std::max(1, pageCount));
    PageNum->setValue(page);
    layout->addRow(QStringLiteral("Page Number:"), PageNum);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
    PageNum->selectAll();
}
