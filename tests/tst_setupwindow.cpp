#include "core/modGlobalsConstants.h"
#include "core/modSubMain.h"
#include "drill/frmMain.h"
#include "setup/frmSetup.h"

#include "testSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include <cmath>
#include <vector>

namespace
{

struct BoxSetting {
    const char *box;
    bool *setting;
};

const std::vector<BoxSetting> &boxSettings()
{
    static const std::vector<BoxSetting> all = {
        {"chkAdd", &gbAdd},           {"chkAddPos", &gbAddPos},
        {"chkAddNeg", &gbAddNeg},     {"chkAddZero", &gbAddZero},
        {"chkSub", &gbSub},           {"chkSubPos", &gbSubPos},
        {"chkSubNeg", &gbSubNeg},     {"chkSubZero", &gbSubZero},
        {"chkMult", &gbMult},         {"chkMultPos", &gbMultPos},
        {"chkMultNeg", &gbMultNeg},   {"chkDiv", &gbDiv},
        {"chkDivPos", &gbDivPos},     {"chkDivNeg", &gbDivNeg},
        {"chkDivWhole", &gbDivWhole}, {"chkDivFraction", &gbDivFraction},
    };
    return all;
}

struct Operation {
    const char *box;
    QStringList resultKinds;
};

const std::vector<Operation> &operations()
{
    static const std::vector<Operation> all = {
        {"chkAdd", {"chkAddPos", "chkAddNeg", "chkAddZero"}},
        {"chkSub", {"chkSubPos", "chkSubNeg", "chkSubZero"}},
        {"chkMult", {"chkMultPos", "chkMultNeg"}},
        {"chkDiv", {"chkDivPos", "chkDivNeg", "chkDivWhole", "chkDivFraction"}},
    };
    return all;
}

// Every drill setting as one text, so a comparison shows what changed.
QString settingsText()
{
    QStringList parts;
    parts << QString::number(glTerm1Low) << QString::number(glTerm1High)
          << QString::number(glTerm2Low) << QString::number(glTerm2High);
    for (const BoxSetting &entry : boxSettings())
        parts << QStringLiteral("%1=%2").arg(QLatin1String(entry.box)).arg(*entry.setting);
    parts << QStringLiteral("show=%1").arg(gbShowAnswer)
          << QStringLiteral("wait=%1").arg(double(gsngWaitSeconds));
    return parts.join(QLatin1Char(' '));
}

} // namespace

class tst_SetupWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithDefaults();
    void opensFromSettings_data();
    void opensFromSettings();
    void tabVisitsTheControlsInOrder();
    void rulesFollowClicksAndKeys_data();
    void rulesFollowClicksAndKeys();
    void termBoxTakesTextOverOnLeaving_data();
    void termBoxTakesTextOverOnLeaving();
    void termBoxIgnoresSwitchingWindows();
    void termBoxUsesTheUsersNumberFormat();
    void closeTakesTheEditedTextOver();
    void swapExchangesTheTermsTwice();
    void swapTakesTheEditedTextOverFirst();
    void swapMovesTextsAsTyped();
    void scrollPositionSetsTheWait_data();
    void scrollPositionSetsTheWait();
    void scrollBarStepsByKeyboard();
    void draggingTheThumbUpdatesEveryPosition();
    void optionButtonsKeepTheWait();
    void setupPressedTwiceDoesNotReload();
    void pictureCoversTheWindow();

private:
    frmSetup *open();
    template <typename T> T *control(const char *name) const;
    void verifyBoxesMatchSettings() const;
    void typeInto(const char *box, const QString &text);
    void tabTo(const char *name);

    QPointer<frmSetup> m_window;
};

void tst_SetupWindow::init()
{
    SetDefaultSettings();
    QLocale::setDefault(QLocale::c());
}

void tst_SetupWindow::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete m_window;
    QLocale::setDefault(QLocale::c());
}

frmSetup *tst_SetupWindow::open()
{
    m_window = new frmSetup;
    m_window->show();
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window))
        qWarning("the Setup window did not become active");
    return m_window;
}

template <typename T> T *tst_SetupWindow::control(const char *name) const
{
    T *found = m_window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void tst_SetupWindow::verifyBoxesMatchSettings() const
{
    for (const BoxSetting &entry : boxSettings()) {
        QVERIFY2(control<QCheckBox>(entry.box)->isChecked() == *entry.setting, entry.box);
        QVERIFY2(control<QCheckBox>(entry.box)->checkState() != Qt::PartiallyChecked, entry.box);
    }
    for (const Operation &operation : operations()) {
        const bool included = control<QCheckBox>(operation.box)->isChecked();
        if (!included)
            QVERIFY2(control<QCheckBox>(operation.box)->text().isEmpty(), operation.box);
        for (const QString &kind : operation.resultKinds)
            QVERIFY2(m_window->findChild<QCheckBox *>(kind)->isEnabled() == included,
                     qPrintable(kind));
    }
    QVERIFY(gbAdd || gbSub || gbMult || gbDiv);
}

void tst_SetupWindow::typeInto(const char *box, const QString &text)
{
    auto *edit = control<QLineEdit>(box);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTRY_VERIFY(edit->hasFocus());
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void tst_SetupWindow::tabTo(const char *name)
{
    QWidget *target = control<QWidget>(name);
    for (int presses = 0; presses < 40 && QApplication::focusWidget() != target; ++presses)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY2(target->hasFocus(), name);
}

void tst_SetupWindow::opensWithDefaults()
{
    const QString before = settingsText();
    open();

    QCOMPARE(m_window->windowTitle(), QStringLiteral("Tallywick - Setup"));
    QTRY_COMPARE(QApplication::focusWidget(), control<QWidget>("cmdClose"));

    QCOMPARE(control<QLineEdit>("txtTerm1Low")->text(), QStringLiteral("1"));
    QCOMPARE(control<QLineEdit>("txtTerm1High")->text(), QStringLiteral("10"));
    QCOMPARE(control<QLineEdit>("txtTerm2Low")->text(), QStringLiteral("1"));
    QCOMPARE(control<QLineEdit>("txtTerm2High")->text(), QStringLiteral("10"));

    struct Expected {
        const char *box;
        bool checked;
        const char *caption;
        bool enabled;
    };
    const Expected expected[] = {
        {"chkAdd", true, "Include", true},
        {"chkAddPos", true, "Positive", true},
        {"chkAddNeg", false, "Negative", true},
        {"chkAddZero", false, "Zero", true},
        {"chkSub", false, "", true},
        {"chkSubPos", false, "Positive", false},
        {"chkSubNeg", false, "Negative", false},
        {"chkSubZero", false, "Zero", false},
        {"chkMult", false, "", true},
        {"chkMultPos", false, "Positive", false},
        {"chkMultNeg", false, "Negative", false},
        {"chkDiv", false, "", true},
        {"chkDivPos", false, "Positive", false},
        {"chkDivNeg", false, "Negative", false},
        {"chkDivWhole", false, "Whole", false},
        {"chkDivFraction", false, "Fraction", false},
    };
    for (const Expected &box : expected) {
        const auto *check = control<QCheckBox>(box.box);
        QVERIFY2(check->isChecked() == box.checked, box.box);
        QCOMPARE(check->text(), QString::fromLatin1(box.caption));
        QVERIFY2(check->isEnabled() == box.enabled, box.box);
    }

    QVERIFY(control<QRadioButton>("optShowAnswer_Yes")->isChecked());
    QVERIFY(!control<QRadioButton>("optShowAnswer_No")->isChecked());
    QCOMPARE(control<QScrollBar>("scrWaitPercent")->value(), 10);
    QCOMPARE(control<QLineEdit>("txtWaitSeconds")->text(), QStringLiteral("1"));
    QCOMPARE(control<QLabel>("lblSeconds")->text(), QStringLiteral("Second"));

    QCOMPARE(settingsText(), before);
}

void tst_SetupWindow::opensFromSettings_data()
{
    QTest::addColumn<QStringList>("trueFlags");
    QTest::addColumn<float>("wait");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("waitText");
    QTest::addColumn<QString>("unit");

    const QStringList defaults = {"chkAdd", "chkAddPos"};
    QTest::newRow("defaults") << defaults << 1.0f << 10 << "1"
                              << "Second";
    QTest::newRow("no wait, as the scroll bar is created") << defaults << 0.0f << 0 << "0"
                                                           << "Seconds";
    QTest::newRow("a tenth") << defaults << 0.1f << 1 << "0.1"
                             << "Seconds";
    QTest::newRow("longest wait") << defaults << 10.0f << 100 << "10"
                                  << "Seconds";
    QTest::newRow("addition excluded")
        << QStringList{"chkAddPos", "chkAddZero", "chkSub", "chkSubNeg"} << 1.5f << 15 << "1.5"
        << "Seconds";
    QTest::newRow("division only")
        << QStringList{"chkDiv", "chkDivNeg", "chkDivWhole"} << 1.0f << 10 << "1"
        << "Second";
    QTest::newRow("everything") << QStringList{"chkAdd",        "chkAddPos",  "chkAddNeg",
                                               "chkAddZero",    "chkSub",     "chkSubPos",
                                               "chkSubNeg",     "chkSubZero", "chkMult",
                                               "chkMultPos",    "chkMultNeg", "chkDiv",
                                               "chkDivPos",     "chkDivNeg",  "chkDivWhole",
                                               "chkDivFraction"}
                                << 2.0f << 20 << "2"
                                << "Seconds";
}

void tst_SetupWindow::opensFromSettings()
{
    QFETCH(QStringList, trueFlags);
    QFETCH(float, wait);
    QFETCH(int, position);
    QFETCH(QString, waitText);
    QFETCH(QString, unit);

    for (const BoxSetting &entry : boxSettings())
        *entry.setting = trueFlags.contains(QLatin1String(entry.box));
    gsngWaitSeconds = wait;
    glTerm1Low = -5;
    glTerm2High = -2147483647 - 1;
    gbShowAnswer = false;
    const QString before = settingsText();

    open();
    verifyBoxesMatchSettings();
    // An included operation whose box was not toggled keeps its created caption.
    for (const Operation &operation : operations()) {
        if (trueFlags.contains(QLatin1String(operation.box)))
            QCOMPARE(control<QCheckBox>(operation.box)->text(), QStringLiteral("Include"));
    }
    QCOMPARE(control<QLineEdit>("txtTerm1Low")->text(), QStringLiteral("-5"));
    QCOMPARE(control<QLineEdit>("txtTerm2High")->text(), QStringLiteral("-2147483648"));
    QVERIFY(control<QRadioButton>("optShowAnswer_No")->isChecked());
    QVERIFY(!control<QRadioButton>("optShowAnswer_Yes")->isChecked());
    QCOMPARE(control<QScrollBar>("scrWaitPercent")->value(), position);
    QCOMPARE(control<QLineEdit>("txtWaitSeconds")->text(), waitText);
    QCOMPARE(control<QLabel>("lblSeconds")->text(), unit);
    QCOMPARE(settingsText(), before);

    // Closing touches no setting either, and leaves the position in the store.
    QTest::mouseClick(control<QPushButton>("cmdClose"), Qt::LeftButton);
    QTRY_VERIFY(!m_window);
    QCOMPARE(settingsText(), before);
    QSettings store(QSettings::NativeFormat, QSettings::UserScope,
                    QString::fromLatin1(ApplicationName), QString::fromLatin1(ApplicationName));
    QVERIFY(store.contains(QStringLiteral("frmSetup/Top")));
    QVERIFY(store.contains(QStringLiteral("frmSetup/Left")));
}

void tst_SetupWindow::tabVisitsTheControlsInOrder()
{
    open();
    QTRY_COMPARE(QApplication::focusWidget(), control<QWidget>("cmdClose"));

    // Disabled result-kind boxes, the wait's display and the unselected option are skipped.
    const QStringList expected = {
        "cmdFlip",        "txtTerm2High",
        "txtTerm1High",   "txtTerm2Low",
        "txtTerm1Low",    "chkDiv",
        "chkMult",        "chkSub",
        "chkAdd",         "chkAddPos",
        "chkAddZero",     "chkAddNeg",
        "scrWaitPercent", "optShowAnswer_Yes",
        "cmdClose",
    };
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void tst_SetupWindow::rulesFollowClicksAndKeys_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::addColumn<QStringList>("toggles");
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<QStringList>("captions");

    struct Row {
        const char *name;
        QStringList toggles;
        QStringList checked;
        QStringList captions; // of chkAdd, chkSub, chkMult, chkDiv
    };
    const Row rows[] = {
        {"last operation refused", {"chkAdd"}, {"chkAdd", "chkAddPos"}, {"Included", "", "", ""}},
        {"last result kind refused",
         {"chkAddPos"},
         {"chkAdd", "chkAddPos"},
         {"Include", "", "", ""}},
        {"including subtraction checks none of its kinds",
         {"chkSub"},
         {"chkAdd", "chkAddPos", "chkSub"},
         {"Include", "Included", "", ""}},
        {"addition may go once subtraction is in",
         {"chkSub", "chkAdd"},
         {"chkAddPos", "chkSub"},
         {"", "Included", "", ""}},
        {"only checked subtraction kind refused",
         {"chkSub", "chkSubZero", "chkSubZero"},
         {"chkAdd", "chkAddPos", "chkSub", "chkSubZero"},
         {"Include", "Included", "", ""}},
        {"one of two subtraction kinds may go",
         {"chkSub", "chkSubZero", "chkSubNeg", "chkSubZero"},
         {"chkAdd", "chkAddPos", "chkSub", "chkSubNeg"},
         {"Include", "Included", "", ""}},
        {"excluding and including keeps the kinds",
         {"chkSub", "chkSubPos", "chkSubNeg", "chkSub", "chkSub"},
         {"chkAdd", "chkAddPos", "chkSub", "chkSubPos", "chkSubNeg"},
         {"Include", "Included", "", ""}},
        {"division alone refuses to go",
         {"chkDiv", "chkAdd", "chkDiv"},
         {"chkAddPos", "chkDiv"},
         {"", "", "", "Included"}},
        {"division's form pair refuses its last",
         {"chkDiv", "chkDivWhole", "chkDivWhole", "chkDivFraction", "chkDivWhole"},
         {"chkAdd", "chkAddPos", "chkDiv", "chkDivFraction"},
         {"Include", "", "", "Included"}},
        {"division's sign and form are separate pairs",
         {"chkDiv", "chkDivWhole", "chkDivNeg", "chkDivNeg"},
         {"chkAdd", "chkAddPos", "chkDiv", "chkDivNeg", "chkDivWhole"},
         {"Include", "", "", "Included"}},
        {"multiplication's pair",
         {"chkMult", "chkMultNeg", "chkMultPos", "chkMultNeg", "chkMultPos"},
         {"chkAdd", "chkAddPos", "chkMult", "chkMultPos"},
         {"Include", "", "Included", ""}},
    };
    for (const Row &row : rows) {
        QTest::addRow("%s, mouse", row.name) << false << row.toggles << row.checked << row.captions;
        QTest::addRow("%s, keyboard", row.name)
            << true << row.toggles << row.checked << row.captions;
    }
}

void tst_SetupWindow::rulesFollowClicksAndKeys()
{
    QFETCH(bool, byKeyboard);
    QFETCH(QStringList, toggles);
    QFETCH(QStringList, checked);
    QFETCH(QStringList, captions);

    open();
    for (const QString &name : toggles) {
        auto *box = control<QCheckBox>(qPrintable(name));
        if (byKeyboard) {
            tabTo(qPrintable(name));
            QTest::keyClick(box, Qt::Key_Space);
        } else {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        }
        verifyBoxesMatchSettings();
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("after toggling %1").arg(name)));
    }

    QStringList checkedNow;
    for (const BoxSetting &entry : boxSettings()) {
        if (control<QCheckBox>(entry.box)->isChecked())
            checkedNow << QString::fromLatin1(entry.box);
    }
    QCOMPARE(checkedNow, checked);
    QStringList captionsNow;
    for (const Operation &operation : operations())
        captionsNow << control<QCheckBox>(operation.box)->text();
    QCOMPARE(captionsNow, captions);
}

void tst_SetupWindow::termBoxTakesTextOverOnLeaving_data()
{
    QTest::addColumn<bool>("byTab");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("shown");

    struct Row {
        const char *typed;
        int limit;
        const char *shown;
    };
    // txtTerm2Low starts at 1.
    const Row rows[] = {
        {"abc", 1, "1"},      {"", 1, "1"},         {"2.5", 2, "2.5"}, {"3.5", 4, "3.5"},
        {"-2.5", -2, "-2.5"}, {"1e3", 1000, "1e3"}, {"007", 7, "007"}, {"1e10", 1, "1"},
        {"12a", 1, "1"},      {" 12 ", 12, " 12 "}, {"0", 0, "0"},
    };
    for (const Row &row : rows) {
        QTest::addRow("'%s' by Tab", row.typed) << true << QString::fromLatin1(row.typed)
                                                << row.limit << QString::fromLatin1(row.shown);
        QTest::addRow("'%s' by clicking S W A P", row.typed)
            << false << QString::fromLatin1(row.typed) << row.limit
            << QString::fromLatin1(row.shown);
    }
}

void tst_SetupWindow::termBoxTakesTextOverOnLeaving()
{
    QFETCH(bool, byTab);
    QFETCH(QString, typed);
    QFETCH(int, limit);
    QFETCH(QString, shown);

    glTerm1Low = 3;
    glTerm1High = 30;
    glTerm2High = 20;
    open();
    typeInto("txtTerm2Low", typed);
    QCOMPARE(glTerm2Low, 1); // nothing is taken over while the box keeps the focus

    if (byTab) {
        QTest::keyClick(control<QLineEdit>("txtTerm2Low"), Qt::Key_Tab);
        QCOMPARE(control<QLineEdit>("txtTerm2Low")->text(), shown);
        QCOMPARE(glTerm2Low, limit);
        QCOMPARE(glTerm1Low, 3);
    } else {
        // The focus rule runs first, then the swap hands the box's text to the top term.
        QTest::mouseClick(control<QPushButton>("cmdFlip"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>("txtTerm1Low")->text(), shown);
        QCOMPARE(glTerm1Low, limit);
        QCOMPARE(control<QLineEdit>("txtTerm2Low")->text(), QStringLiteral("3"));
        QCOMPARE(glTerm2Low, 3);
        QCOMPARE(glTerm1High, 20);
        QCOMPARE(glTerm2High, 30);
        return;
    }
    QCOMPARE(glTerm1High, 30);
    QCOMPARE(glTerm2High, 20);
}

void tst_SetupWindow::termBoxIgnoresSwitchingWindows()
{
    open();
    typeInto("txtTerm1High", QStringLiteral("abc"));

    QWidget other;
    other.resize(100, 100);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(control<QLineEdit>("txtTerm1High")->text(), QStringLiteral("abc"));
    QCOMPARE(glTerm1High, 10);

    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTRY_COMPARE(QApplication::focusWidget(), control<QWidget>("txtTerm1High"));
    QTest::keyClick(control<QLineEdit>("txtTerm1High"), Qt::Key_Tab);
    QCOMPARE(control<QLineEdit>("txtTerm1High")->text(), QStringLiteral("10"));
    QCOMPARE(glTerm1High, 10);
}

void tst_SetupWindow::termBoxUsesTheUsersNumberFormat()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    gsngWaitSeconds = 1.5f;
    open();
    QCOMPARE(control<QLineEdit>("txtWaitSeconds")->text(), QStringLiteral("1,5"));

    typeInto("txtTerm2Low", QStringLiteral("3,5"));
    QTest::keyClick(control<QLineEdit>("txtTerm2Low"), Qt::Key_Tab);
    QCOMPARE(glTerm2Low, 4);
    QCOMPARE(control<QLineEdit>("txtTerm2Low")->text(), QStringLiteral("3,5"));
}

void tst_SetupWindow::closeTakesTheEditedTextOver()
{
    open();
    typeInto("txtTerm1Low", QStringLiteral("7"));
    QTest::mouseClick(control<QPushButton>("cmdClose"), Qt::LeftButton);
    QTRY_VERIFY(!m_window);
    QCOMPARE(glTerm1Low, 7);
}

void tst_SetupWindow::swapExchangesTheTermsTwice()
{
    glTerm2Low = 5;
    glTerm2High = 20;
    open();
    auto texts = [this] {
        return QStringList{
            control<QLineEdit>("txtTerm1Low")->text(), control<QLineEdit>("txtTerm1High")->text(),
            control<QLineEdit>("txtTerm2Low")->text(), control<QLineEdit>("txtTerm2High")->text()};
    };
    auto limits = [] { return QList<int>{glTerm1Low, glTerm1High, glTerm2Low, glTerm2High}; };

    QTest::mouseClick(control<QPushButton>("cmdFlip"), Qt::LeftButton);
    QCOMPARE(texts(), (QStringList{"5", "20", "1", "10"}));
    QCOMPARE(limits(), (QList<int>{5, 20, 1, 10}));

    QTest::mouseClick(control<QPushButton>("cmdFlip"), Qt::LeftButton);
    QCOMPARE(texts(), (QStringList{"1", "10", "5", "20"}));
    QCOMPARE(limits(), (QList<int>{1, 10, 5, 20}));
}

void tst_SetupWindow::swapTakesTheEditedTextOverFirst()
{
    open();
    typeInto("txtTerm1Low", QStringLiteral("7"));
    QTest::mouseClick(control<QPushButton>("cmdFlip"), Qt::LeftButton);
    QCOMPARE(glTerm2Low, 7);
    QCOMPARE(control<QLineEdit>("txtTerm2Low")->text(), QStringLiteral("7"));
    QCOMPARE(glTerm1Low, 1);
}

void tst_SetupWindow::swapMovesTextsAsTyped()
{
    open();
    typeInto("txtTerm2High", QStringLiteral("2.5"));
    tabTo("cmdFlip");
    QCOMPARE(glTerm2High, 2);
    QTest::keyClick(control<QPushButton>("cmdFlip"), Qt::Key_Space);
    QCOMPARE(control<QLineEdit>("txtTerm1High")->text(), QStringLiteral("2.5"));
    QCOMPARE(glTerm1High, 2);
    QCOMPARE(control<QLineEdit>("txtTerm2High")->text(), QStringLiteral("10"));
    QCOMPARE(glTerm2High, 10);
}

void tst_SetupWindow::scrollPositionSetsTheWait_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<float>("wait");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("unit");

    QTest::newRow("0") << 0 << 0.0f << "0"
                       << "Seconds";
    QTest::newRow("1") << 1 << 0.1f << "0.1"
                       << "Seconds";
    QTest::newRow("10") << 10 << 1.0f << "1"
                        << "Second";
    QTest::newRow("11") << 11 << 1.1f << "1.1"
                        << "Seconds";
    QTest::newRow("15") << 15 << 1.5f << "1.5"
                        << "Seconds";
    QTest::newRow("100") << 100 << 10.0f << "10"
                         << "Seconds";
}

void tst_SetupWindow::scrollPositionSetsTheWait()
{
    QFETCH(int, position);
    QFETCH(float, wait);
    QFETCH(QString, text);
    QFETCH(QString, unit);

    gsngWaitSeconds = 5.0f; // away from every row, so each one is a real change
    open();
    control<QScrollBar>("scrWaitPercent")->setValue(position);
    QCOMPARE(gsngWaitSeconds, wait);
    QCOMPARE(control<QLineEdit>("txtWaitSeconds")->text(), text);
    QCOMPARE(control<QLabel>("lblSeconds")->text(), unit);
}

void tst_SetupWindow::scrollBarStepsByKeyboard()
{
    open();
    auto *bar = control<QScrollBar>("scrWaitPercent");
    tabTo("scrWaitPercent");
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(bar->value(), 15);
    QCOMPARE(gsngWaitSeconds, 1.5f);
    QTest::keyClick(bar, Qt::Key_PageUp);
    QCOMPARE(bar->value(), 25);
    QTest::keyClick(bar, Qt::Key_Home);
    QCOMPARE(gsngWaitSeconds, 0.0f);
    QCOMPARE(control<QLineEdit>("txtWaitSeconds")->text(), QStringLiteral("0"));
    QCOMPARE(control<QLabel>("lblSeconds")->text(), QStringLiteral("Seconds"));
}

void tst_SetupWindow::draggingTheThumbUpdatesEveryPosition()
{
    gsngWaitSeconds = 0.5f;
    open();
    auto *bar = control<QScrollBar>("scrWaitPercent");
    QCOMPARE(bar->value(), 5);

    struct Seen {
        int position;
        bool held;
        float wait;
        QString text;
        QString unit;
    };
    std::vector<Seen> seen;
    connect(bar, &QScrollBar::valueChanged, this, [&](int position) {
        seen.push_back({position, bar->isSliderDown(), gsngWaitSeconds,
                        control<QLineEdit>("txtWaitSeconds")->text(),
                        control<QLabel>("lblSeconds")->text()});
    });

    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                     QStyle::SC_ScrollBarSlider, bar);
    QVERIFY(thumb.isValid());

    auto send = [bar](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, bar->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(bar, &event);
    };
    QPoint at = thumb.center();
    send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    QVERIFY(bar->isSliderDown());
    while (bar->value() < 20 && at.x() < bar->width()) {
        at.rx() += 1;
        send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
    }
    send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(bar->value(), 20);

    QCOMPARE(int(seen.size()), 15);
    for (std::size_t i = 0; i < seen.size(); ++i) {
        const Seen &step = seen[i];
        QCOMPARE(step.position, int(6 + i));
        QVERIFY(step.held);
        QCOMPARE(step.wait, float(step.position / 10.0));
        QCOMPARE(step.text, QLocale::c().toString(step.position / 10.0));
        QCOMPARE(step.unit,
                 step.position == 10 ? QStringLiteral("Second") : QStringLiteral("Seconds"));
    }
    QCOMPARE(gsngWaitSeconds, 2.0f);
}

void tst_SetupWindow::optionButtonsKeepTheWait()
{
    open();
    control<QScrollBar>("scrWaitPercent")->setValue(35);
    QTest::mouseClick(control<QRadioButton>("optShowAnswer_No"), Qt::LeftButton);
    QVERIFY(!gbShowAnswer);
    QVERIFY(!control<QRadioButton>("optShowAnswer_Yes")->isChecked());
    QVERIFY(control<QScrollBar>("scrWaitPercent")->isEnabled());
    QTest::mouseClick(control<QRadioButton>("optShowAnswer_Yes"), Qt::LeftButton);
    QVERIFY(gbShowAnswer);
    QCOMPARE(gsngWaitSeconds, 3.5f);
    QCOMPARE(control<QLineEdit>("txtWaitSeconds")->text(), QStringLiteral("3.5"));
}

void tst_SetupWindow::setupPressedTwiceDoesNotReload()
{
    frmMain *drill = Main();
    QVERIFY(QTest::qWaitForWindowExposed(drill));
    auto *setupButton = drill->findChild<QPushButton *>(QStringLiteral("cmdSetup"));
    QVERIFY(setupButton);

    auto setupWindows = [] {
        QList<frmSetup *> found;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *setup = qobject_cast<frmSetup *>(window); setup && setup->isVisible())
                found << setup;
        }
        return found;
    };

    QTest::mouseClick(setupButton, Qt::LeftButton);
    QCOMPARE(setupWindows().size(), 1);
    m_window = setupWindows().constFirst();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    typeInto("txtTerm1Low", QStringLiteral("55"));

    QTest::mouseClick(setupButton, Qt::LeftButton);
    QCOMPARE(setupWindows(), QList<frmSetup *>{m_window.data()});
    QCOMPARE(control<QLineEdit>("txtTerm1Low")->text(), QStringLiteral("55"));
    QCOMPARE(glTerm1Low, 1);

    // After a close the next press builds the window again from the settings.
    m_window->close();
    QTRY_VERIFY(!m_window);
    QTest::mouseClick(setupButton, Qt::LeftButton);
    QCOMPARE(setupWindows().size(), 1);
    m_window = setupWindows().constFirst();
    QCOMPARE(control<QLineEdit>("txtTerm1Low")->text(), QStringLiteral("1"));
}

void tst_SetupWindow::pictureCoversTheWindow()
{
    open();
    const QPixmap picture = control<QLabel>("Image1")->pixmap();
    QCOMPARE(picture.size(), QSize(2, 576));
    const QImage source = picture.toImage();
    QCOMPARE(source.pixelColor(0, 0), QColor(204, 204, 255));
    QCOMPARE(source.pixelColor(1, 286), QColor(254, 204, 153));
    QCOMPARE(source.pixelColor(0, 575), QColor(204, 204, 255));

    const QImage shot = m_window->grab().toImage();
    QCOMPARE(shot.size(), QSize(1074, 299));
    auto near = [&shot](int x, int y, QColor expected) {
        const QColor seen = shot.pixelColor(x, y);
        const bool close = std::abs(seen.red() - expected.red()) <= 4 &&
                           std::abs(seen.green() - expected.green()) <= 4 &&
                           std::abs(seen.blue() - expected.blue()) <= 4;
        if (!close)
            qWarning() << "at" << x << y << "saw" << seen << "expected" << expected;
        return close;
    };
    // The picture starts 33 pixels above the window and is stretched by 386/576, so the top
    // edge shows its row 49 and the peach rows 285 to 287 fall at y 158 to 160.
    QVERIFY(near(5, 0, QColor(213, 204, 237)));
    QVERIFY(near(5, 159, QColor(254, 204, 153)));
    QVERIFY(near(1073, 159, QColor(254, 204, 153)));
    // The window's own grey never shows, not even in the bottom-right corner.
    QVERIFY(near(1073, 298, QColor(214, 204, 236)));
    // Inside the term limits panel, clear of its controls, and its outline.
    QCOMPARE(shot.pixelColor(30, 175), QColor(170, 170, 170));
    QCOMPARE(shot.pixelColor(24, 175), m_window->palette().color(QPalette::WindowText));
    QCOMPARE(shot.pixelColor(25, 175), m_window->palette().color(QPalette::WindowText));
    QCOMPARE(shot.pixelColor(26, 175), QColor(170, 170, 170));
}

TALLYWICK_TEST_MAIN(tst_SetupWindow)
#include "tst_setupwindow.moc"
