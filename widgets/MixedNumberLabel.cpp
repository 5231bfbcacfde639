#include "widgets/MixedNumberLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>

#include <cmath>

// Where each part goes, in pixels from the top-left corner of the drawing.
struct MixedNumberLabel::Layout {
    QString whole; // with its minus sign; a lone "-" before a proper fraction
    QString numerator;
    QString denominator;
    QFont smallFont;
    qreal barLeft = 0;
    qreal barTop = 0;
    qreal barWidth = 0;
    qreal barThickness = 0;
    qreal baseline = 0;
    qreal numeratorBaseline = 0;
    qreal denominatorBaseline = 0;
    QSize size;
};

std::optional<MixedNumberLabel::Layout> MixedNumberLabel::layout() const
{
    static const QRegularExpression typed(QStringLiteral("^(-?(?:[0-9]+ )?)([0-9]+)/([0-9]+)$"));
    const QRegularExpressionMatch match = typed.match(text());
    if (!match.hasMatch())
        return std::nullopt;

    Layout at;
    at.whole = match.captured(1).trimmed();
    at.numerator = match.captured(2);
    at.denominator = match.captured(3);
    at.smallFont = font();
    if (font().pixelSize() > 0)
        at.smallFont.setPixelSize(font().pixelSize() / 2);
    else
        at.smallFont.setPointSizeF(font().pointSizeF() / 2);
    const QFontMetricsF big(font());
    const QFontMetricsF small(at.smallFont);

    // The bar is as thick as the small font's underline. The same measure parts it from the whole
    // part, half of it is its overhang beyond the wider number, and one and a half part it from
    // the digits above and below.
    at.barThickness = std::max(1.0, std::round(small.lineWidth()));
    const qreal wholeWidth = big.horizontalAdvance(at.whole);
    at.barLeft = at.whole.isEmpty() ? 0 : wholeWidth + at.barThickness;
    at.barWidth =
        std::max(small.horizontalAdvance(at.numerator), small.horizontalAdvance(at.denominator)) +
        at.barThickness;
    // The numerator's digits start level with the whole part's, so the denominator reaches a
    // little below the line, as on paper.
    at.baseline = big.ascent();
    const qreal gap = 1.5 * at.barThickness;
    at.numeratorBaseline = at.baseline - big.capHeight() + small.capHeight();
    at.barTop = std::round(at.numeratorBaseline + gap); // on whole rows, so it is drawn sharp
    at.denominatorBaseline = at.barTop + at.barThickness + gap + small.capHeight();
    at.size =
        QSize(int(std::ceil(at.barLeft + at.barWidth)),
              int(std::ceil(std::max(big.height(), at.denominatorBaseline + small.descent()))));
    return at;
}

QSize MixedNumberLabel::sizeHint() const
{
    const std::optional<Layout> at = layout();
    if (!at)
        return QLabel::sizeHint();
    const QMargins margins = contentsMargins();
    return at->size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize MixedNumberLabel::minimumSizeHint() const
{
    return layout() ? sizeHint() : QLabel::minimumSizeHint();
}

void MixedNumberLabel::paintEvent(QPaintEvent *event)
{
    const std::optional<Layout> at = layout();
    if (!at) {
        QLabel::paintEvent(event);
        return;
    }
    const QPointF origin =
        QStyle::alignedRect(layoutDirection(), alignment(), at->size, contentsRect()).topLeft();
    const QColor ink = palette().color(foregroundRole());
    QPainter painter(this);
    painter.setPen(ink);
    painter.drawText(origin + QPointF(0, at->baseline), at->whole);
    painter.fillRect(
        QRectF(origin + QPointF(at->barLeft, at->barTop), QSizeF(at->barWidth, at->barThickness)),
        ink);
    painter.setFont(at->smallFont);
    const QFontMetricsF small(at->smallFont);
    // Each number is centred over the bar.
    auto drawCentred = [&](const QString &digits, qreal baseline) {
        const qreal indent = (at->barWidth - small.horizontalAdvance(digits)) / 2;
        painter.drawText(origin + QPointF(at->barLeft + indent, baseline), digits);
    };
    drawCentred(at->numerator, at->numeratorBaseline);
    drawCentred(at->denominator, at->denominatorBaseline);
}
