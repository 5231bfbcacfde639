#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Conversions between the Setup window's texts and the drill settings. They read and write numbers
// in the user's number format (QLocale's default), so a comma-decimal user types and sees commas.

// The term limit a text stands for: blanks around it allowed, an optional sign, digits with an
// optional decimal fraction and an optional exponent, rounded to the nearest integer with ties to
// even. Nothing when the text is not numeric or its rounded value does not fit in 32 bits.
std::optional<std::int32_t> TermLimitFromText(const QString &text);

// A term limit as the window shows it: plain decimal, a leading minus sign, no grouping.
QString TermLimitText(std::int32_t limit);

// The wait a scroll position stands for: position 10 is one second.
float WaitSecondsFromPosition(int position);

// The scroll position that shows a wait, rounded with ties to even and held to 16 bits.
std::int16_t PositionFromWaitSeconds(float seconds);

// A wait as the window shows it: seven significant digits, no trailing zeros after the decimal
// separator and no bare separator, with the user's decimal separator.
QString WaitSecondsText(float seconds);
