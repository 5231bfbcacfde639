#include "app/modDisplayPlatform.h"
#include "app/modStartupFailure.h"
#include "app/modSubMain.h"
#include "app/modWindowCheck.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QList>

#include <algorithm>

namespace
{

// What Qt says while it opens the display, held back until it is known whether it succeeded.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
QList<HeldMessage> heldMessages;
bool platformChosenByUser = false;

QByteArray describedVariable(const char *name)
{
    const QByteArray value = qgetenv(name);
    return QByteArray(name) + (value.isEmpty() ? QByteArray(" is not set") : "=" + value);
}

void releaseHeldMessages()
{
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage &message : std::as_const(heldMessages)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        previousHandler(message.type, context, message.text);
    }
    heldMessages.clear();
}

// What the platforms say when their display server is not there: the X server of DISPLAY, or the
// Wayland socket. Only these mean that no display can be opened.
bool displayWasUnreachable()
{
    return std::any_of(heldMessages.cbegin(), heldMessages.cend(), [](const HeldMessage &message) {
        return message.text.startsWith(QLatin1String("could not connect to display")) ||
               message.text.startsWith(QLatin1String("Failed to create wl_display"));
    });
}

// A Wayland display is there, and no X display answers, but Qt has no Wayland platform, which
// Debian ships apart from Qt, in qt6-wayland.
bool waylandPlatformMissing()
{
    const QString socket = qEnvironmentVariable("WAYLAND_DISPLAY");
    const QString path = QDir::isAbsolutePath(socket)
                             ? socket
                             : qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + socket;
    return !socket.isEmpty() && QFileInfo::exists(path) &&
           std::any_of(heldMessages.cbegin(), heldMessages.cend(), [](const HeldMessage &message) {
               return message.text.startsWith(
                   QLatin1String("Could not find the Qt platform plugin \"wayland\""));
           });
}

// Qt ends in a fatal message, and so an abort with a core dump, when no platform can be opened.
// Where the display server is not there (an unset DISPLAY, an X server that is not there, a
// Wayland socket that is missing), or where only Qt's Wayland platform is missing, say plainly in
// one line what is wrong and how to get round it. Any other failure, such as a platform plugin that
// is missing or will not load, gets Qt's own reasons and a line that sends nobody to xvfb-run.
// Either way, exit without a core dump.
void messageWhileOpeningDisplay(QtMsgType type, const QMessageLogContext &context,
                                const QString &text)
{
    if (type != QtFatalMsg) {
        heldMessages.append({type, QByteArray(context.category), text});
        return;
    }
    QByteArray line;
    const QByteArray where =
        describedVariable("DISPLAY") + ", " + describedVariable("WAYLAND_DISPLAY") +
        (platformChosenByUser ? ", " + describedVariable("QT_QPA_PLATFORM") : QByteArray());
    const bool waylandMissing = waylandPlatformMissing();
    if (waylandMissing || displayWasUnreachable()) {
        // Someone who asked Qt for its reasons gets them, before the line.
        if (qEnvironmentVariableIsSet("QT_DEBUG_PLUGINS") ||
            qEnvironmentVariableIsSet("QT_LOGGING_RULES"))
            releaseHeldMessages();
        line = waylandMissing ? "tallywick: cannot open the Wayland display (" + where +
                                    "): Qt's Wayland platform is not installed and no XWayland "
                                    "answers; install qt6-wayland, or turn XWayland on\n"
                              : "tallywick: cannot open a display (" + where +
                                    "); to run without one, use: xvfb-run tallywick\n";
    } else {
        releaseHeldMessages();
        line = text.toLocal8Bit().trimmed() +
               "\ntallywick: cannot start its windows; Qt's reason is above\n";
    }
    ReportStartupFailure(line);
}

} // namespace

int main(int argc, char *argv[])
{
    platformChosenByUser = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    ChooseDisplayPlatform();
    previousHandler = qInstallMessageHandler(messageWhileOpeningDisplay);
    QApplication application(argc, argv);
    releaseHeldMessages();
    WatchWindowCreation();

    StartApplication();
    return QApplication::exec();
}
