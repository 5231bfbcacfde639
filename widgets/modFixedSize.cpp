#include "widgets/modFixedSize.h"

#include "widgets/modWindowPosition.h"

#include <QEvent>
#include <QSize>
#include <QWidget>

namespace
{

constexpr Qt::WindowStates Enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;

void restoreNormalSize(QWidget *window)
{
    const Qt::WindowStates normal = window->windowState() & ~Enlarged;
    if (!CompositorPlacesWindows()) {
        window->setWindowState(normal);
        return;
    }
    // A Wayland compositor that has had its maximized state acknowledged ends the program at the
    // window's next frame unless that frame fills the screen; weston sends no new state when asked
    // to undo it before then. Qt's own title bar offers maximize to any window, so the window gets
    // a new surface, which starts in the normal state where the compositor chooses to put it.
    window->hide();
    window->setWindowState(normal);
    window->show();
    window->activateWindow();
}

class NormalSizeKeeper : public QObject
{
public:
    explicit NormalSizeKeeper(QWidget *window) : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        // Once the state change has been handled, not inside it.
        if (event->type() == QEvent::WindowStateChange && window->windowState() & Enlarged)
            QMetaObject::invokeMethod(
                this, [window] { restoreNormalSize(window); }, Qt::QueuedConnection);
        return false;
    }
};

} // namespace

void SetFixedWindowSize(QWidget *window, const QSize &size)
{
    window->setFixedSize(size);
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    new NormalSizeKeeper(window);
}
