#include "app/modSubMain.h"
#include "drill/frmMain.h"
#include "model/modGlobalsConstants.h"
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

// The Setup box of an operation, or of one of its kinds of result: chkAdd, chkAddPos.
QString boxName(const Operation &operation)
{
    return QStringLiteral("chk") + QLatin1String(operation.name);
}

QString boxName(const Operation &operation, ResultKind kind)
{
    return boxName(operation) + QLatin1String(ResultKindName(kind));
}

struct BoxSetting {
    QString box;
    bool *setting;
};

// Every check box with its setting, in the order of the operation table.
std::vector<BoxSetting> boxSettings()
{
    std::vector<BoxSetting> boxes;
    for (const Operation &operation : Operations) {
        boxes.push_back({boxName(operation), operation.included});
        for (const ResultKindFlag &kind : operation.kinds)
            boxes.push_back({boxName(operation, kind.kind), kind.allowed});
    }
    return boxes;
}

// Every drill setting as one text, so a failed comparison shows what changed.
QString settingsText()
{
    QStringList parts;
    parts << QString::number(glTerm1Low) << QString::number(glTerm1High)
          << QString::number(glTerm2Low) << QString::number(glTerm2High);
    for (const BoxSetting &entry : boxSettings())
        parts << QStringLiteral("%1=%2").arg(entry.box).arg(*entry.setting);
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
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void scrollBarStepsByKeyboard();
    void draggingTheThumbUpdatesEveryPosition();
    void optionButtonsKeepTheWait();
    void setupPressedTwiceDoesNotReload();
    void pictureCoversTheWindow();

private:
    void open();
    void verifyBoxesMatchSettings() const;
    void typeInto(const char *box, const QString &typed);
    void tabTo(const QString &name);

    QPointer<frmSetup> m_window;
};

void tst_SetupWindow::init()
{
    SetDefaultSettings();
}

void tst_SetupWindow::cleanup()
{
    closeAllWindows();
    QLocale::setDefault(QLocale::c());
}

void tst_SetupWindow::open()
{
    m_window = new frmSetup;
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void tst_SetupWindow::verifyBoxesMatchSettings() const
{
    for (const BoxSetting &entry : boxSettings())
        QVERIFY2(control<QCheckBox>(m_window, entry.box)->isChecked() == *entry.setting,
                 qPrintable(entry.box));
    for (const Operation &operation : Operations) {
        const auto *box = control<QCheckBox>(m_window, boxName(operation));
        if (!box->isChecked())
            QVERIFY2(box->text().isEmpty(), operation.name);
        // "Included" must show whole, not clipped by the box's nominal width.
        QVERIFY2(box->width() >= box->sizeHint().width(), operation.name);
        for (const ResultKindFlag &kind : operation.kinds) {
            const QString name = boxName(operation, kind.kind);
            QVERIFY2(control(m_window, name)->isEnabled() == box->isChecked(), qPrintable(name));
        }
    }
}

void tst_SetupWindow::typeInto(const char *box, const QString &typed)
{
    auto *edit = control<QLineEdit>(m_window, box);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTRY_VERIFY(edit->hasFocus());
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, typed);
}

void tst_SetupWindow::tabTo(const QString &name)
{
    QWidget *target = control(m_window, name);
    for (int presses = 0; presses < 40 && QApplication::focusWidget() != target; ++presses)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY2(target->hasFocus(), qPrintable(name));
}

void tst_SetupWindow::opensFromSettings_data()
{
    QTest::addColumn<QStringList>("trueFlags");
    QTest::addColumn<bool>("showAnswer");
    QTest::addColumn<int>("term1Low");
    QTest::addColumn<float>("wait");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("waitText");
    QTest::addColumn<QString>("unit");

    const QStringList defaults = {"chkAdd", "chkAddPos"};
    QTest::newRow("defaults") << defaults << true << 1 << 1.0f << 10 << "1"
                              << "Second";
    QTest::newRow("no wait, where the scroll bar is created")
        << defaults << true << -5 << 0.0f << 0 << "0"
        << "Seconds";
    QTest::newRow("longest wait, answer off")
        << defaults << false << -2147483647 - 1 << 10.0f << 100 << "10"
        << "Seconds";
    QTest::newRow("addition excluded")
        << QStringList{"chkAddPos", "chkAddZero", "chkSub", "chkSubNeg"} << true << 1 << 1.5f << 15
        << "1.5"
        << "Seconds";
    QTest::newRow("division only")
        << QStringList{"chkDiv", "chkDivNeg", "chkDivWhole"} << false << 1 << 0.1f << 1 << "0.1"
        << "Seconds";
    QStringList everything;
    for (const BoxSetting &entry : boxSettings())
        everything << entry.box;
    QTest::newRow("everything") << everything << true << 1 << 1.1f << 11 << "1.1"
                                << "Seconds";
}

void tst_SetupWindow::opensFromSettings()
{
    QFETCH(QStringList, trueFlags);
    QFETCH(bool, showAnswer);
    QFETCH(int, term1Low);
    QFETCH(float, wait);
    QFETCH(int, position);
    QFETCH(QString, waitText);
    QFETCH(QString, unit);

    for (const BoxSetting &entry : boxSettings())
        *entry.setting = trueFlags.contains(entry.box);
    gbShowAnswer = showAnswer;
    glTerm1Low = term1Low;
    gsngWaitSeconds = wait;
    const QString before = settingsText();

    open();
    QTRY_COMPARE(QApplication::focusWidget(), control(m_window, "cmdClose"));
    verifyBoxesMatchSettings();
    // An included operation keeps its created caption until its box is toggled.
    for (const Operation &operation : Operations) {
        if (trueFlags.contains(boxName(operation)))
            QCOMPARE(control<QCheckBox>(m_window, boxName(operation))->text(),
                     QStringLiteral("Include"));
    }
    QCOMPARE(textOf(m_window, "txtTerm1Low"), QString::number(term1Low));
    QCOMPARE(textOf(m_window, "txtTerm1High"), QStringLiteral("10"));
    QCOMPARE(textOf(m_window, "txtTerm2Low"), QStringLiteral("1"));
    QCOMPARE(textOf(m_window, "txtTerm2High"), QStringLiteral("10"));
    QCOMPARE(control<QRadioButton>(m_window, "optShowAnswer_Yes")->isChecked(), showAnswer);
    QCOMPARE(control<QRadioButton>(m_window, "optShowAnswer_No")->isChecked(), !showAnswer);
    QCOMPARE(control<QScrollBar>(m_window, "scrWaitPercent")->value(), position);
    QCOMPARE(textOf(m_window, "txtWaitSeconds"), waitText);
    QCOMPARE(textOf(m_window, "lblSeconds"), unit);
    QCOMPARE(settingsText(), before);

    // Closing changes no setting either, and leaves the position in the store.
    QTest::mouseClick(control<QPushButton>(m_window, "cmdClose"), Qt::LeftButton);
    QTRY_VERIFY(!m_window);
    QCOMPARE(settingsText(), before);
    QVERIFY(store().contains(QStringLiteral("frmSetup/Top")));
    QVERIFY(store().contains(QStringLiteral("frmSetup/Left")));
}

void tst_SetupWindow::tabVisitsTheControlsInOrder()
{
    open();
    QTRY_COMPARE(QApplication::focusWidget(), control(m_window, "cmdClose"));

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

    // The boxes toggled in turn, the boxes checked at the end, and the captions of the four
    // operation boxes at the end.
    const char *const rows[][4] = {
        {"last operation refused", "chkAdd", "chkAdd chkAddPos", "Included|||"},
        {"last result kind refused", "chkAddPos", "chkAdd chkAddPos", "Include|||"},
        {"including checks no kind", "chkSub", "chkAdd chkAddPos chkSub", "Include|Included||"},
        {"exclusion once another is in", "chkSub chkAdd", "chkAddPos chkSub", "|Included||"},
        {"only checked kind refused", "chkSub chkSubZero chkSubZero",
         "chkAdd chkAddPos chkSub chkSubZero", "Include|Included||"},
        {"one of two kinds may go", "chkSub chkSubZero chkSubNeg chkSubZero",
         "chkAdd chkAddPos chkSub chkSubNeg", "Include|Included||"},
        {"exclude and include keeps kinds", "chkSub chkSubPos chkSubNeg chkSub chkSub",
         "chkAdd chkAddPos chkSub chkSubPos chkSubNeg", "Include|Included||"},
        {"division alone refused", "chkDiv chkAdd chkDiv", "chkAddPos chkDiv", "|||Included"},
        {"division form pair", "chkDiv chkDivWhole chkDivWhole chkDivFraction chkDivWhole",
         "chkAdd chkAddPos chkDiv chkDivFraction", "Include|||Included"},
        {"division sign pair apart", "chkDiv chkDivWhole chkDivNeg chkDivNeg",
         "chkAdd chkAddPos chkDiv chkDivNeg chkDivWhole", "Include|||Included"},
        {"multiplication pair", "chkMult chkMultNeg chkMultPos chkMultNeg chkMultPos",
         "chkAdd chkAddPos chkMult chkMultPos", "Include||Included|"},
    };
    for (const auto &row : rows) {
        const auto words = [](const char *text) {
            return QString::fromLatin1(text).split(QLatin1Char(' '));
        };
        const QStringList captions = QString::fromLatin1(row[3]).split(QLatin1Char('|'));
        for (const bool byKeyboard : {false, true}) {
            QTest::addRow("%s, %s", row[0], byKeyboard ? "keyboard" : "mouse")
                << byKeyboard << words(row[1]) << words(row[2]) << captions;
        }
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
        auto *box = control<QCheckBox>(m_window, name);
        if (byKeyboard) {
            tabTo(name);
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
        if (control<QCheckBox>(m_window, entry.box)->isChecked())
            checkedNow << entry.box;
    }
    QCOMPARE(checkedNow, checked);
    QStringList captionsNow;
    for (const Operation &operation : Operations)
        captionsNow << control<QCheckBox>(m_window, boxName(operation))->text();
    QCOMPARE(captionsNow, captions);
}

void tst_SetupWindow::termBoxTakesTextOverOnLeaving_data()
{
    QTest::addColumn<bool>("byTab");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("shown");

    // txtTerm2Low starts at 1.
    const struct {
        const char *typed;
        int limit;
        const char *shown;
    } rows[] = {
        {"abc", 1, "1"},      {"", 1, "1"},         {"2.5", 2, "2.5"}, {"3.5", 4, "3.5"},
        {"-2.5", -2, "-2.5"}, {"1e3", 1000, "1e3"}, {"007", 7, "007"}, {"1e10", 1, "1"},
        {"12a", 1, "1"},      {" 12 ", 12, " 12 "},
    };
    for (const auto &row : rows) {
        for (const bool byTab : {true, false}) {
            QTest::addRow("'%s' by %s", row.typed, byTab ? "Tab" : "clicking S W A P")
                << byTab << QString::fromLatin1(row.typed) << row.limit
                << QString::fromLatin1(row.shown);
        }
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
        QTest::keyClick(control(m_window, "txtTerm2Low"), Qt::Key_Tab);
        QCOMPARE(textOf(m_window, "txtTerm2Low"), shown);
        QCOMPARE(glTerm2Low, limit);
        QCOMPARE(glTerm1Low, 3);
        QCOMPARE(glTerm1High, 30);
        QCOMPARE(glTerm2High, 20);
    } else {
        // The focus rule runs before the swap, which then hands the text on as it stands.
        QTest::mouseClick(control<QPushButton>(m_window, "cmdFlip"), Qt::LeftButton);
        QCOMPARE(textOf(m_window, "txtTerm1Low"), shown);
        QCOMPARE(glTerm1Low, limit);
        QCOMPARE(textOf(m_window, "txtTerm2Low"), QStringLiteral("3"));
        QCOMPARE(glTerm2Low, 3);
        QCOMPARE(glTerm1High, 20);
        QCOMPARE(glTerm2High, 30);
    }
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
    QCOMPARE(textOf(m_window, "txtTerm1High"), QStringLiteral("abc"));

    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTRY_COMPARE(QApplication::focusWidget(), control(m_window, "txtTerm1High"));
    QTest::keyClick(control(m_window, "txtTerm1High"), Qt::Key_Tab);
    QCOMPARE(textOf(m_window, "txtTerm1High"), QStringLiteral("10"));
    QCOMPARE(glTerm1High, 10);
}

void tst_SetupWindow::termBoxUsesTheUsersNumberFormat()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    gsngWaitSeconds = 1.5f;
    open();
    QCOMPARE(textOf(m_window, "txtWaitSeconds"), QStringLiteral("1,5"));

    typeInto("txtTerm2Low", QStringLiteral("3,5"));
    QTest::keyClick(control(m_window, "txtTerm2Low"), Qt::Key_Tab);
    QCOMPARE(glTerm2Low, 4);
    QCOMPARE(textOf(m_window, "txtTerm2Low"), QStringLiteral("3,5"));
}

void tst_SetupWindow::closeTakesTheEditedTextOver()
{
    open();
    typeInto("txtTerm1Low", QStringLiteral("7"));
    QTest::mouseClick(control<QPushButton>(m_window, "cmdClose"), Qt::LeftButton);
    QTRY_VERIFY(!m_window);
    QCOMPARE(glTerm1Low, 7);
}

void tst_SetupWindow::swapExchangesTheTermsTwice()
{
    glTerm2Low = 5;
    glTerm2High = 20;
    open();
    auto texts = [this] {
        return QStringList{textOf(m_window, "txtTerm1Low"), textOf(m_window, "txtTerm1High"),
                           textOf(m_window, "txtTerm2Low"), textOf(m_window, "txtTerm2High")};
    };
    auto limits = [] { return QList<int>{glTerm1Low, glTerm1High, glTerm2Low, glTerm2High}; };

    QTest::mouseClick(control<QPushButton>(m_window, "cmdFlip"), Qt::LeftButton);
    QCOMPARE(texts(), (QStringList{"5", "20", "1", "10"}));
    QCOMPARE(limits(), (QList<int>{5, 20, 1, 10}));
    QTest::keyClick(control(m_window, "cmdFlip"), Qt::Key_Space);
    QCOMPARE(texts(), (QStringList{"1", "10", "5", "20"}));
    QCOMPARE(limits(), (QList<int>{1, 10, 5, 20}));
}

void tst_SetupWindow::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Return") << Qt::KeyboardModifiers() << Qt::Key_Return;
    QTest::newRow("keypad Enter") << Qt::KeyboardModifiers(Qt::KeypadModifier) << Qt::Key_Enter;
}

void tst_SetupWindow::enterPressesTheFocusedButton()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(Qt::Key, key);

    glTerm2Low = 5;
    open();
    // On a text box or a check box Enter does nothing.
    tabTo(QStringLiteral("txtTerm1Low"));
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    tabTo(QStringLiteral("chkSub"));
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    QCOMPARE(glTerm1Low, 1);
    QVERIFY(!gbSub);

    tabTo(QStringLiteral("cmdFlip"));
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    QCOMPARE(glTerm1Low, 5);
    tabTo(QStringLiteral("cmdClose"));
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    QTRY_VERIFY(!m_window);
}

void tst_SetupWindow::scrollBarStepsByKeyboard()
{
    open();
    auto *bar = control<QScrollBar>(m_window, "scrWaitPercent");
    tabTo(QStringLiteral("scrWaitPercent"));
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(gsngWaitSeconds, 1.5f);
    QTest::keyClick(bar, Qt::Key_PageUp);
    QCOMPARE(gsngWaitSeconds, 2.5f);
    QTest::keyClick(bar, Qt::Key_Left);
    QCOMPARE(textOf(m_window, "txtWaitSeconds"), QStringLiteral("2"));
}

void tst_SetupWindow::draggingTheThumbUpdatesEveryPosition()
{
    gsngWaitSeconds = 0.5f;
    open();
    auto *bar = control<QScrollBar>(m_window, "scrWaitPercent");

    struct Seen {
        int position;
        bool held;
        float wait;
        QString waitText;
        QString unit;
    };
    std::vector<Seen> seen;
    connect(bar, &QScrollBar::valueChanged, this, [&](int position) {
        seen.push_back({position, bar->isSliderDown(), gsngWaitSeconds,
                        textOf(m_window, "txtWaitSeconds"), textOf(m_window, "lblSeconds")});
    });

    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    option.pageStep = bar->pageStep();
    const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                     QStyle::SC_ScrollBarSlider, bar);
    auto send = [bar](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, bar->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(bar, &event);
    };
    QPoint at = thumb.center();
    send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    while (bar->value() < 20 && at.x() < bar->width()) {
        at.rx() += 1;
        send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
    }
    send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);

    // Every position on the way, not only the last, has set the wait, the text and the word.
    QCOMPARE(int(seen.size()), 15);
    for (std::size_t i = 0; i < seen.size(); ++i) {
        const Seen &step = seen[i];
        QCOMPARE(step.position, int(6 + i));
        QVERIFY(step.held);
        QCOMPARE(step.wait, float(step.position / 10.0));
        QCOMPARE(step.waitText, QString::number(step.position / 10.0));
        QCOMPARE(step.unit, QLatin1String(step.position == 10 ? "Second" : "Seconds"));
    }
}

void tst_SetupWindow::optionButtonsKeepTheWait()
{
    open();
    control<QScrollBar>(m_window, "scrWaitPercent")->setValue(35);
    QTest::mouseClick(control(m_window, "optShowAnswer_No"), Qt::LeftButton);
    QVERIFY(!gbShowAnswer);
    QVERIFY(!control<QRadioButton>(m_window, "optShowAnswer_Yes")->isChecked());
    QTest::mouseClick(control(m_window, "optShowAnswer_Yes"), Qt::LeftButton);
    QVERIFY(gbShowAnswer);
    QCOMPARE(gsngWaitSeconds, 3.5f);
}

void tst_SetupWindow::setupPressedTwiceDoesNotReload()
{
    frmMain *drill = Main();
    QVERIFY(QTest::qWaitForWindowExposed(drill));
    auto *setupButton = control<QPushButton>(drill, "cmdSetup");

    QTest::mouseClick(setupButton, Qt::LeftButton);
    QCOMPARE(openSetupWindows().size(), 1);
    m_window = openSetupWindows().constFirst();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    typeInto("txtTerm1Low", QStringLiteral("55"));

    QTest::mouseClick(setupButton, Qt::LeftButton);
    QCOMPARE(openSetupWindows(), QList<frmSetup *>{m_window.data()});
    QCOMPARE(textOf(m_window, "txtTerm1Low"), QStringLiteral("55"));
    QCOMPARE(glTerm1Low, 1);

    // After a close the next press builds the window again from the settings.
    m_window->close();
    QTRY_VERIFY(!m_window);
    QTest::mouseClick(setupButton, Qt::LeftButton);
    QCOMPARE(openSetupWindows().size(), 1);
    m_window = openSetupWindows().constFirst();
    QCOMPARE(textOf(m_window, "txtTerm1Low"), QStringLiteral("1"));
}

void tst_SetupWindow::pictureCoversTheWindow()
{
    open();
    const QImage picture = control<QLabel>(m_window, "Image1")->pixmap().toImage();
    QCOMPARE(picture.size(), QSize(2, 576));
    QCOMPARE(picture.pixelColor(0, 0), QColor(204, 204, 255));
    QCOMPARE(picture.pixelColor(1, 286), QColor(254, 204, 153));

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
    // The term limits panel: its 2-pixel outline at x 24 and 25, then its grey.
    const QColor outline = m_window->palette().color(QPalette::WindowText);
    QCOMPARE(shot.pixelColor(24, 175), outline);
    QCOMPARE(shot.pixelColor(25, 175), outline);
    QCOMPARE(shot.pixelColor(26, 175), QColor(170, 170, 170));
    // Over the operations panel only the division column's rule runs down to y 200.
    QCOMPARE(shot.pixelColor(624, 190), outline);
    QCOMPARE(shot.pixelColor(433, 190), QColor(170, 170, 170));
    QCOMPARE(shot.pixelColor(433, 170), outline);
}

TALLYWICK_TEST_MAIN(tst_SetupWindow)
#include "tst_setupwindow.moc"
