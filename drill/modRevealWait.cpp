#include "drill/modRevealWait.h"

#include "model/modSleep.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimerEvent>
#include <QWidget>
#include <QWindow>
#include <QtCore/private/qobject_p.h>
#include <QtGui/private/qwindow_p.h>
#include <QtWidgets/private/qwidget_p.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

namespace
{

// An event held back during a wait, posted to the courier once the wait is over.
class HeldEvent : public QEvent
{
public:
    static QEvent::Type kind()
    {
        static const auto type = QEvent::Type(QEvent::registerEventType());
        return type;
    }
    HeldEvent(QObject *receiver, std::unique_ptr<QEvent> event)
        : QEvent(kind()), receiver(receiver), event(std::move(event))
    {
    }

    QPointer<QObject> receiver;
    std::unique_ptr<QEvent> event;
};

// Hands each held event to its receiver when the event loop comes to it. Going through one object
// of its own keeps the order and keeps Qt from merging a held deletion with another one.
class Courier : public QObject
{
public:
    using QObject::QObject;

    static Courier *instance()
    {
        static QPointer<Courier> courier;
        if (!courier)
            courier = new Courier(QCoreApplication::instance());
        return courier;
    }

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != HeldEvent::kind())
            return QObject::event(event);
        auto *held = static_cast<HeldEvent *>(event);
        if (held->receiver)
            QCoreApplication::sendEvent(held->receiver, held->event.get());
        return true;
    }
};

// Whether the object is a window or control, or belongs to one, as every timer and deferred
// deletion of the program's own does.
bool ofTheWindows(const QObject *object)
{
    for (; object; object = object->parent()) {
        if (object->isWidgetType())
            return true;
    }
    return false;
}

// What the learner does: held whatever it is addressed to.
bool isLearnerInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::NativeGesture:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

// Qt's own upkeep of the windows and their controls, which goes on during a wait so that they are
// drawn, placed, focused and restyled as the desktop asks. Every other event addressed to them is
// held; the header names these same groups.
bool isUpkeep(QEvent::Type type)
{
    switch (type) {
    // Drawing.
    case QEvent::Paint:
    case QEvent::UpdateRequest:
    case QEvent::UpdateLater:
    // Place, size, visibility and the native window.
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
    case QEvent::WindowStateChange:
    case QEvent::ZOrderChange:
    case QEvent::PlatformSurface:
    case QEvent::WinIdChange:
    case QEvent::ScreenChangeInternal:
    case QEvent::WindowChangeInternal:
    // Layout and the tree of objects.
    case QEvent::LayoutRequest:
    case QEvent::Polish:
    case QEvent::PolishRequest:
    case QEvent::ChildAdded:
    case QEvent::ChildPolished:
    case QEvent::ChildRemoved:
    case QEvent::ParentAboutToChange:
    case QEvent::ParentChange:
    // Focus and activation.
    case QEvent::FocusAboutToChange:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::ActivationChange:
    case QEvent::WindowBlocked:
    case QEvent::WindowUnblocked:
    // Appearance and the state that decides it.
    case QEvent::StyleChange:
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::ApplicationFontChange:
    case QEvent::ApplicationPaletteChange:
    case QEvent::ThemeChange:
    case QEvent::LanguageChange:
    case QEvent::LocaleChange:
    case QEvent::LayoutDirectionChange:
    case QEvent::EnabledChange:
    case QEvent::ContentsRectChange:
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
    case QEvent::DynamicPropertyChange:
    // The input method's questions about the focused control, answered at once.
    case QEvent::InputMethodQuery:
        return true;
    default:
        return false;
    }
}

// Whether code is closing the object, a window: QWindow::close() or QWidget::close() is under
// way, and this close event is the one it sends and waits for.
bool beingClosed(QObject *object)
{
    if (auto *window = qobject_cast<QWindow *>(object))
        return QWindowPrivate::get(window)->inClose;
    return object->isWidgetType() &&
           QWidgetPrivate::get(static_cast<QWidget *>(object))->data.is_closing;
}

// A copy of a queued call, to make later: Qt deletes the one it delivers. Its public part gives
// the arguments and their types; the slot or method it calls sits in the private part, read by
// its layout, which Qt keeps for the whole 6.4 series and which a check of the arguments' pointer
// confirms. Nothing, where that check fails, and the call runs at once as before.
std::unique_ptr<QEvent> copyOfCall(QEvent *event)
{
    struct Layout {
        QtPrivate::QSlotObjectBase *slotObj;
        void **args;
        QObjectPrivate::StaticMetaCallFunction callFunction;
        int nargs;
        ushort methodOffset;
        ushort methodRelative;
    };
    auto *call = dynamic_cast<QMetaCallEvent *>(static_cast<QAbstractMetaCallEvent *>(event));
    if (!call)
        return nullptr;
    Layout layout;
    std::memcpy(&layout, reinterpret_cast<const char *>(call) + sizeof(QAbstractMetaCallEvent),
                sizeof layout);
    if (layout.args != call->args() || layout.nargs < 0)
        return nullptr;
    auto copy = layout.slotObj ? std::make_unique<QMetaCallEvent>(layout.slotObj, call->sender(),
                                                                  call->signalId(), layout.nargs)
                               : std::make_unique<QMetaCallEvent>(0, ushort(call->id()), nullptr,
                                                                  call->sender(), call->signalId(),
                                                                  layout.nargs);
    for (int i = 0; i < layout.nargs; ++i) {
        const QMetaType type = call->types()[i];
        copy->types()[i] = type;
        copy->args()[i] =
            type.isValid() && call->args()[i] ? type.create(call->args()[i]) : nullptr;
    }
    return copy;
}

// One wait: an event loop that the platform asks to leave user input in its queue (keys, mouse,
// wheel and the title bar's close, on X11 and on Windows alike), with a filter on the application
// for what reaches the objects all the same: input posted to them, everything the program set
// going for them, and held events from an earlier wait that are still on their way. A quit ends
// the wait at once and goes through, with the closes it brings.
class Wait : public QObject
{
public:
    explicit Wait(QDeadlineTimer deadline) : m_deadline(deadline) {}

    void run()
    {
        QCoreApplication::instance()->installEventFilter(this);
        armTimer();
        m_loop.exec(QEventLoop::ExcludeUserInputEvents);
        QCoreApplication::instance()->removeEventFilter(this);

        for (std::unique_ptr<HeldEvent> &held : m_held)
            QCoreApplication::postEvent(Courier::instance(), held.release());
        m_held.clear();
        // The platform's held input waits for the event loop's next round, which only a wake-up
        // starts when no other event comes.
        if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
            dispatcher->wakeUp();
    }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        // A logout, a shutdown or quit() asks for the end of the program: the wait must not stand
        // in its way, nor in the way of the closes that save each window's position. Windows ends
        // the process as soon as its end-of-session message returns, so this cannot wait.
        if (m_quitting || (type == QEvent::Quit && receiver == QCoreApplication::instance())) {
            m_quitting = true;
            m_loop.quit();
            return false;
        }
        if (type == HeldEvent::kind()) {
            auto *held = static_cast<HeldEvent *>(event);
            m_held.push_back(std::make_unique<HeldEvent>(held->receiver, std::move(held->event)));
            return true;
        }
        if (!isLearnerInput(type) && !(ofTheWindows(receiver) && !isUpkeep(type)))
            return false;
        if (type == QEvent::Close) {
            // A window closed from code while the learner waits (closeAllWindows(), a session
            // manager) closes now; only the program's own code could ask that of it otherwise,
            // and that is held.
            if (beingClosed(receiver))
                return false;
            // One posted as the platform posts the title bar's close is held, and says so: taken
            // as done, it would leave a caller that closes windows until none is left trying the
            // same one again and again.
            event->ignore();
        }
        // A timer that fires again while held is still owed only once.
        if (type == QEvent::Timer && std::any_of(m_held.begin(), m_held.end(), [&](const auto &h) {
                return h->receiver == receiver && h->event->type() == QEvent::Timer &&
                       static_cast<QTimerEvent *>(h->event.get())->timerId() ==
                           static_cast<QTimerEvent *>(event)->timerId();
            }))
            return true;
        std::unique_ptr<QEvent> copy =
            type == QEvent::MetaCall ? copyOfCall(event) : std::unique_ptr<QEvent>(event->clone());
        if (!copy)
            return false;
        m_held.push_back(std::make_unique<HeldEvent>(receiver, std::move(copy)));
        return true;
    }

    void timerEvent(QTimerEvent *event) override
    {
        killTimer(event->timerId());
        if (m_deadline.hasExpired())
            m_loop.quit();
        else
            armTimer();
    }

private:
    // One timer to the deadline, or towards it an hour at a time for a longer pause; the loop
    // sleeps in the kernel until then. A deadline already past gets a timer too, so that the loop
    // is running when it is told to quit.
    void armTimer()
    {
        using namespace std::chrono;
        const qint64 left = m_deadline.remainingTimeNSecs(); // -1: never
        const auto step = left < 0 ? hours(1) : std::min<nanoseconds>(nanoseconds(left), hours(1));
        startTimer(ceil<milliseconds>(step), Qt::PreciseTimer);
    }

    QDeadlineTimer m_deadline;
    QEventLoop m_loop;
    std::vector<std::unique_ptr<HeldEvent>> m_held;
    bool m_quitting = false;
};

} // namespace

void RevealWait(float pauseTime)
{
    Wait wait(DeadlineAfter(pauseTime));
    wait.run();
}
