#include "widgets/modWindowPosition.h"

#include "model/modReachablePosition.h"
#include "model/modStoredPosition.h"
#include "model/modTwips.h"
#include "widgets/modSettingsStore.h"

#include <QGuiApplication>
#include <QPoint>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace
{

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

// Moves a window that would stand out of reach onto the nearest screen. The window system frames
// the window only once it is shown, so the frame is taken to be as the style draws one: a title
// bar above the window and a border around both.
void keepWithinReach(QWidget *window)
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    const QStyle *style = window->style();
    const int titleBar = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
    const QSize frame = window->size() + QSize(2 * border, titleBar + 2 * border);
    window->move(ReachablePosition(QRect(window->pos(), frame), titleBar, areas));
}

} // namespace

bool CompositorPlacesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void RestoreWindowPosition(QWidget *window, const QString &section)
{
    if (CompositorPlacesWindows())
        return;
    const int top = readPosition(section, QStringLiteral("Top"));
    window->move(window->pos().x(), twips(top));
    const int left = readPosition(section, QStringLiteral("Left"));
    window->move(twips(left), window->pos().y());
    window->setProperty(RestoredTwips, QPoint(left, top));
    // The store keeps what it holds until the user moves the window, so a window moved in from
    // an unplugged screen goes back there once that screen is back.
    keepWithinReach(window);
    window->setProperty(RestoredPixels, window->pos());
}

void SaveWindowPosition(const QWidget *window, const QString &section)
{
    if (CompositorPlacesWindows())
        return;
    const bool unmoved = window->property(RestoredPixels).toPoint() == window->pos();
    const QPoint position =
        unmoved && window->property(RestoredTwips).isValid()
            ? window->property(RestoredTwips).toPoint()
            : QPoint(pixelsToTwips(window->pos().x()), pixelsToTwips(window->pos().y()));
    WriteStoredTexts(section, {{QStringLiteral("Top"), FormatStoredPosition(position.y())},
                               {QStringLiteral("Left"), FormatStoredPosition(position.x())}});
}
