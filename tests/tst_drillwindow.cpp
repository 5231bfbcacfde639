#include "testSupport.h"

#include "app/modSubMain.h"
#include "drill/frmMain.h"
#include "model/modProblemGenerator.h"
#include "model/modTwips.h"
#include "widgets/modMessageBox.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QWindow>

#include <limits>
#include <optional>

class tst_DrillWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsWithDefaultsAndNoProblem();
    void newProblemShowsTheProblemAndResult();
    void hiddenAnswerLeavesResultEmpty();
    void resultShowsTheExactAnswer_data();
    void resultShowsTheExactAnswer();
    void waitHoldsEventsUntilResultShows();
    void realSleepWaitsOnlyForPositivePauses();
    void inputDuringRealWaitRunsAfterItInOrder();
    void quitDuringRealWaitEndsItAtOnce_data();
    void quitDuringRealWaitEndsItAtOnce();
    void nothingFitsShowsMessageAndNoProblem();
    void noOperationShowsCaseElseMessage();
    void setupPressedTwiceGivesOneWindow();
    void setupClosedThenPressedInOneGoIsLoadedAfresh();
    void quitLeavesSetupUsable();

private:
    QPointer<frmMain> m_window;
    QStringList m_messages;
    std::optional<TestSleep> m_sleep;
};

void tst_DrillWindow::init()
{
    m_messages.clear();
    SetMessageHandler([this](const QString &text) { m_messages << text; });
    m_sleep.emplace();
    m_window = Main();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void tst_DrillWindow::cleanup()
{
    SetMessageHandler({});
    m_sleep.reset();
    closeAllWindows();
}

void tst_DrillWindow::startsWithDefaultsAndNoProblem()
{
    // Main() puts every default back, whatever an earlier run changed.
    m_window->close();
    glTerm1Low = -5;
    gbAdd = false;
    gbDivFraction = true;
    gbShowAnswer = false;
    gsngWaitSeconds = 3.0f;
    m_window = Main();

    QCOMPARE(glTerm1Low, 1);
    QCOMPARE(glTerm2Low, 1);
    QCOMPARE(glTerm1High, 10);
    QCOMPARE(glTerm2High, 10);
    QVERIFY(gbAdd && gbAddPos && gbShowAnswer);
    QVERIFY(!gbAddZero && !gbAddNeg && !gbSub && !gbMult && !gbDiv && !gbDivFraction);
    QCOMPARE(gsngWaitSeconds, 1.0f);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Tallywick"));

    for (const char *name : {"lblTerm1", "lblTerm2", "lblResult", "lblOperator"})
        QCOMPARE(textOf(m_window, name), QString());
    QCOMPARE(control<QPushButton>(m_window, "cmdNewProblem")->text(),
             QStringLiteral("New Problem"));
    QCOMPARE(control<QPushButton>(m_window, "cmdSetup")->text(), QStringLiteral("Setup"));
    QCOMPARE(control<QPushButton>(m_window, "cmdQuit")->text(), QStringLiteral("Quit"));
}

void tst_DrillWindow::newProblemShowsTheProblemAndResult()
{
    for (int i = 0; i < 20; ++i) {
        QTest::mouseClick(control<QPushButton>(m_window, "cmdNewProblem"), Qt::LeftButton);
        QCOMPARE(textOf(m_window, "lblTerm1"), QString::number(glTerm1));
        QCOMPARE(textOf(m_window, "lblTerm2"), QString::number(glTerm2));
        QCOMPARE(textOf(m_window, "lblOperator"), QStringLiteral("+"));
        QCOMPARE(textOf(m_window, "lblResult"), QString::number(glTerm1 + glTerm2));
    }

    // The settings are read afresh at every press.
    includeOnly(OperationMultiply);
    gbMultPos = true;
    QTest::mouseClick(control<QPushButton>(m_window, "cmdNewProblem"), Qt::LeftButton);
    QCOMPARE(textOf(m_window, "lblOperator"), QStringLiteral("x"));
    QCOMPARE(textOf(m_window, "lblResult"), QString::number(glTerm1 * glTerm2));
}

void tst_DrillWindow::hiddenAnswerLeavesResultEmpty()
{
    gbShowAnswer = false;
    QTest::mouseClick(control<QPushButton>(m_window, "cmdNewProblem"), Qt::LeftButton);
    QVERIFY(m_sleep->pauses.isEmpty());
    QVERIFY(glResult >= 2);
    QVERIFY(!textOf(m_window, "lblTerm1").isEmpty());
    QCOMPARE(textOf(m_window, "lblResult"), QString());
}

void tst_DrillWindow::resultShowsTheExactAnswer_data()
{
    QTest::addColumn<std::int32_t>("operation");
    QTest::addColumn<std::int32_t>("top");
    QTest::addColumn<std::int32_t>("bottom");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("words");
    auto row = [](const char *name, std::int32_t operation, std::int32_t top, std::int32_t bottom,
                  const char *text, const char *words) {
        QTest::newRow(name) << operation << top << bottom << QString(text) << QString(words);
    };
    const std::int32_t min = std::numeric_limits<std::int32_t>::min();
    row("3 - 7", OperationSubtract, 3, 7, "-4", "-4");
    row("8 / 2", OperationDivide, 8, 2, "4", "4");
    row("7 / 2", OperationDivide, 7, 2, "3 1/2", "3 and one half");
    row("-7 / 2", OperationDivide, -7, 2, "-3 1/2", "minus 3 and one half");
    row("1 / 3", OperationDivide, 1, 3, "1/3", "one third");
    row("1 / -3", OperationDivide, 1, -3, "-1/3", "minus one third");
    row("8 / 6", OperationDivide, 8, 6, "1 1/3", "1 and one third");
    row("-9 / -12", OperationDivide, -9, -12, "3/4", "3 quarters");
    row("100 / 17", OperationDivide, 100, 17, "5 15/17", "5 and 15 over 17");
    row("min / 7", OperationDivide, min, 7, "-306783378 2/7", "minus 306783378 and 2 sevenths");
    row("max / min", OperationDivide, -(min + 1), min, "-2147483647/2147483648",
        "minus 2147483647 over 2147483648");
}

void tst_DrillWindow::resultShowsTheExactAnswer()
{
    QFETCH(std::int32_t, operation);
    QFETCH(std::int32_t, top);
    QFETCH(std::int32_t, bottom);
    QFETCH(QString, text);
    QFETCH(QString, words);
    includeOnly(operation, ~0u);
    glTerm1Low = glTerm1High = top;
    glTerm2Low = glTerm2High = bottom;
    QTest::mouseClick(control<QPushButton>(m_window, "cmdNewProblem"), Qt::LeftButton);
    auto *result = control<QLabel>(m_window, "lblResult");
    QCOMPARE(result->text(), text);
    QCOMPARE(result->accessibleName(), "Result: " + words);
    QCOMPARE(result->pos(), QPoint(twips(2000), twips(3600)));
    if (!text.contains('/'))
        return;

    // Drawn as on paper, right of the whole part: the numerator over a bar over the denominator,
    // each about half as high as the whole part's digits. A row with two dark pixels or more has
    // ink, as a long answer crosses the panel's outline.
    const QImage image = m_window->grab(result->geometry()).toImage();
    const QString whole = text.left(qMax(text.indexOf(' '), text.startsWith('-') ? 1 : 0));
    QString rows;
    for (int y = 0; y < image.height(); ++y) {
        int dark = 0;
        for (int x = result->fontMetrics().horizontalAdvance(whole); x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 64;
        rows += dark > 1 ? '#' : ' ';
    }
    const QStringList inkRuns = rows.simplified().split(' ');
    QCOMPARE(inkRuns.size(), 3);
    for (const int run : {0, 2})
        QVERIFY2(qAbs(2.0 * inkRuns[run].size() / result->fontMetrics().capHeight() - 1) < 0.2,
                 qPrintable(rows));
    QVERIFY(inkRuns[1].size() <= 3);
}

void tst_DrillWindow::waitHoldsEventsUntilResultShows()
{
    gsngWaitSeconds = 2.5f;
    QString resultWhenEventRan = QStringLiteral("<not run>");
    // Queued before the press: if the press handled events, this would run while the result is
    // still empty.
    QMetaObject::invokeMethod(
        this, [&] { resultWhenEventRan = textOf(m_window, "lblResult"); }, Qt::QueuedConnection);
    QStringList shownDuringWait;
    m_sleep->during = [&] {
        for (const char *name : {"lblTerm1", "lblOperator", "lblTerm2", "lblResult"})
            shownDuringWait << textOf(m_window, name);
    };

    QTest::mouseClick(control<QPushButton>(m_window, "cmdNewProblem"), Qt::LeftButton);
    QCOMPARE(m_sleep->pauses, QList<float>{2.5f});
    QCOMPARE(shownDuringWait, (QStringList{QString::number(glTerm1), QStringLiteral("+"),
                                           QString::number(glTerm2), QString()}));
    QCOMPARE(resultWhenEventRan, QStringLiteral("<not run>"));
    QCOMPARE(textOf(m_window, "lblResult"), QString::number(glResult));

    QCoreApplication::processEvents();
    QCOMPARE(resultWhenEventRan, QString::number(glResult));
}

void tst_DrillWindow::realSleepWaitsOnlyForPositivePauses()
{
    m_sleep.reset(); // the real clock
    postClick(control<QPushButton>(m_window, "cmdSetup"));
    QElapsedTimer clock;
    clock.start();
    frmMain::Sleep(0.25f);
    QVERIFY(clock.nsecsElapsed() >= 250'000'000);
    QVERIFY(openSetupWindows().isEmpty()); // held until the wait is over
    QCoreApplication::processEvents();
    QCOMPARE(openSetupWindows().size(), 1);

    // No pause at all: these must not hang.
    clock.restart();
    frmMain::Sleep(0.0f);
    frmMain::Sleep(1e-9f); // over before the wait has begun
    frmMain::Sleep(-3.0f);
    frmMain::Sleep(std::numeric_limits<float>::quiet_NaN());
    QVERIFY(clock.elapsed() < 1000);
}

// Logs key presses and mouse presses as their control takes them and closes as their window does,
// each with the result shown at that moment.
struct InputLog : QObject {
    explicit InputLog(const QLabel *result) : result(result) { qApp->installEventFilter(this); }
    bool eventFilter(QObject *to, QEvent *event) override
    {
        const auto kind =
            QList{QEvent::KeyPress, QEvent::MouseButtonPress, QEvent::Close}.indexOf(event->type());
        if (kind >= 0 && to->isWidgetType() &&
            static_cast<QWidget *>(to)->isWindow() == (kind == 2))
            entries << QStringList{"key ", "click ", "close "}[kind] + to->objectName() + ' ' +
                           result->text();
        return false;
    }
    const QLabel *result;
    QStringList entries;
};

void tst_DrillWindow::inputDuringRealWaitRunsAfterItInOrder()
{
    QTest::mouseClick(control<QPushButton>(m_window, "cmdSetup"), Qt::LeftButton);
    QPointer<frmSetup> setup = openSetupWindows().first();
    m_sleep.reset(); // the real wait
    gsngWaitSeconds = 0.3f;
    QString resultWhenGiven = QStringLiteral("<not given>");
    // 0.1 s into the wait, queued as the platform queues them: a click, Space on a box, the title
    // bar's close; and a call queued to a control. The test's own timer is not held.
    QString resultWhenCalled = QStringLiteral("<not called>");
    QTimer::singleShot(100, this, [&] {
        resultWhenGiven = textOf(m_window, "lblResult");
        QTimer::singleShot(0, control(setup, "txtTerm1Low"),
                           [&] { resultWhenCalled = textOf(m_window, "lblResult"); });
        postClick(control(setup, "chkAddZero"));
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
            QCoreApplication::postEvent(control(setup, "chkSub"),
                                        new QKeyEvent(type, Qt::Key_Space, {}, " "));
        QCoreApplication::postEvent(setup->windowHandle(), new QCloseEvent);
    });
    InputLog log(control<QLabel>(m_window, "lblResult"));
    QTest::mouseClick(control<QPushButton>(m_window, "cmdNewProblem"), Qt::LeftButton);
    QCOMPARE(resultWhenGiven, QString());
    QTRY_VERIFY(setup.isNull());
    const QString result = QString::number(glResult);
    QCOMPARE(log.entries, (QStringList{"click cmdNewProblem ", "click chkAddZero " + result,
                                       "key chkSub " + result, "close frmSetup " + result}));
    QCOMPARE(resultWhenCalled, result);
    QVERIFY(gbSub && gbAddZero);
}

void tst_DrillWindow::quitDuringRealWaitEndsItAtOnce_data()
{
    QTest::addColumn<bool>("closeAll");
    QTest::newRow("quit event") << false; // a logout, a shutdown, quit()
    QTest::newRow("closeAllWindows") << true;
}

void tst_DrillWindow::quitDuringRealWaitEndsItAtOnce()
{
    QFETCH(bool, closeAll);
    QTest::mouseClick(control<QPushButton>(m_window, "cmdSetup"), Qt::LeftButton);
    QPointer<frmSetup> setup = openSetupWindows().first();
    store().clear();
    m_sleep.reset(); // the real wait
    gsngWaitSeconds = 1.0f;
    QTimer::singleShot(300, this, [closeAll] {
        if (closeAll)
            QApplication::closeAllWindows();
        else
            QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit));
    });
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(control<QPushButton>(m_window, "cmdNewProblem"), Qt::LeftButton);
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!m_window || !m_window->isVisible());
    QVERIFY(!setup || !setup->isVisible());
    for (const char *window : {"frmMain", "frmSetup"})
        QVERIFY2(store().childGroups().contains(window), window); // both positions saved
    // The quit leaves every event loop to come ending at once, until the application's own loop
    // has run: run it, for the tests after this one.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCOMPARE(QApplication::exec(), 0);
}

void tst_DrillWindow::nothingFitsShowsMessageAndNoProblem()
{
    QTest::mouseClick(control<QPushButton>(m_window, "cmdNewProblem"), Qt::LeftButton);
    QCOMPARE(textOf(m_window, "lblOperator"), QStringLiteral("+"));

    // Negative sums only, from positive terms: nothing can fit.
    gbAddPos = false;
    gbAddNeg = true;
    QTest::mouseClick(control<QPushButton>(m_window, "cmdNewProblem"), Qt::LeftButton);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().startsWith(QStringLiteral("No problem fits the current settings.")));
    for (const char *name : {"lblTerm1", "lblTerm2", "lblResult", "lblOperator"})
        QCOMPARE(textOf(m_window, name), QString());
}

void tst_DrillWindow::noOperationShowsCaseElseMessage()
{
    gbAdd = false;
    QTest::mouseClick(control<QPushButton>(m_window, "cmdNewProblem"), Qt::LeftButton);
    QCOMPARE(m_messages, QStringList{QStringLiteral("CASE ELSE in GenerateProblem")});
    QCOMPARE(glOperator, 0);
    QCOMPARE(textOf(m_window, "lblOperator"), QString());
}

void tst_DrillWindow::setupPressedTwiceGivesOneWindow()
{
    QTest::mouseClick(control<QPushButton>(m_window, "cmdSetup"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(m_window, "cmdSetup"), Qt::LeftButton);
    QCOMPARE(openSetupWindows().size(), 1);
    QPointer<frmSetup> first = openSetupWindows().first();
    QVERIFY(first->parentWidget() == nullptr);

    // Closed, it goes away; the next press builds a new one.
    first->close();
    QTRY_VERIFY(first.isNull());
    QTest::mouseClick(control<QPushButton>(m_window, "cmdSetup"), Qt::LeftButton);
    QCOMPARE(openSetupWindows().size(), 1);
}

void tst_DrillWindow::setupClosedThenPressedInOneGoIsLoadedAfresh()
{
    QTest::mouseClick(control<QPushButton>(m_window, "cmdSetup"), Qt::LeftButton);
    QPointer<frmSetup> first = openSetupWindows().first();
    glTerm1Low = -7; // a change the open window does not show

    // Both clicks wait in the queue behind a reveal wait and are then handled one after the
    // other, before the closed window's deletion has come round.
    gsngWaitSeconds = 0.1f;
    postClick(control<QPushButton>(first, "cmdClose"));
    postClick(control<QPushButton>(m_window, "cmdSetup"));
    QTest::mouseClick(control<QPushButton>(m_window, "cmdNewProblem"), Qt::LeftButton);
    QCoreApplication::processEvents();
    QTRY_VERIFY(first.isNull());

    QCOMPARE(openSetupWindows().size(), 1);
    QVERIFY(openSetupWindows().first()->isVisible());
    QCOMPARE(textOf(openSetupWindows().first(), "txtTerm1Low"), QStringLiteral("-7"));
}

void tst_DrillWindow::quitLeavesSetupUsable()
{
    // Runs the real event loop: it must go on after Quit while Setup is open, and end when Setup
    // closes too.
    QTest::mouseClick(control<QPushButton>(m_window, "cmdSetup"), Qt::LeftButton);
    QPointer<frmSetup> setup = openSetupWindows().first();
    bool setupOutlivedQuit = false;

    QTimer::singleShot(0, this, [&] {
        QTest::mouseClick(control<QPushButton>(m_window, "cmdQuit"), Qt::LeftButton);
    });
    QTimer::singleShot(100, this, [&] {
        setupOutlivedQuit = m_window.isNull() && setup && setup->isVisible();
        if (setup)
            QTest::mouseClick(control<QPushButton>(setup, "cmdClose"), Qt::LeftButton);
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);

    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(setupOutlivedQuit);
    QVERIFY(setup.isNull());
}

TALLYWICK_TEST_MAIN(tst_DrillWindow)
#include "tst_drillwindow.moc"
