#pragma once

// Ends the run as a failed start, with the platform's reason, when a window the program shows
// cannot be created (Windows' "CreateWindowEx failed", say): the program would otherwise go on
// running with no window and no word. Call once, after the QApplication exists.
void WatchWindowCreation();
