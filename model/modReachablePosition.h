#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// Where a window restored from the store is put so that the user can take hold of it. frame is
// the window with its title bar, titleBarHeight pixels tall at its top; areas are the screens'
// available areas, without their panels and task bars. A window whose title bar shows whole in
// height and at least 100 pixels of its width inside one area stays where it is. Any other moves
// wholly onto the nearest area, its left and top edges inside where the area is too small.
QPoint ReachablePosition(const QRect &frame, int titleBarHeight, const QList<QRect> &areas);
