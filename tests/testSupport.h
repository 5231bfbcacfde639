#pragma once

#include "app/modTranslations.h"
#include "model/modGlobalsConstants.h"
#include "model/modOperations.h"
#include "model/modRandom.h"
#include "model/modSleep.h"
#include "setup/frmSetup.h"
#include "widgets/modAppearance.h"
#include "widgets/modSettingsStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QMouseEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

// A headless run against a settings store of its own, so no test or fuzz target ever reads or
// writes the real user's window positions: a file in a temporary folder, and where the store is
// one the user's programs share (the registry), the run's own application name, removed at the end.
struct HeadlessRun {
    HeadlessRun(int &argc, char **argv) : application(argc, argv)
    {
        QApplication::setApplicationName(QStringLiteral("%1 test %2")
                                             .arg(QLatin1String(ApplicationName),
                                                  QString::number(QApplication::applicationPid())));
        QApplication::setOrganizationName(QString::fromLatin1(ApplicationName));
        LoadProgramFonts();
        LoadTranslations();
    }
    ~HeadlessRun() { OpenSettingsStore().clear(); }
    HeadlessRun(const HeadlessRun &) = delete;
    HeadlessRun &operator=(const HeadlessRun &) = delete;

    // Runs before the application exists, which reads the platform and the store's folder.
    static bool useTemporaryStore(const QTemporaryDir &folder)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        return folder.isValid();
    }

    QTemporaryDir store;
    const bool ready = useTemporaryStore(store);
    QApplication application;
};

#define TALLYWICK_TEST_MAIN(TestObject)                                                            \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        HeadlessRun run(argc, argv);                                                               \
        if (!run.ready)                                                                            \
            return 1;                                                                              \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

// The program's settings store, which every suite keeps apart from the user's.
inline QSettings store()
{
    return OpenSettingsStore();
}

// The control of a window with this object name. A missing one ends the run: every later check
// of it would be meaningless.
template <typename T = QWidget> T *control(const QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return found;
}

// What a label, text box or button of a window shows.
inline QString textOf(const QWidget *window, const QString &name)
{
    const QWidget *widget = control(window, name);
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    qFatal("%s shows no text", qPrintable(name));
}

// The Setup windows on screen: none, or the one that New Problem's neighbour opened.
inline QList<frmSetup *> openSetupWindows()
{
    QList<frmSetup *> found;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *setup = qobject_cast<frmSetup *>(window); setup && setup->isVisible())
            found << setup;
    }
    return found;
}

// Closes every window and waits until each is gone, so the next test starts from none.
inline void closeAllWindows()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

// A click given while the thread is held, as during the reveal wait: queued, and handled in order
// when the event loop next runs.
inline void postClick(QWidget *target)
{
    const QPointF centre = QRectF(target->rect()).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(
            target, new QMouseEvent(type, centre, target->mapToGlobal(centre), Qt::LeftButton,
                                    Qt::LeftButton, Qt::NoModifier));
}

// Stands in for the clock of the reveal wait while it lives: each pause is recorded, during runs
// where the real wait would hold the thread, and the wait returns at once.
struct TestSleep {
    TestSleep()
    {
        SetSleepHandler([this](float pause) {
            pauses << pause;
            if (during)
                during();
        });
    }
    ~TestSleep() { SetSleepHandler({}); }
    TestSleep(const TestSleep &) = delete;
    TestSleep &operator=(const TestSleep &) = delete;

    QList<float> pauses;
    std::function<void()> during;
};

// The terms random_number can give for two limits, read off its formula: low to high, or high + 1
// to low when high is below low.
struct TermRange {
    std::int64_t lo;
    std::int64_t hi;
    bool contains(std::int64_t term) const { return lo <= term && term <= hi; }
    std::int64_t size() const { return hi - lo + 1; }
};

inline TermRange drawnTerms(std::int32_t low, std::int32_t high)
{
    if (low <= high)
        return {low, high};
    return {std::int64_t(high) + 1, low};
}

// Whether some step of r gives this term for these limits: the steps near the one the value's
// place in the range suggests are tried, as double rounding moves a value by a step at most.
inline bool onLattice(std::int32_t low, std::int32_t high, std::int64_t term)
{
    const double n = double(high) - double(low) + 1.0;
    const double guess = n == 0 ? 0 : std::floor(double(term - low) / n * double(RandomSteps()));
    for (std::int64_t step = std::max<std::int64_t>(std::int64_t(guess) - 2, 0);
         step <= std::int64_t(guess) + 2; ++step) {
        if (step < RandomSteps() && TermForFraction(low, high, StepFraction(step)) == double(term))
            return true;
    }
    return false;
}

// Includes this operation and no other.
inline void includeOnly(std::int32_t code)
{
    for (const Operation &operation : Operations)
        *operation.included = operation.code == code;
}

// Sets an operation's result-kind flags from the bits of mask, bit 0 for its first kind in the
// table (positive, zero, negative; for division positive, negative, whole, fraction).
inline void setResultKinds(std::int32_t code, unsigned mask)
{
    const Operation *operation = FindOperation(code);
    for (std::size_t i = 0; i < operation->kinds.size(); ++i)
        *operation->kinds[i].allowed = (mask >> i & 1) != 0;
}

// Includes this operation alone, allowing the kinds of result in mask.
inline void includeOnly(std::int32_t code, unsigned kindMask)
{
    includeOnly(code);
    setResultKinds(code, kindMask);
}

// How many result-kind flags an operation has, so its masks run below 1 << count.
inline int resultKindCount(std::int32_t code)
{
    return int(FindOperation(code)->kinds.size());
}

// Includes every operation and allows each every kind of result.
inline void includeEverything()
{
    for (const Operation &operation : Operations) {
        *operation.included = true;
        setResultKinds(operation.code, ~0u);
    }
}
