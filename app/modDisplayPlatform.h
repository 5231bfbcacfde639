#pragma once

// Where the user has not chosen Qt's platform (QT_QPA_PLATFORM or -platform), chooses the one on
// which the windows keep their positions. Call before the QApplication exists.
void ChooseDisplayPlatform();
