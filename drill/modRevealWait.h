#pragma once

// Waits pauseTime seconds, answering the desktop but not the learner. The window manager's ping,
// repaints of uncovered windows and a screen reader's questions are answered during the wait.
// Keys, mouse buttons, the wheel and the closing of a window, and every timer, posted event and
// deferred deletion of the windows and their controls, are held and delivered after the wait, in
// the order they came. Needs the running application.
void RevealWait(float pauseTime);
