#include "core/widgets/modWindowPosition.h"

#include "core/modNumberText.h"
#include "core/widgets/modSettingsStore.h"
#include "core/widgets/modTwips.h"

#include <QPoint>
#include <QWidget>

#include <cmath>
#include <limits>

namespace
{

// Window systems keep screen coordinates in 16 bits; anything beyond cannot be a real position.
constexpr double LargestPositionTwips = 32767.0 * TwipsPerPixel;

// Where a window was put from the store, in twips and in pixels. A window that has not moved
// writes back the twips it came from rather than its pixels times 15, so a position that is not a
// whole number of pixels, the default 100 among them, does not drift at every close.
constexpr char RestoredTwips[] = "tallywickRestoredTwips";
constexpr char RestoredPixels[] = "tallywickRestoredPixels";

int readPosition(const QString &section, const QString &key)
{
    const std::optional<QString> stored = ReadStoredText(section, key);
    return (stored ? ParseStoredPosition(*stored) : std::nullopt).value_or(DefaultPositionTwips);
}

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

void RestoreWindowPosition(QWidget *window, const QString &section)
{
    const int top = readPosition(section, QStringLiteral("Top"));
    window->move(window->pos().x(), twips(top));
    const int left = readPosition(section, QStringLiteral("Left"));
    window->move(twips(left), window->pos().y());
    window->setProperty(RestoredTwips, QPoint(left, top));
    window->setProperty(RestoredPixels, window->pos());
}

void SaveWindowPosition(const QWidget *window, const QString &section)
{
    const bool unmoved = window->property(RestoredPixels).toPoint() == window->pos();
    const QPoint position =
        unmoved && window->property(RestoredTwips).isValid()
            ? window->property(RestoredTwips).toPoint()
            : QPoint(pixelsToTwips(window->pos().x()), pixelsToTwips(window->pos().y()));
    WriteStoredTexts(section, {{QStringLiteral("Top"), FormatStoredPosition(position.y())},
                               {QStringLiteral("Left"), FormatStoredPosition(position.x())}});
}
