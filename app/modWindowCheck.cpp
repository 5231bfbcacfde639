#include "app/modWindowCheck.h"

#include "app/modStartupFailure.h"

#include <QApplication>
#include <QStringList>
#include <QWidget>
#include <QWindow>

namespace
{

// Qt says why a window failed only as warnings, given while it tries to create it; the last few
// since a window last came up hold that reason.
constexpr qsizetype KeptWarnings = 4;
QStringList recentWarnings;
QtMessageHandler previousHandler = nullptr;

void rememberWarning(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        recentWarnings.append(text);
        if (recentWarnings.size() > KeptWarnings)
            recentWarnings.removeFirst();
    }
    previousHandler(type, context, text);
}

// A window is created just before it is shown; one that Qt could not create has no platform
// window, and everything drawn for it goes nowhere.
class WindowCheck : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        const auto *widget = static_cast<QWidget *>(watched);
        if (!widget->isWindow())
            return false;
        if (widget->windowHandle() && widget->windowHandle()->handle()) {
            recentWarnings.clear();
            return false;
        }
        const QString name = widget->windowTitle().isEmpty()
                                 ? QString::fromLatin1(widget->metaObject()->className())
                                 : widget->windowTitle();
        QByteArray text;
        for (const QString &warning : std::as_const(recentWarnings))
            text += warning.toLocal8Bit().trimmed() + '\n';
        text += "tallywick: cannot create the window \"" + name.toLocal8Bit() + "\"; " +
                (recentWarnings.isEmpty() ? "Qt gave no reason\n" : "Qt's reason is above\n");
        ReportStartupFailure(text);
    }
};

} // namespace

void WatchWindowCreation()
{
    previousHandler = qInstallMessageHandler(rememberWarning);
    qApp->installEventFilter(new WindowCheck(qApp));
}
