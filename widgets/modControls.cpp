#include "widgets/modControls.h"

#include "model/modTwips.h"
#include "widgets/ButtonStyle.h"
#include "widgets/Shape.h"

#include <QFont>
#include <QKeyEvent>
#include <QPushButton>

void PlaceControl(QWidget *control, const QString &name, int left, int top, int width, int height)
{
    control->setObjectName(name);
    control->setGeometry(twipsRect(left, top, width, height));
}

QPushButton *AddButton(QWidget *window, const QString &name, const QString &caption, int left,
                       int top, int width, int height, const QFont &font)
{
    auto *button = AddControl<QPushButton>(window, name, left, top, width, height, caption);
    button->setFont(font);
    button->setAutoDefault(false);
    button->setStyle(new ButtonStyle(button));
    return button;
}

Shape *AddShape(QWidget *window, const QString &name, int left, int top, int width, int height,
                const QColor &fill, int outlineWidth)
{
    auto *shape = AddControl<Shape>(window, name, left, top, width, height);
    shape->setFillColor(fill);
    shape->setOutlineWidth(outlineWidth);
    return shape;
}

Line *AddLine(QWidget *window, const QString &name, int x1, int y1, int x2, int y2, int width)
{
    auto *line = new Line(window);
    line->setObjectName(name);
    line->setLineWidth(width);
    line->setPoints(twipsPoint(x1, y1), twipsPoint(x2, y2));
    return line;
}

bool PressFocusedButton(QWidget *window, const QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto *button = qobject_cast<QPushButton *>(window->focusWidget());
    if (!enter || !button || !button->isEnabled())
        return false;
    button->click();
    return true;
}
