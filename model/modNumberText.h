#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The value of a number written in the given number format: an optional sign, digits with an
// optional decimal fraction and an optional exponent, as QLocale reads them. Unlike QLocale it
// takes a number too small for a double as 0, which is what it rounds to, rather than refusing it
// as if it were no number. Nothing for text that is no number or a number too large for a double.
std::optional<double> NumberFromText(const QLocale &locale, const QString &text);
