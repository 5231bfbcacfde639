#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

// Filled rectangles and straight lines for window decoration. Both are plain widgets, so they stack
// with the other controls in creation order, and both let mouse clicks through to what lies below.
// Geometry is in the parent's pixels; the caller converts from twips.

// A rectangle with an optional opaque fill and a solid outline drawn just inside its bounds.
class Shape : public QWidget
{
    Q_OBJECT

public:
    explicit Shape(QWidget *parent = nullptr);

    // An invalid colour leaves the inside see-through.
    void setFillColor(const QColor &color);
    QColor fillColor() const { return m_fill; }

    // 0 draws no outline.
    void setOutlineWidth(int pixels);
    int outlineWidth() const { return m_outlineWidth; }

    // An invalid colour (the default) follows the palette's window-text colour.
    void setOutlineColor(const QColor &color);
    QColor outlineColor() const { return m_outline; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
    QColor m_outline;
    int m_outlineWidth = 1;
};

// A solid straight line between two points of the parent. The widget covers the line and its
// thickness; a line of odd width is centred on its points, an even one has its extra row or column
// above or to the left of them.
class Line : public QWidget
{
    Q_OBJECT

public:
    explicit Line(QWidget *parent = nullptr);

    void setPoints(QPoint from, QPoint to);
    QPoint from() const { return m_from; }
    QPoint to() const { return m_to; }

    void setLineWidth(int pixels);
    int lineWidth() const { return m_width; }

    // An invalid colour (the default) follows the palette's window-text colour.
    void setColor(const QColor &color);
    QColor color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void placeOverPoints();

    QPoint m_from;
    QPoint m_to;
    QColor m_color;
    int m_width = 1;
};
