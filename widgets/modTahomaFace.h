#pragma once

#include <QString>

// Adds Tahoma's regular or bold face, read from the file below, to the fonts Qt can use where
// Qt's font list has no Tahoma; where the file cannot be read, the system's sans-serif stands in.
void AddTahomaFace(bool bold);

// Where this platform keeps a Tahoma face that its font list may not show.
QString TahomaFaceFile(bool bold);
