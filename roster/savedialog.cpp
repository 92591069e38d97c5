#include "savedialog.h"

#include "dialogs.h"

bool TSaveDialog::Execute(QWidget* parent)
{
    const std::optional<QString> name =
        Dialogs::instance().saveFileName(parent, {Filter, DefaultExt, FileName, false});
    if (!name)
        return false;
    FileName = *name;
    return true;
}
