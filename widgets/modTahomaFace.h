#pragma once

#include <QString>

// Adds Tahoma's regular or bold face, read from the file below, to the fonts Qt can use where
// Qt's font list has no Tahoma, and says whether it could; where it could not, the system's
// sans-serif stands in.
bool AddTahomaFace(bool bold);

// Where this platform keeps a Tahoma face that its font list may not show, or nothing.
QString TahomaFaceFile(bool bold);

// What to install where this platform has no Tahoma, for the line that says so.
QString TahomaInstallHint();
