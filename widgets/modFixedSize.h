#pragma once

class QSize;
class QWidget;

// Gives a top-level window a client area of this size that nothing changes: the window offers no
// maximize button, and undoes being maximized or made full screen as soon as the window system
// reports it, since the layout neither moves nor stretches.
void SetFixedWindowSize(QWidget *window, const QSize &size);
