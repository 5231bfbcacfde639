#pragma once

#include <QPoint>
#include <QRect>
#include <QtGlobal>

// Window and control geometry is kept in twips, 1/1440 inch. At 96 dots per inch 15 twips make one
// device-independent pixel; this is the one place that knows it.
inline constexpr int TwipsPerPixel = 15;

constexpr int twips(int t)
{
    return qRound(t / double(TwipsPerPixel));
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

inline QPoint twipsPoint(int x, int y)
{
    return QPoint(twips(x), twips(y));
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
