#pragma once

class frmMain;

// Sets every drill setting to its default. Main() calls it; tests call it to start from a clean
// run.
void SetDefaultSettings();

// The start-up procedure: sets the defaults and shows the drill window, which owns itself from then
// on (it is deleted when closed). Returns the window for callers that want to watch it.
frmMain *Main();
