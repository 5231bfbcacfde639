#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The exact quotient of a division that leaves a remainder, as a mixed number in lowest terms:
// its sign, then the magnitudes of its whole part, numerator and denominator. 64 bits hold every
// part of a quotient of two 32-bit terms, where -2147483648 has no 32-bit magnitude.
struct MixedNumber {
    bool negative = false;
    std::int64_t whole = 0;
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
};

// top / bottom exactly, for a division that leaves a remainder; nothing when it comes out even or
// bottom is 0.
std::optional<MixedNumber> FractionalQuotient(std::int32_t top, std::int32_t bottom);

// As it is typed: a minus sign if negative, the whole part and a space unless it is 0, then
// numerator "/" denominator: "3 1/2", "-3 1/2", "1/3", "-1/3".
QString MixedNumberText(const MixedNumber &number);

// As a teacher says it, in the program's language: "3 and one half", "minus one third",
// "5 and 15 over 17".
QString MixedNumberWords(const MixedNumber &number);
