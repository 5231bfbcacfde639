#include "model/modStoredPosition.h"

#include "model/modNumberText.h"
#include "model/modTwips.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace
{

// Window systems keep screen coordinates in 16 bits; anything beyond cannot be a real position.
constexpr double LargestPositionTwips = 32767.0 * TwipsPerPixel;

} // namespace

std::optional<int> ParseStoredPosition(const QString &text)
{
    // The store holds the program's own text, so it is read in the C locale whatever the user's
    // number format; a value the program wrote always reads back.
    QLocale format = QLocale::c();
    format.setNumberOptions(QLocale::RejectGroupSeparator);
    const std::optional<double> number = NumberFromText(format, text.trimmed());
    if (!number)
        return std::nullopt;
    const double value = *number;
    // Converting a double beyond single precision to float is undefined, so far values go first.
    if (!std::isfinite(value) || std::fabs(value) > 2 * LargestPositionTwips)
        return std::nullopt;
    const float single = float(value);
    if (std::fabs(single) > LargestPositionTwips)
        return std::nullopt;
    return int(std::nearbyint(single));
}

QString FormatStoredPosition(int positionTwips)
{
    return QString::number(float(positionTwips), 'g', std::numeric_limits<float>::digits10 + 1);
}
