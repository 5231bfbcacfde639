#pragma once

#include <QString>

#include <optional>

// A window's position as the settings store keeps it: the decimal text of the twips between the
// screen's top-left corner and the window frame's top-left corner.

// A stored position as twips, or nothing when the text is not a number a window can stand at:
// empty, not numeric, not finite, or beyond what a screen coordinate can hold.
std::optional<int> ParseStoredPosition(const QString &text);

// The store's text for a position in twips.
QString FormatStoredPosition(int positionTwips);

inline constexpr int DefaultPositionTwips = 100;
