#include "testSupport.h"

#include "app/modSubMain.h"
#include "drill/frmMain.h"
#include "model/modGlobalsConstants.h"
#include "model/modTwips.h"
#include "widgets/modAppearance.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace
{

const QColor Box0Fill(0, 96, 128);
const QColor Box48Fill(32, 160, 208);

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 64;
}

// The contrast of two colours as WCAG 2 measures it, from 1 to 21.
double contrast(QRgb a, QRgb b)
{
    auto luminance = [](QRgb c) {
        auto linear = [](int v) {
            return v < 11 ? v / 3294.6 : std::pow((v + 14.025) / 269.025, 2.4);
        };
        return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
    };
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

} // namespace

class tst_DrillLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clientAreaIsFixed();
    void captionsStayReadable_data();
    void captionsStayReadable();
    void buttons_data();
    void buttons();
    void fonts_data();
    void fonts();
    void tahomaIsFound_data();
    void tahomaIsFound();
    void shapeColours_data();
    void shapeColours();
    void ruleIsThreePixelsThick_data();
    void ruleIsThreePixelsThick();
    void labelsShowThePanelThrough();
    void longResultGrowsRightAndStaysBelowButtons();
    void tabCyclesThroughButtons();
    void keysPressFocusedButton_data();
    void keysPressFocusedButton();
    void noDefaultOrCancelButton();
    void iconHasEverySize();
    void iconFileHoldsThreeImages_data();
    void iconFileHoldsThreeImages();

private:
    void showWindow();
    QImage picture() const { return m_window->grab().toImage(); }

    QPointer<frmMain> m_window;
};

void tst_DrillLayout::init()
{
    SetDefaultSettings();
    gsngWaitSeconds = 0.0f; // reveal at once; the wait has its own tests
    m_window = new frmMain;
}

void tst_DrillLayout::cleanup()
{
    closeAllWindows();
}

void tst_DrillLayout::showWindow()
{
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void tst_DrillLayout::clientAreaIsFixed()
{
    QCOMPARE(m_window->size(), QSize(twips(7545), twips(5970)));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Tallywick"));
    for (auto enlarge : {&QWidget::showMaximized, &QWidget::showFullScreen}) {
        (m_window->*enlarge)();
        QTRY_COMPARE(m_window->windowState(), Qt::WindowNoState);
        QCOMPARE(m_window->size(), QSize(twips(7545), twips(5970)));
    }
}

void tst_DrillLayout::captionsStayReadable_data()
{
    QTest::addColumn<QPalette>("theme");

    const QColor light(252, 252, 252), dark(42, 46, 50);
    QTest::newRow("dark") << QPalette(light, dark, dark, dark, dark, light, light, dark, dark);
    QTest::newRow("yellow on black")
        << QPalette(Qt::yellow, Qt::black, Qt::black, Qt::black, Qt::black, Qt::yellow, Qt::yellow,
                    Qt::black, Qt::black);
}

// Every caption, heading and number of both windows against what lies behind it: each pixel that
// the caption changes is ink over ground, the strongest pair its colour on the ground.
void tst_DrillLayout::captionsStayReadable()
{
    QFETCH(QPalette, theme);
    const auto restore =
        qScopeGuard([system = QApplication::palette()] { QApplication::setPalette(system); });
    QApplication::setPalette(theme);
    QCoreApplication::sendPostedEvents(); // as when the desktop's theme changes
    QTest::mouseClick(control<QPushButton>(m_window, "cmdNewProblem"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(m_window, "cmdSetup"), Qt::LeftButton);
    for (QWidget *window : QList<QWidget *>{m_window, openSetupWindows().value(0)}) {
        for (QWidget *part : window->findChildren<QWidget *>()) {
            const QString caption = part->property("text").toString();
            if (caption.isEmpty())
                continue;
            const QImage shown = window->grab().toImage();
            part->setProperty("text", QString());
            const QImage ground = window->grab().toImage();
            part->setProperty("text", caption);
            double ratio = 1;
            const QRect area = part->geometry() & window->rect();
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    ratio = std::max(ratio, contrast(shown.pixel(x, y), ground.pixel(x, y)));
            QVERIFY2(ratio >= (part->isEnabled() ? 4.5 : 3),
                     qPrintable(part->objectName() + QStringLiteral(" %1:1").arg(ratio)));
        }
    }
}

void tst_DrillLayout::buttons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("Quit") << "cmdQuit"
                          << "Quit" << QRect(twips(5760), twips(4320), twips(975), twips(495));
    QTest::newRow("New Problem") << "cmdNewProblem"
                                 << "New Problem"
                                 << QRect(twips(5520), twips(1080), twips(1500), twips(1575));
    QTest::newRow("Setup") << "cmdSetup"
                           << "Setup" << QRect(twips(5760), twips(3600), twips(975), twips(495));
}

void tst_DrillLayout::buttons()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);

    auto *button = control<QPushButton>(m_window, name);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->geometry(), geometry);
    QVERIFY(button->isEnabled());
}

void tst_DrillLayout::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("pointSize");

    QTest::newRow("cmdQuit") << "cmdQuit" << 9.75;
    QTest::newRow("cmdNewProblem") << "cmdNewProblem" << 12.0;
    QTest::newRow("cmdSetup") << "cmdSetup" << 9.75;
    QTest::newRow("lblTerm1") << "lblTerm1" << 48.0;
    QTest::newRow("lblTerm2") << "lblTerm2" << 48.0;
    QTest::newRow("lblResult") << "lblResult" << 48.0;
    QTest::newRow("lblOperator") << "lblOperator" << 24.0;
}

void tst_DrillLayout::fonts()
{
    QFETCH(QString, name);
    QFETCH(qreal, pointSize);

    const QFont font = control<QWidget>(m_window, name)->font();
    QCOMPARE(font.family(), QStringLiteral("Tahoma"));
    QCOMPARE(font.pointSizeF(), pointSize);
    QCOMPARE(font.weight(), QFont::Normal);
    QVERIFY(!font.italic());
    QVERIFY(!font.underline());
    QVERIFY(!font.strikeOut());
}

void tst_DrillLayout::tahomaIsFound_data()
{
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<int>("lineHeight"); // in twips, as the labels have it

    QTest::newRow("numbers") << 48.0 << 1155;
    QTest::newRow("operator") << 24.0 << 585;
}

void tst_DrillLayout::tahomaIsFound()
{
    QFETCH(qreal, pointSize);
    QFETCH(int, lineHeight);

    if (!QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")) &&
        !QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        QSKIP("no Tahoma here; the system's sans-serif stands in");
    const QFont font = TahomaFont(pointSize);
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("Tahoma"));
    QVERIFY(QFontInfo(TahomaFont(pointSize, true)).bold());
    // Read, not mapped: a file replaced during the run must not turn a read of the font into
    // SIGBUS.
    QFile maps(QStringLiteral("/proc/self/maps"));
    QVERIFY(!maps.open(QIODevice::ReadOnly) || !maps.readAll().contains("/fonts/tahoma"));
    // Rounding to whole pixels may differ a little between rasterisers, a line of another height
    // would not.
    const int height = QFontMetrics(font).height();
    QVERIFY2(qAbs(height - twips(lineHeight)) <= 2, qPrintable(QString::number(height)));
}

void tst_DrillLayout::shapeColours_data()
{
    QTest::addColumn<QPoint>("where");
    QTest::addColumn<QString>("expected"); // "Box0", "Box48" or "outline"

    const int right = twips(7545) - 1;
    const int bottom = twips(5970) - 1;
    const int panelLeft = twips(840);
    const int panelRight = twips(840) + twips(3975) - 1;
    const int panelBottom = twips(840) + twips(4335) - 1;

    QTest::newRow("Box0 near top-left") << QPoint(3, 3) << "Box0";
    QTest::newRow("Box0 near top-right") << QPoint(right - 3, 3) << "Box0";
    QTest::newRow("Box0 near bottom-left") << QPoint(3, bottom - 3) << "Box0";
    // Box0 is larger than the client area, so its right and bottom outline are out of sight.
    QTest::newRow("Box0 bottom-right corner") << QPoint(right, bottom) << "Box0";
    QTest::newRow("Box0 outline top-left") << QPoint(0, 0) << "outline";
    QTest::newRow("Box0 outline left") << QPoint(0, bottom / 2) << "outline";
    QTest::newRow("Box0 between panel and buttons") << QPoint(panelRight + 20, 40) << "Box0";
    QTest::newRow("Box0 below panel") << QPoint(100, panelBottom + 10) << "Box0";
    QTest::newRow("Box48 inside top-left") << QPoint(panelLeft + 3, panelLeft + 3) << "Box48";
    QTest::newRow("Box48 inside bottom-right")
        << QPoint(panelRight - 3, panelBottom - 3) << "Box48";
    QTest::newRow("Box48 outline left") << QPoint(panelLeft, 200) << "outline";
    QTest::newRow("Box48 outline right") << QPoint(panelRight, 200) << "outline";
    QTest::newRow("Box48 outline bottom") << QPoint(200, panelBottom) << "outline";
    QTest::newRow("Box0 just right of panel") << QPoint(panelRight + 1, 200) << "Box0";
}

void tst_DrillLayout::shapeColours()
{
    QFETCH(QPoint, where);
    QFETCH(QString, expected);

    const QColor outline = m_window->palette().color(QPalette::WindowText);
    const QColor want = expected == QLatin1String("Box0")    ? Box0Fill
                        : expected == QLatin1String("Box48") ? Box48Fill
                                                             : outline;
    QCOMPARE(picture().pixelColor(where), want);
}

void tst_DrillLayout::ruleIsThreePixelsThick_data()
{
    QTest::addColumn<int>("x");

    QTest::newRow("left end") << twips(1440);
    QTest::newRow("under the numbers") << twips(2000) + 10;
    QTest::newRow("right end") << twips(4080);
}

void tst_DrillLayout::ruleIsThreePixelsThick()
{
    QFETCH(int, x);

    const QImage image = picture();
    const int y = twips(3360);
    QVERIFY(!isDark(image.pixel(x, y - 2)));
    QVERIFY(isDark(image.pixel(x, y - 1)));
    QVERIFY(isDark(image.pixel(x, y)));
    QVERIFY(isDark(image.pixel(x, y + 1)));
    QVERIFY(!isDark(image.pixel(x, y + 2)));
    QCOMPARE(image.pixelColor(twips(1440) - 1, y), Box48Fill);
    QCOMPARE(image.pixelColor(twips(4080) + 1, y), Box48Fill);
}

void tst_DrillLayout::labelsShowThePanelThrough()
{
    glTerm1Low = glTerm1High = 8;
    glTerm2Low = glTerm2High = 8;
    QTest::mouseClick(control<QPushButton>(m_window, "cmdNewProblem"), Qt::LeftButton);

    auto *term1 = control<QLabel>(m_window, "lblTerm1");
    QCOMPARE(term1->text(), QStringLiteral("8"));
    const QImage image = picture();
    // The digit has room above it within its own line; a label with a background would hide the
    // panel there.
    QCOMPARE(image.pixelColor(term1->geometry().topLeft() + QPoint(1, 1)), Box48Fill);
    QCOMPARE(image.pixelColor(term1->geometry().topRight() + QPoint(-1, 1)), Box48Fill);
}

void tst_DrillLayout::longResultGrowsRightAndStaysBelowButtons()
{
    showWindow();
    gbAddPos = false;
    gbAddNeg = true;
    glTerm1Low = glTerm1High = -999999999;
    glTerm2Low = glTerm2High = -999999999;
    auto *newProblem = control<QPushButton>(m_window, "cmdNewProblem");
    QTest::mouseClick(newProblem, Qt::LeftButton);

    auto *result = control<QLabel>(m_window, "lblResult");
    auto *setup = control<QPushButton>(m_window, "cmdSetup");
    QCOMPARE(result->text(), QStringLiteral("-1999999998"));
    QCOMPARE(result->pos(), QPoint(twips(2000), twips(3600)));
    QVERIFY2(result->geometry().intersects(setup->geometry()),
             "the result should be long enough to reach the Setup button");

    const QImage image = picture();
    // Ink starts near the shared left edge ...
    auto inkInColumn = [&](int x) {
        for (int y = result->y(); y < result->y() + result->height(); ++y)
            if (isDark(image.pixel(x, y)))
                return true;
        return false;
    };
    int firstInk = twips(840) + 1; // inside the panel's outline
    while (firstInk < image.width() && !inkInColumn(firstInk))
        ++firstInk;
    QVERIFY2(firstInk >= twips(2000) && firstInk < twips(2000) + 10,
             qPrintable(QString::number(firstInk)));

    // ... continues over Box0 past the panel ...
    bool inkOverBox0 = false;
    const int panelRight = twips(840) + twips(3975);
    for (int x = panelRight + 1; x < setup->x(); ++x)
        inkOverBox0 = inkOverBox0 || inkInColumn(x);
    QVERIFY(inkOverBox0);

    // ... and leaves the button as the button alone draws itself.
    const QRect inside = QRect(QPoint(3, 3), setup->size() - QSize(6, 6));
    const QImage alone = setup->grab().toImage().convertToFormat(image.format());
    QCOMPARE(image.copy(inside.translated(setup->pos())), alone.copy(inside));

    // A short text afterwards shrinks the label back, still from the same corner.
    gbAddPos = true;
    gbAddNeg = false;
    glTerm1Low = glTerm1High = 1;
    glTerm2Low = glTerm2High = 2;
    const int longWidth = result->width();
    QTest::mouseClick(newProblem, Qt::LeftButton);
    QCOMPARE(result->text(), QStringLiteral("3"));
    QCOMPARE(result->pos(), QPoint(twips(2000), twips(3600)));
    QVERIFY(result->width() < longWidth / 5);
}

void tst_DrillLayout::tabCyclesThroughButtons()
{
    showWindow();
    const QStringList cycle = {"cmdSetup", "cmdNewProblem", "cmdQuit", "cmdSetup", "cmdNewProblem"};
    QCOMPARE(QApplication::focusWidget()->objectName(), cycle.first());
    for (qsizetype i = 1; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), cycle.at(i));
    }
}

void tst_DrillLayout::keysPressFocusedButton_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("outcome");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("Return on Setup") << 0 << Qt::Key_Return << none << "Setup opens";
    QTest::newRow("keypad Enter on Setup")
        << 0 << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier) << "Setup opens";
    QTest::newRow("Space on Setup") << 0 << Qt::Key_Space << none << "Setup opens";
    QTest::newRow("Return on New Problem") << 1 << Qt::Key_Return << none << "problem shown";
    QTest::newRow("Space on New Problem") << 1 << Qt::Key_Space << none << "problem shown";
    QTest::newRow("Return on Quit") << 2 << Qt::Key_Return << none << "window closes";
}

void tst_DrillLayout::keysPressFocusedButton()
{
    QFETCH(int, tabs);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, outcome);

    showWindow();
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);

    auto setupIsOpen = [] { return !openSetupWindows().isEmpty(); };
    if (outcome == QLatin1String("Setup opens")) {
        QTRY_VERIFY(setupIsOpen());
    } else if (outcome == QLatin1String("problem shown")) {
        QVERIFY(!setupIsOpen());
        QVERIFY(!control<QLabel>(m_window, "lblTerm1")->text().isEmpty());
        QVERIFY(!control<QLabel>(m_window, "lblResult")->text().isEmpty());
    } else {
        QTRY_VERIFY(m_window.isNull());
        QVERIFY(!setupIsOpen());
    }
}

void tst_DrillLayout::noDefaultOrCancelButton()
{
    showWindow();
    for (QPushButton *button : m_window->findChildren<QPushButton *>()) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
    // With the focus on Setup, Escape neither closes the window nor presses anything.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(m_window->isVisible());
    QCOMPARE(QApplication::topLevelWidgets().size(), 1);
}

void tst_DrillLayout::iconHasEverySize()
{
    const QIcon icon = ProgramIcon();
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    QVERIFY(sizes.contains(QSize(32, 32)));
    QVERIFY(sizes.contains(QSize(16, 16)));
    for (const int large : {48, 64, 128, 256}) {
        QVERIFY(sizes.contains(QSize(large, large)));
        QCOMPARE(icon.pixmap(large, large).size(), QSize(large, large));
    }
    // The large sizes follow the window's first frame.
    showWindow();
    QTRY_COMPARE(m_window->windowIcon().availableSizes(), sizes);

    // A real picture, not one colour throughout.
    const QImage small = icon.pixmap(16, 16).toImage();
    QVERIFY(small.pixel(1, 8) != small.pixel(8, 3));
}

void tst_DrillLayout::iconFileHoldsThreeImages_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("colours");
    QTest::addColumn<int>("bitsPerPixel");

    QTest::newRow("32x32, 2 colours") << 0 << 32 << 2 << 1;
    QTest::newRow("32x32, 16 colours") << 1 << 32 << 16 << 4;
    QTest::newRow("16x16, 16 colours") << 2 << 16 << 16 << 4;
}

void tst_DrillLayout::iconFileHoldsThreeImages()
{
    QFETCH(int, index);
    QFETCH(int, size);
    QFETCH(int, colours);
    QFETCH(int, bitsPerPixel);

    QVERIFY(!ProgramIcon().isNull()); // registers the program's resources
    QFile file(QStringLiteral(":/icons/tallywick.ico"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    QVERIFY(bytes.size() >= 6 + 3 * 16);
    QCOMPARE(qFromLittleEndian<quint16>(data + 2), quint16(1)); // an icon, not a cursor
    QCOMPARE(qFromLittleEndian<quint16>(data + 4), quint16(3));

    // The directory entry and the image's own header must agree.
    const uchar *entry = data + 6 + 16 * index;
    QCOMPARE(int(entry[0]), size);
    QCOMPARE(int(entry[1]), size);
    QCOMPARE(int(entry[2]), colours);
    QCOMPARE(int(qFromLittleEndian<quint16>(entry + 6)), bitsPerPixel);
    const quint32 length = qFromLittleEndian<quint32>(entry + 8);
    const quint32 offset = qFromLittleEndian<quint32>(entry + 12);
    QVERIFY(offset + length <= quint32(bytes.size()));
    const uchar *header = data + offset;
    QCOMPARE(qFromLittleEndian<qint32>(header + 4), size);
    QCOMPARE(qFromLittleEndian<qint32>(header + 8), 2 * size); // colour bitmap and mask
    QCOMPARE(int(qFromLittleEndian<quint16>(header + 14)), bitsPerPixel);

    QImageReader reader(&file, "ico");
    file.seek(0);
    QVERIFY(reader.jumpToImage(index));
    const QImage image = reader.read();
    QCOMPARE(image.size(), QSize(size, size));

    // The program decodes the file itself, and must draw what Qt's own reader draws.
    auto picture = [size](const QIcon &icon) {
        return icon.pixmap(QSize(size, size))
            .toImage()
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    QCOMPARE(picture(ProgramIcon()), picture(QIcon(QStringLiteral(":/icons/tallywick.ico"))));
}

TALLYWICK_TEST_MAIN(tst_DrillLayout)
#include "tst_drilllayout.moc"
