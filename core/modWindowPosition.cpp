#include "core/modWindowPosition.h"

#include "core/modGlobalsConstants.h"
#include "core/modTwips.h"

#include <QPoint>
#include <QSettings>
#include <QWidget>

#include <cmath>
#include <limits>

namespace
{

// Window systems keep screen coordinates in 16 bits; anything beyond cannot be a real position.
constexpr double LargestPositionTwips = 32767.0 * TwipsPerPixel;

QSettings openStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QString::fromLatin1(ApplicationName), QString::fromLatin1(ApplicationName));
}

int readPosition(QSettings &store, const QString &key)
{
    const QVariant stored = store.value(key, FormatStoredPosition(DefaultPositionTwips));
    return ParseStoredPosition(stored.toString()).value_or(DefaultPositionTwips);
}

} // namespace

std::optional<int> ParseStoredPosition(const QString &text)
{
    // The store holds the program's own text, so it is read in the C locale whatever the user's
    // number format; a value the program wrote always reads back.
    bool ok = false;
    const float value = text.trimmed().toFloat(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > LargestPositionTwips)
        return std::nullopt;
    return int(std::nearbyint(value));
}

QString FormatStoredPosition(int positionTwips)
{
    return QString::number(float(positionTwips), 'g', std::numeric_limits<float>::digits10 + 1);
}

void RestoreWindowPosition(QWidget *window, const QString &section)
{
    QSettings store = openStore();
    store.beginGroup(section);
    const int top = readPosition(store, QStringLiteral("Top"));
    window->move(window->pos().x(), twips(top));
    const int left = readPosition(store, QStringLiteral("Left"));
    window->move(twips(left), window->pos().y());
}

void SaveWindowPosition(const QWidget *window, const QString &section)
{
    QSettings store = openStore();
    store.beginGroup(section);
    store.setValue(QStringLiteral("Top"), FormatStoredPosition(pixelsToTwips(window->pos().y())));
    store.setValue(QStringLiteral("Left"), FormatStoredPosition(pixelsToTwips(window->pos().x())));
    store.sync();
}
