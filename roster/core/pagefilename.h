#pragma once

#include <QString>

/// The file name of one exported page: the chosen name cut before the first
/// full stop of its last part (folders keep theirs), then the page number from
/// 1 and \a extension (".JPG", ".EMF"). A name without a full stop is kept whole.
QString pageFileName(const QString& chosen, int page, const QString& extension);
