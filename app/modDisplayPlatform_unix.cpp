#include "app/modDisplayPlatform.h"

#include <QByteArray>

void ChooseDisplayPlatform()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    // Qt prefers a Wayland desktop's own display, where the compositor places every window and
    // tells nobody where. The desktop's XWayland, where there is one, keeps positions as any X
    // server does; the Wayland display is the fallback, and the first choice without XWayland.
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb;wayland"));
    else if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("wayland;xcb"));
}
