#pragma once

#include <QString>

class QWidget;

// Each window keeps its screen position in the per-user settings store, under a section named
// after its class, as the decimal text of the twips between the screen's top-left corner and the
// window frame's top-left corner.

// Whether a Wayland compositor places the windows: Qt can then neither put a window at a position
// nor learn where it is, and reports a frame near 0, 0 wherever the window stands.
bool CompositorPlacesWindows();

// Moves the window to its stored position (Top, then Left), or 100 twips in for what is missing
// or unusable; a window whose title bar would be out of reach there moves onto the nearest screen.
// Where a Wayland compositor places the windows, this and the saving below leave them and the
// store alone.
void RestoreWindowPosition(QWidget *window, const QString &section);

// Writes the window's position to the store (Top, then Left). A window that has not moved since
// it was restored writes back the values it was restored from.
void SaveWindowPosition(const QWidget *window, const QString &section);
