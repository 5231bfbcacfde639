#include "widgets/Shape.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace
{

QColor effectiveColor(const QColor &chosen, const QWidget *widget)
{
    return chosen.isValid() ? chosen : widget->palette().color(QPalette::WindowText);
}

} // namespace

Shape::Shape(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFillColor(const QColor &color)
{
    m_fill = color;
    // An opaque fill paints every pixel, so Qt need not paint what lies beneath first.
    setAttribute(Qt::WA_OpaquePaintEvent, m_fill.isValid() && m_fill.alpha() == 255);
    update();
}

void Shape::setOutlineWidth(int pixels)
{
    m_outlineWidth = std::max(0, pixels);
    update();
}

void Shape::setOutlineColor(const QColor &color)
{
    m_outline = color;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect bounds = rect();
    if (m_fill.isValid())
        painter.fillRect(bounds, m_fill);

    // Four bands rather than a stroked rectangle, so the outline stays exactly inside the bounds
    // whatever its width.
    const int w = std::min({m_outlineWidth, bounds.width(), bounds.height()});
    if (w <= 0)
        return;
    const QColor outline = effectiveColor(m_outline, this);
    painter.fillRect(QRect(0, 0, bounds.width(), w), outline);
    painter.fillRect(QRect(0, bounds.height() - w, bounds.width(), w), outline);
    painter.fillRect(QRect(0, 0, w, bounds.height()), outline);
    painter.fillRect(QRect(bounds.width() - w, 0, w, bounds.height()), outline);
}

Line::Line(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    placeOverPoints();
}

void Line::setPoints(QPoint from, QPoint to)
{
    m_from = from;
    m_to = to;
    placeOverPoints();
}

void Line::setLineWidth(int pixels)
{
    m_width = std::max(1, pixels);
    placeOverPoints();
}

void Line::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void Line::placeOverPoints()
{
    // Room for the thickness on every side, so a diagonal line is not clipped at its ends.
    const int margin = m_width;
    const QRect span = QRect(m_from, m_to).normalized();
    setGeometry(span.adjusted(-margin, -margin, margin, margin));
    update();
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor color = effectiveColor(m_color, this);
    const QPoint a = m_from - pos();
    const QPoint b = m_to - pos();
    const int before = m_width / 2; // rows or columns above or left of the points
    if (a.y() == b.y()) {
        const int x = std::min(a.x(), b.x());
        painter.fillRect(QRect(x, a.y() - before, std::abs(b.x() - a.x()) + 1, m_width), color);
    } else if (a.x() == b.x()) {
        const int y = std::min(a.y(), b.y());
        painter.fillRect(QRect(a.x() - before, y, m_width, std::abs(b.y() - a.y()) + 1), color);
    } else {
        painter.setPen(QPen(color, m_width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(a, b);
    }
}
