#pragma once

#include <QFont>

/// The windows name their fonts by the families the roster documents carry
/// (Tahoma, Times New Roman, Arial, MS Sans Serif). Where those faces are not
/// installed, metric-compatible ones stand in for them on screen; the family
/// names stay as they are.
void installPlatformFonts();

/// A font of \a family with a character height of \a pixelSize pixels.
QFont platformFont(const char* family, int pixelSize);
