#pragma once

// Waits pauseTime seconds, answering the desktop but not the learner. Held, and delivered after
// the wait in the order they came: keys, mouse buttons, the wheel, touch, drags, the closing of a
// window, and everything else addressed to the windows, their controls and the objects they own:
// timers, queued calls, posted and custom events, deferred deletions. Qt still runs its own upkeep
// of the windows: drawing (paint and update requests), place, size, showing and hiding, layout and
// polish, focus and activation, changes of style, font, palette, theme, language and enabled
// state, and the input method's questions; the window manager's ping and a screen reader's
// questions and actions, which reach Qt's own objects, are answered too. A quit (a logout, a
// shutdown, quit()) ends the wait at once and goes through, closing the windows, and a window
// that code closes (closeAllWindows()) closes at once. One thing of the program's kind runs
// unheld: QTimer::singleShot with a delay and a function, whose timer Qt gives to an object of its
// own that belongs to no window; the program uses none. Needs the running application.
void RevealWait(float pauseTime);
