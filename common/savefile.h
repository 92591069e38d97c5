#pragma once

#include <QString>

#include <functional>

class QIODevice;

/// Writes a file atomically, for every writer of the programs: \a write fills it,
/// and only a complete file replaces what stood under \a fileName, so a failed
/// save leaves the previous file as it was. Throws Failure
/// "Cannot create file "<full path>". <reason>" when the file cannot be made
/// (the reason without trailing full stops and blanks), and Failure(\a writeFailure)
/// when \a write returns false or the file cannot be committed.
void saveFile(const QString& fileName, const std::function<bool(QIODevice&)>& write,
              const QString& writeFailure);
