#pragma once

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
