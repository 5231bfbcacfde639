#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <utility>

class Line;
class QFont;
class QKeyEvent;
class QLabel;
class QPushButton;
class Shape;

// Building the controls of a window laid out in twips. Each is a child of the window, named after
// its object name and placed by its row of the layout table; Qt stacks later siblings on top, so
// the window creates them back to front.

void PlaceControl(QWidget *control, const QString &name, int left, int top, int width, int height);

// A control of any type; args go to its constructor ahead of the parent.
template <typename T, typename... Args>
T *AddControl(QWidget *window, const QString &name, int left, int top, int width, int height,
              Args &&...args)
{
    auto *control = new T(std::forward<Args>(args)..., window);
    PlaceControl(control, name, left, top, width, height);
    return control;
}

// A label, or a label of a kind that draws its text in its own way.
template <typename T = QLabel>
T *AddLabel(QWidget *window, const QString &name, int left, int top, int width, int height,
            const QFont &font)
{
    auto *label = AddControl<T>(window, name, left, top, width, height);
    label->setFont(font);
    return label;
}

QPushButton *AddButton(QWidget *window, const QString &name, const QString &caption, int left,
                       int top, int width, int height, const QFont &font);
Shape *AddShape(QWidget *window, const QString &name, int left, int top, int width, int height,
                const QColor &fill, int outlineWidth);
Line *AddLine(QWidget *window, const QString &name, int x1, int y1, int x2, int y2, int width);

// Enter and keypad Enter press the window's focused push button, as Space does. Outside a dialog Qt
// leaves Enter to the window; making the buttons auto-default instead would give the focused one
// the default button's look and role. Call it from the window's keyPressEvent; it returns whether
// it pressed a button.
bool PressFocusedButton(QWidget *window, const QKeyEvent *event);
