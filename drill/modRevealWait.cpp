#include "drill/modRevealWait.h"

#include "model/modSleep.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimerEvent>

#include <algorithm>
#include <chrono>
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

// One wait: an event loop that the platform asks to leave user input in its queue (keys, mouse,
// wheel and the title bar's close, on X11 and on Windows alike), with a filter on the application
// for what reaches the objects all the same: input posted to them, their timers, their deferred
// deletions, and held events from an earlier wait that are still on their way.
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
        if (type == HeldEvent::kind()) {
            auto *held = static_cast<HeldEvent *>(event);
            m_held.push_back(std::make_unique<HeldEvent>(held->receiver, std::move(held->event)));
            return true;
        }
        // Qt's own events to the windows (paint, resize, layout, focus) go through; what the
        // program set going itself does not.
        const bool ofTheProgram = type == QEvent::Timer || type == QEvent::DeferredDelete ||
                                  (type >= QEvent::User && type <= QEvent::MaxUser);
        if (!isLearnerInput(type) && !(ofTheProgram && ofTheWindows(receiver)))
            return false;
        // A timer that fires again while held is still owed only once.
        if (type == QEvent::Timer && std::any_of(m_held.begin(), m_held.end(), [&](const auto &h) {
                return h->receiver == receiver && h->event->type() == QEvent::Timer &&
                       static_cast<QTimerEvent *>(h->event.get())->timerId() ==
                           static_cast<QTimerEvent *>(event)->timerId();
            }))
            return true;
        m_held.push_back(
            std::make_unique<HeldEvent>(receiver, std::unique_ptr<QEvent>(event->clone())));
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
};

} // namespace

void RevealWait(float pauseTime)
{
    Wait wait(DeadlineAfter(pauseTime));
    wait.run();
}
