#pragma once

#include <QString>

#include <functional>

class QIODevice;

/// Writes a file atomically: \a write fills it, and only a complete file
/// replaces what stood under \a fileName. Throws Failure
/// "Cannot create file "<full path>". <reason>" when the file cannot be made
/// (the reason without trailing full stops and blanks), and
/// "Failed to Save Stream" when \a write returns false or the file cannot be committed.
void saveFile(const QString& fileName, const std::function<bool(QIODevice&)>& write);
