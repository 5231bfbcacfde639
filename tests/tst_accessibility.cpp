#include "app/modSubMain.h"
#include "drill/frmMain.h"
#include "model/modMixedNumber.h"
#include "setup/frmSetup.h"

#include "testSupport.h"

#include <QAccessible>
#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <algorithm>
#include <cmath>

namespace
{

// The accessibility tree below a window, depth first: what a screen reader walks through.
QList<QAccessibleInterface *> tree(QWidget *window)
{
    QList<QAccessibleInterface *> found;
    std::function<void(QAccessibleInterface *)> visit = [&](QAccessibleInterface *node) {
        for (int i = 0; i < node->childCount(); ++i) {
            if (QAccessibleInterface *child = node->child(i)) {
                found << child;
                visit(child);
            }
        }
    };
    visit(QAccessible::queryAccessibleInterface(window));
    return found;
}

QString nameOf(QAccessibleInterface *node)
{
    return node->object() ? node->object()->objectName() : QString();
}

// WCAG's contrast ratio of two colours.
double contrast(const QColor &a, const QColor &b)
{
    auto luminance = [](const QColor &c) {
        auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What the drill window says for each operator sign, in the language the test runs in.
QString operatorWord(std::int32_t code)
{
    return QCoreApplication::translate("frmMain", FindOperation(code)->word);
}

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyStopIsNamedOnce_data();
    void everyStopIsNamedOnce();
    void problemReadsInOrderAndIsAnnounced_data();
    void problemReadsInOrderAndIsAnnounced();
    void waitIsSpokenInSeconds();
    void disabledCaptionsAreLegible();
    void optionGroupIsEnteredAtItsSelection_data();
    void optionGroupIsEnteredAtItsSelection();

private:
    frmSetup *openSetup();
    void pressNewProblem();

    QPointer<frmMain> m_drill;
};

void tst_Accessibility::init()
{
    m_drill = Main();
    m_drill->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_drill));
}

void tst_Accessibility::cleanup()
{
    QAccessible::installUpdateHandler(nullptr);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    closeAllWindows();
}

frmSetup *tst_Accessibility::openSetup()
{
    QTest::mouseClick(control(m_drill, QStringLiteral("cmdSetup")), Qt::LeftButton);
    frmSetup *setup = openSetupWindows().value(0);
    if (!setup || !QTest::qWaitForWindowActive(setup))
        qFatal("Setup did not open");
    return setup;
}

void tst_Accessibility::pressNewProblem()
{
    QTest::mouseClick(control(m_drill, QStringLiteral("cmdNewProblem")), Qt::LeftButton);
}

void tst_Accessibility::everyStopIsNamedOnce_data()
{
    QTest::addColumn<bool>("setup");
    QTest::addColumn<bool>("everything");
    QTest::newRow("drill window at start") << false << false;
    QTest::newRow("drill window with a problem") << false << true;
    QTest::newRow("Setup, only addition included") << true << false;
    QTest::newRow("Setup, everything included") << true << true;
}

void tst_Accessibility::everyStopIsNamedOnce()
{
    QFETCH(bool, setup);
    QFETCH(bool, everything);
    TestSleep sleep;
    if (everything)
        includeEverything();
    if (everything && !setup)
        pressNewProblem();
    QWidget *window = setup ? static_cast<QWidget *>(openSetup()) : m_drill.data();

    // No stop without a name, no name twice: an empty caption, a decoration or a second
    // "Positive" would leave the listener guessing.
    QHash<QString, QString> owners;
    QSet<QObject *> inTree;
    for (QAccessibleInterface *node : tree(window)) {
        const QString name = node->text(QAccessible::Name);
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(nameOf(node) + " has no name"));
        QVERIFY2(!owners.contains(name),
                 qPrintable(QStringLiteral("%1 and %2 are both \"%3\"")
                                .arg(owners.value(name), nameOf(node), name)));
        owners.insert(name, nameOf(node));
        inTree << node->object();
    }
    // Every control the keyboard can reach is in the tree, disabled ones included.
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control->focusPolicy() & Qt::TabFocus)
            QVERIFY2(inTree.contains(control), qPrintable(control->objectName()));
    }

    // Some of the spoken names, spot checked; an operation box keeps its name while its
    // caption is empty.
    const QList<std::pair<const char *, const char *>> spoken = {
        {"cmdNewProblem", "New Problem"},
        {"chkSub", "Include subtraction"},
        {"chkAddPos", "Addition: positive results"},
        {"chkDivWhole", "Division: whole results"},
        {"txtTerm1Low", "Top term, lower limit"},
        {"cmdFlip", "Swap the top and bottom term limits"},
    };
    for (const auto &[object, name] : spoken) {
        if (QWidget *control = window->findChild<QWidget *>(QString::fromLatin1(object)))
            QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name),
                     QCoreApplication::translate(setup ? "frmSetup" : "frmMain", name));
    }
}

void tst_Accessibility::problemReadsInOrderAndIsAnnounced_data()
{
    QTest::addColumn<std::int32_t>("operation");
    QTest::addColumn<bool>("reveal");
    for (const Operation &operation : Operations) {
        for (bool reveal : {true, false})
            QTest::addRow("%s, %s", operation.name, reveal ? "revealed" : "not revealed")
                << operation.code << reveal;
    }
}

void tst_Accessibility::problemReadsInOrderAndIsAnnounced()
{
    QFETCH(std::int32_t, operation);
    QFETCH(bool, reveal);
    includeOnly(operation);
    // Every kind of result, but only quotients with a remainder, whose answer is a fraction.
    setResultKinds(operation, operation == OperationDivide ? 0b1011u : ~0u);
    glTerm1Low = -20;
    gbShowAnswer = reveal;
    // Offscreen Qt has no screen reader to tell. Switched on as a reader would switch it on, it
    // hands each event to a handler, which records what the notification says at each event that
    // tells a reader to speak it.
    static QStringList spoken;
    spoken.clear();
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        QAccessibleInterface *node = event->accessibleInterface();
        if (event->type() == QAccessible::ObjectShow && node->role() == QAccessible::Notification)
            spoken << node->text(QAccessible::Name);
    });
    TestSleep sleep;
    QStringList duringTheWait;
    sleep.during = [&] { duringTheWait = spoken; };
    pressNewProblem();

    const QString problem =
        QStringLiteral("%1 %2 %3").arg(glTerm1).arg(operatorWord(operation)).arg(glTerm2);
    const std::optional<MixedNumber> exact =
        operation == OperationDivide ? FractionalQuotient(glTerm1, glTerm2) : std::nullopt;
    QVERIFY(exact.has_value() == (operation == OperationDivide));
    const QString answer = exact ? MixedNumberWords(*exact) : QString::number(glResult);
    const QString solved =
        QCoreApplication::translate("frmMain", "%1 equals %2").arg(problem, answer);
    QCOMPARE(duringTheWait, reveal ? QStringList{problem} : QStringList());
    QCOMPARE(spoken, reveal ? (QStringList{problem, solved}) : QStringList{problem});

    // Walked in order, the labels read top term, operator, bottom term, result; each name says
    // what the label is and ends with what it shows.
    const QStringList order = {"lblTerm1", "lblOperator", "lblTerm2", "lblResult"};
    const QStringList shown = {QString::number(glTerm1), operatorWord(operation),
                               QString::number(glTerm2), answer};
    QStringList read;
    for (QAccessibleInterface *node : tree(m_drill)) {
        const int index = int(order.indexOf(nameOf(node)));
        if (index < 0)
            continue;
        QCOMPARE(index, read.size());
        read << node->text(QAccessible::Name);
        if (index < 3 || reveal)
            QVERIFY2(read.last().endsWith(QLatin1Char(' ') + shown[index]),
                     qPrintable(read.last()));
        else
            QVERIFY2(!read.last().contains(shown[index]), qPrintable(read.last()));
    }
    QCOMPARE(read.size(), order.size());
}

void tst_Accessibility::waitIsSpokenInSeconds()
{
    frmSetup *setup = openSetup();
    auto *scroll = control<QScrollBar>(setup, QStringLiteral("scrWaitPercent"));
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(scroll);
    QAccessibleValueInterface *value = node->valueInterface();
    QVERIFY(value);
    QCOMPARE(value->maximumValue().toDouble(), 10.0);
    QCOMPARE(value->minimumStepSize().toDouble(), 0.1);

    // The value and its unit word follow every position, as the wait does.
    for (int position : {0, 1, 10, 15, 100}) {
        scroll->setValue(position);
        QCOMPARE(value->currentValue().toDouble(), position / 10.0);
        QCOMPARE(node->text(QAccessible::Description),
                 textOf(setup, QStringLiteral("lblSeconds")).toLower());
    }
    // A screen reader setting the value moves the wait too.
    value->setCurrentValue(2.5);
    QCOMPARE(gsngWaitSeconds, 2.5f);
}

void tst_Accessibility::disabledCaptionsAreLegible()
{
    // With the defaults every box of the three excluded operations is disabled.
    frmSetup *setup = openSetup();
    int checked = 0;
    for (QCheckBox *box : setup->findChildren<QCheckBox *>()) {
        if (box->isEnabled())
            continue;
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const QRect caption =
            box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        const QImage picture = box->grab().toImage();
        QColor darkest = Qt::white;
        for (int y = caption.top(); y <= caption.bottom(); ++y) {
            for (int x = caption.left(); x <= caption.right(); ++x) {
                const QColor pixel = picture.pixelColor(x * picture.width() / box->width(),
                                                        y * picture.height() / box->height());
                if (pixel.lightness() < darkest.lightness())
                    darkest = pixel;
            }
        }
        QVERIFY2(contrast(darkest, QColor(170, 170, 170)) >= 3.0, qPrintable(box->objectName()));
        ++checked;
    }
    QCOMPARE(checked, 9);
}

void tst_Accessibility::optionGroupIsEnteredAtItsSelection_data()
{
    QTest::addColumn<bool>("showAnswer");
    QTest::addColumn<QString>("from");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("expected");
    for (bool show : {true, false}) {
        const QString selected = show ? "optShowAnswer_Yes" : "optShowAnswer_No";
        QTest::addRow("%s, Shift+Tab from Close on opening", show ? "shown" : "not shown")
            << show << "cmdClose" << Qt::KeyboardModifiers(Qt::ShiftModifier) << selected;
        QTest::addRow("%s, Tab from the scroll bar", show ? "shown" : "not shown")
            << show << "scrWaitPercent" << Qt::KeyboardModifiers() << selected;
        QTest::addRow("%s, Tab from the selected option", show ? "shown" : "not shown")
            << show << selected << Qt::KeyboardModifiers() << "cmdClose";
    }
}

void tst_Accessibility::optionGroupIsEnteredAtItsSelection()
{
    QFETCH(bool, showAnswer);
    QFETCH(QString, from);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, expected);
    gbShowAnswer = showAnswer;
    frmSetup *setup = openSetup();
    QWidget *start = control(setup, from);
    if (start != QApplication::focusWidget())
        start->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), start);

    QTest::keyClick(start, Qt::Key_Tab, modifiers);
    QCOMPARE(QApplication::focusWidget()->objectName(), expected);

    // The arrow keys move the selection within the group; Tab then leaves and comes back to
    // the newly selected button.
    QWidget *other = control(setup, showAnswer ? "optShowAnswer_No" : "optShowAnswer_Yes");
    control(setup, showAnswer ? "optShowAnswer_Yes" : "optShowAnswer_No")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), showAnswer ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), other);
    QCOMPARE(gbShowAnswer, !showAnswer);
    QTest::keyClick(other, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), other);
}

TALLYWICK_TEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
