// Thousands of random user actions on the real windows, with every promise of both windows checked
// after each one. TALLYWICK_MODEL_SEED and TALLYWICK_MODEL_ACTIONS choose the run; a failure
// prints both and the actions that led to it, so the same command replays it.
#include "testSupport.h"

#include "app/modSubMain.h"
#include "drill/frmMain.h"
#include "drill/modRevealWait.h"
#include "model/modAcceptablePairs.h"
#include "model/modMixedNumber.h"
#include "model/modProblemGenerator.h"
#include "model/modRandom.h"
#include "model/modResults.h"
#include "model/modSetupText.h"
#include "widgets/modMessageBox.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScrollBar>

#include <cmath>

namespace
{

// The result-kind groups a rule keeps from emptying: each aspect of each operation's kinds, so
// division's sign and form apart.
QList<QList<bool *>> resultKindGroups()
{
    QList<QList<bool *>> groups;
    for (const Operation &operation : Operations) {
        for (const ResultAspect aspect : ResultAspects) {
            QList<bool *> group;
            for (const ResultKindFlag &kind : operation.kinds) {
                if (AspectOf(kind.kind) == aspect)
                    group << kind.allowed;
            }
            if (!group.isEmpty())
                groups << group;
        }
    }
    return groups;
}

bool anySet(const QList<bool *> &group)
{
    return std::any_of(group.begin(), group.end(), [](const bool *flag) { return *flag; });
}

// Text a learner might type: digits, signs, blanks, separators, exponents, letters, non-ASCII.
QString randomText(QRandomGenerator &random)
{
    static const QString pieces[] = {
        "0",          "1",          "7",           "9",      "-",      "+",      " ",   ".",
        ",",          "e",          "E",           "5",      "x",      "a",      "inf", "nan",
        "2147483647", "2147483648", "-2147483648", "\u00e9", "\u0663", "\u4e00", "\t",  "1e9"};
    if (random.bounded(50) == 0)
        return QString(200 + random.bounded(200), QLatin1Char('9')); // long digit strings
    QString text;
    for (int i = random.bounded(8); i >= 0; --i)
        text += pieces[random.bounded(int(std::size(pieces)))];
    return text;
}

} // namespace

class tst_ModelWindows : public QObject
{
    Q_OBJECT

private slots:
    void randomActionsKeepEveryPromise();

private:
    frmSetup *setup() const
    {
        const QList<frmSetup *> open = openSetupWindows();
        return open.isEmpty() ? nullptr : open.first();
    }
    void act();
    QString brokenPromise();

    QRandomGenerator m_random;
    QPointer<frmMain> m_main;
    QStringList m_log;
    QStringList m_messages;
    QList<bool> m_groupHadOne;
    bool m_pressed = false;  // New Problem was the last action
    bool m_reopened = false; // Setup was closed and pressed again during a wait
};

void tst_ModelWindows::randomActionsKeepEveryPromise()
{
    const quint32 seed = qEnvironmentVariableIsSet("TALLYWICK_MODEL_SEED")
                             ? quint32(qEnvironmentVariableIntValue("TALLYWICK_MODEL_SEED"))
                             : 20261208u;
    const int actions = qEnvironmentVariableIsSet("TALLYWICK_MODEL_ACTIONS")
                            ? qEnvironmentVariableIntValue("TALLYWICK_MODEL_ACTIONS")
                            : 20000;
    m_random.seed(seed);
    SeedRandomGenerator(seed, false);
    SetMessageHandler([this](const QString &text) { m_messages << text; });
    TestSleep sleep;
    m_main = Main();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    for (const QList<bool *> &group : resultKindGroups())
        m_groupHadOne << anySet(group);

    for (int i = 0; i < actions; ++i) {
        m_messages.clear();
        m_pressed = m_reopened = false;
        sleep.during = {};
        if (m_random.bounded(200) == 0 && setup() && gbShowAnswer) {
            // Close Setup and press Setup during a real reveal wait.
            m_log << QStringLiteral("close and reopen Setup during a wait");
            sleep.during = [this] {
                postClick(control<QPushButton>(setup(), "cmdClose"));
                postClick(control<QPushButton>(m_main, "cmdSetup"));
                RevealWait(0.01f);
            };
            QTest::mouseClick(control<QPushButton>(m_main, "cmdNewProblem"), Qt::LeftButton);
            m_pressed = m_reopened = true;
        } else {
            act();
        }
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QString broken = brokenPromise();
        if (!broken.isEmpty()) {
            qWarning("seed %u, action %d of %d: %s\nlast actions:\n  %s", seed, i + 1, actions,
                     qPrintable(broken), qPrintable(m_log.mid(m_log.size() - 60).join("\n  ")));
            QFAIL("a promise broke; rerun with TALLYWICK_MODEL_SEED and TALLYWICK_MODEL_ACTIONS");
        }
    }
    qInfo("%d actions from seed %u kept every promise", actions, seed);
    SetMessageHandler({});
    closeAllWindows();
}

void tst_ModelWindows::act()
{
    frmSetup *window = setup();
    if (!window || m_random.bounded(20) == 0) {
        const bool newProblem = window && m_random.bounded(2);
        m_log << (newProblem ? QStringLiteral("New Problem") : QStringLiteral("press Setup"));
        QApplication::setActiveWindow(m_main);
        QTest::mouseClick(control<QPushButton>(m_main, newProblem ? "cmdNewProblem" : "cmdSetup"),
                          Qt::LeftButton);
        m_pressed = newProblem;
        return;
    }
    QApplication::setActiveWindow(window);
    const QList<QCheckBox *> boxes = window->findChildren<QCheckBox *>();
    const QList<QRadioButton *> options = window->findChildren<QRadioButton *>();
    static const char *termBoxes[] = {"txtTerm1Low", "txtTerm1High", "txtTerm2Low", "txtTerm2High"};
    auto *scroll = control<QScrollBar>(window, "scrWaitPercent");

    // Closing and building the window cost the most, so they come seldom enough for thousands of
    // actions to run in seconds, and often enough for hundreds of openings.
    static const int weights[] = {20, 15, 15, 22, 10, 8, 2, 8}; // per case below, out of 100
    int pick = m_random.bounded(100), action = 0;
    while (pick >= weights[action])
        pick -= weights[action++];
    switch (action) {
    case 0: {
        QCheckBox *box = boxes[m_random.bounded(int(boxes.size()))];
        m_log << "click " + box->objectName();
        QTest::mouseClick(box, Qt::LeftButton);
        break;
    }
    case 1: {
        QAbstractButton *button = m_random.bounded(4) == 0
                                      ? static_cast<QAbstractButton *>(options[m_random.bounded(2)])
                                      : boxes[m_random.bounded(int(boxes.size()))];
        m_log << "Space on " + button->objectName();
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Space);
        break;
    }
    case 2: {
        const bool back = m_random.bounded(2);
        m_log << (back ? QStringLiteral("Shift+Tab") : QStringLiteral("Tab"));
        QWidget *focus = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(focus, Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
        break;
    }
    case 3: {
        auto *box = control<QLineEdit>(window, termBoxes[m_random.bounded(4)]);
        const QString text = randomText(m_random);
        const int chance = m_random.bounded(20), leave = chance < 12 ? 0 : chance < 19 ? 1 : 2;
        m_log << QStringLiteral("type \"%1\" into %2, leave by %3")
                     .arg(text, box->objectName(), QStringList{"Tab", "S W A P", "Close"}[leave]);
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box, &press);
        }
        if (leave == 0)
            QTest::keyClick(box, Qt::Key_Tab);
        else
            QTest::mouseClick(control<QPushButton>(window, leave == 1 ? "cmdFlip" : "cmdClose"),
                              Qt::LeftButton);
        break;
    }
    case 4: {
        static const QAbstractSlider::SliderAction steps[] = {
            QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
            QAbstractSlider::SliderPageStepAdd, QAbstractSlider::SliderPageStepSub,
            QAbstractSlider::SliderToMinimum};
        const int step = m_random.bounded(int(std::size(steps)));
        m_log << QStringLiteral("scroll-bar step %1").arg(step);
        scroll->triggerAction(steps[step]);
        break;
    }
    case 5: {
        m_log << QStringLiteral("drag the scroll-bar thumb");
        scroll->setSliderDown(true);
        for (int i = m_random.bounded(5); i >= 0; --i)
            scroll->setSliderPosition(m_random.bounded(101));
        scroll->setSliderDown(false);
        break;
    }
    case 6:
        m_log << QStringLiteral("Close");
        QTest::mouseClick(control<QPushButton>(window, "cmdClose"), Qt::LeftButton);
        break;
    case 7:
        m_log << QStringLiteral("New Problem, wait 0");
        scroll->triggerAction(QAbstractSlider::SliderToMinimum);
        QApplication::setActiveWindow(m_main);
        QTest::mouseClick(control<QPushButton>(m_main, "cmdNewProblem"), Qt::LeftButton);
        m_pressed = true;
        break;
    }
}

QString tst_ModelWindows::brokenPromise()
{
    if (!(gbAdd || gbSub || gbMult || gbDiv))
        return QStringLiteral("no operation is included");
    const QList<QList<bool *>> groups = resultKindGroups();
    for (qsizetype g = 0; g < groups.size(); ++g) {
        if (m_groupHadOne[g] && !anySet(groups[g]))
            return QStringLiteral("result-kind group %1 lost its last kind").arg(g);
        m_groupHadOne[g] = anySet(groups[g]);
    }
    const double tenths = double(gsngWaitSeconds) * 10.0;
    if (tenths < 0 || tenths > 100 || std::fabs(tenths - std::nearbyint(tenths)) > 1e-4)
        return QStringLiteral("wait %1 is no whole number of tenths from 0 to 10")
            .arg(double(gsngWaitSeconds));

    if (openSetupWindows().size() > 1 || (m_reopened && !setup()))
        return QStringLiteral("%1 Setup windows are open").arg(openSetupWindows().size());
    if (frmSetup *window = setup()) {
        for (const Operation &operation : Operations) {
            const QString name = QStringLiteral("chk") + QLatin1String(operation.name);
            auto *box = control<QCheckBox>(window, name);
            if (box->isChecked() != *operation.included)
                return name + QStringLiteral(" disagrees with its setting");
            // "Include" as created, "Included" once its rule has run, empty when excluded.
            const QStringList included = {QCoreApplication::translate("frmSetup", "Include"),
                                          QCoreApplication::translate("frmSetup", "Included")};
            const bool captionFits =
                *operation.included ? included.contains(box->text()) : box->text().isEmpty();
            if (!captionFits)
                return name + QStringLiteral(" has the caption \"") + box->text() + '"';
            for (const ResultKindFlag &kind : operation.kinds) {
                auto *kindBox = control<QCheckBox>(window, name + ResultKindName(kind.kind));
                if (kindBox->isChecked() != *kind.allowed)
                    return kindBox->objectName() + QStringLiteral(" disagrees with its setting");
                if (kindBox->isEnabled() != *operation.included)
                    return kindBox->objectName() + QStringLiteral(" is wrongly enabled or not");
            }
        }
        const std::pair<const char *, std::int32_t> limits[] = {{"txtTerm1Low", glTerm1Low},
                                                                {"txtTerm1High", glTerm1High},
                                                                {"txtTerm2Low", glTerm2Low},
                                                                {"txtTerm2High", glTerm2High}};
        for (const auto &[name, setting] : limits) {
            const auto *box = control<QLineEdit>(window, name);
            if (box != window->focusWidget() && TermLimitFromText(box->text()) != setting)
                return QStringLiteral("%1 shows \"%2\", its limit is %3")
                    .arg(name, box->text())
                    .arg(setting);
        }
        if (textOf(window, "txtWaitSeconds") != WaitSecondsText(gsngWaitSeconds) ||
            (textOf(window, "lblSeconds") == QCoreApplication::translate("frmSetup", "Second")) !=
                (gsngWaitSeconds == 1.0f))
            return QStringLiteral("the wait shows \"%1 %2\"")
                .arg(textOf(window, "txtWaitSeconds"), textOf(window, "lblSeconds"));
        if (control<QRadioButton>(window, "optShowAnswer_Yes")->isChecked() != gbShowAnswer)
            return QStringLiteral("the option buttons disagree with the setting");
    }

    if (!m_pressed)
        return QString();
    const QString shown = textOf(m_main, "lblTerm1") + textOf(m_main, "lblOperator") +
                          textOf(m_main, "lblTerm2") + '=' + textOf(m_main, "lblResult");
    if (!m_messages.isEmpty()) {
        for (const Operation &operation : Operations) {
            if (*operation.included && AcceptablePairExists(operation.code))
                return QStringLiteral("nothing fits, it said, but %1 does").arg(operation.name);
        }
        return shown == QStringLiteral("=") ? QString()
                                            : QStringLiteral("nothing fits, yet shown ") + shown;
    }
    const Operation *operation = FindOperation(glOperator);
    const std::optional<std::int32_t> result = ComputeResult(glOperator, glTerm1, glTerm2);
    // Drawn by its rounded quotient, a division shows its exact one.
    const std::optional<MixedNumber> exact =
        glOperator == OperationDivide ? FractionalQuotient(glTerm1, glTerm2) : std::nullopt;
    const QString expected = QStringLiteral("%1%2%3=%4")
                                 .arg(glTerm1)
                                 .arg(operation ? QLatin1String(operation->sign) : QLatin1String())
                                 .arg(glTerm2)
                                 .arg(!gbShowAnswer ? QString()
                                      : exact       ? MixedNumberText(*exact)
                                                    : QString::number(glResult));
    if (!operation || !*operation->included || result != glResult ||
        !ResultAllowed(glOperator, glTerm1, glTerm2, glResult) ||
        !drawnTerms(glTerm1Low, glTerm1High).contains(glTerm1) ||
        !drawnTerms(glTerm2Low, glTerm2High).contains(glTerm2) || shown != expected)
        return QStringLiteral("drew %1, which the settings do not allow, shown as %2")
            .arg(expected, shown);
    return QString();
}

TALLYWICK_TEST_MAIN(tst_ModelWindows)
#include "tst_modelwindows.moc"
