#include "model/modSetupText.h"

#include "model/modNumberText.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

std::optional<std::int32_t> TermLimitFromText(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;

    const std::optional<double> number = NumberFromText(QLocale(), trimmed);
    // The parser also knows "inf" and "nan", which are no limit anyone could mean.
    if (!number || !std::isfinite(*number))
        return std::nullopt;
    const double value = *number;

    // The default rounding mode sends a tie to the even neighbour.
    const double rounded = std::nearbyint(value);
    if (rounded < double(std::numeric_limits<std::int32_t>::min()) ||
        rounded > double(std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return std::int32_t(rounded);
}

QString TermLimitText(std::int32_t limit)
{
    return QString::number(limit);
}

float WaitSecondsFromPosition(int position)
{
    // Multiplying first keeps every tenth exact before the one rounding to single precision.
    return float(position * 10.0 / 100.0);
}

std::int16_t PositionFromWaitSeconds(float seconds)
{
    const double position = std::nearbyint(double(seconds) / 10.0 * 100.0);
    if (std::isnan(position))
        return 0;
    return std::int16_t(std::clamp(position, double(std::numeric_limits<std::int16_t>::min()),
                                   double(std::numeric_limits<std::int16_t>::max())));
}

QString WaitSecondsText(float seconds)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    // 'g' drops trailing zeros and a bare separator by itself.
    return locale.toString(double(seconds), 'g', std::numeric_limits<float>::digits10 + 1);
}
