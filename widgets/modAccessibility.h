#pragma once

#include <QList>
#include <QString>

class QAbstractSlider;
class QWidget;

// What a screen reader finds in the two windows and what it is told. Captions stay the program's
// own; everything here goes beside them.

// A screen reader sees only these controls of the window, in this order. Everything else the
// window holds (shapes, lines, the background picture, headings that only label a panel) stays out
// of the accessibility tree, so the reader never stops on an unnamed decoration. Call it right
// after the window's controls are created, before the window is shown.
void SetAccessibleChildren(QWidget *window, const QList<QWidget *> &children);

// Makes the widget a notification with the given name. Announce() renames it and tells a screen
// reader to speak it, the way a live region does; the widget itself does not change on screen.
void MakeAnnouncer(QWidget *widget, const QString &name);
void Announce(QWidget *announcer, const QString &text);

// A slider or scroll bar whose positions stand for position * scale of some unit tells a screen
// reader its value in that unit: a wait in tenths of a second, with scale 0.1, reads 1.5.
void SetAccessibleValueScale(QAbstractSlider *slider, double scale);
