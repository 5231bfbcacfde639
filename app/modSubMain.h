#pragma once

class frmMain;

// The start-up procedure: sets the defaults and shows the drill window, which owns itself from then
// on (it is deleted when closed). Returns the window for callers that want to watch it.
frmMain *Main();

// Everything the program does between creating its QApplication and running the event loop: the
// application's names, its fonts, then Main(). main() and the start-up probe both call it, so the
// probe measures exactly what a run does.
frmMain *StartApplication();
