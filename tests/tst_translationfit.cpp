#include "testSupport.h"

#include "app/modSubMain.h"
#include "drill/frmMain.h"

#include <QCheckBox>
#include <QDir>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTranslator>

// Every caption of both windows in the control's own font, in each state that changes one, for
// English and every translation: a button's caption within the text area its box leaves beside
// any indicator, a label's within its own box, touching no other control and staying on its
// panel. The English ones all fit, and no box has room for a second line.
class tst_TranslationFit : public QObject
{
    Q_OBJECT

    void checkCaptions(const QWidget *window)
    {
        const auto controls = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *control : controls) {
            const auto *button = qobject_cast<QAbstractButton *>(control);
            const auto *label = qobject_cast<QLabel *>(control);
            const QString caption = button ? button->text() : label ? label->text() : QString();
            QRect room = control->geometry();
            QStyleOptionButton option;
            option.initFrom(control);
            if (button)
                room = control->style()->subElementRect(
                    control->inherits("QCheckBox")      ? QStyle::SE_CheckBoxContents
                    : control->inherits("QRadioButton") ? QStyle::SE_RadioButtonContents
                                                        : QStyle::SE_PushButtonContents,
                    &option, control);
            for (const QWidget *other : controls) {
                const QRect box = other->geometry();
                const bool decoration = other == control || other->inherits("Line") ||
                                        other->objectName() == QLatin1String("Image1");
                const bool panel = other->inherits("Shape") && box.contains(room.topLeft());
                QVERIFY2(!label || caption.isEmpty() || decoration ||
                             (panel ? box.contains(room.topRight())
                                    : other->inherits("Shape") || !box.intersects(room)),
                         qPrintable(control->objectName() + " reaches " + other->objectName()));
            }
            const int width = control->fontMetrics().horizontalAdvance(caption);
            QVERIFY2(width <= room.width() && !caption.contains(QLatin1Char('\n')),
                     qPrintable(QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                                    .arg(control->objectName(), caption)
                                    .arg(width)
                                    .arg(room.width())));
        }
    }

private slots:
    // A style that is not there would leave Qt's default one, and measure nothing new.
    void initTestCase()
    {
        const QString asked = qEnvironmentVariable("QT_STYLE_OVERRIDE");
        QVERIFY(asked.isEmpty() ||
                !QApplication::style()->name().compare(asked, Qt::CaseInsensitive));
    }
    void cleanup() { closeAllWindows(); }

    void everyCaptionFits_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("English") << QString();
        const QStringList files = QDir(QStringLiteral(":/i18n")).entryList();
        QVERIFY(files.size() >= 12);
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << QStringLiteral(":/i18n/") + file;
    }

    void everyCaptionFits()
    {
        QFETCH(QString, file);
        QTranslator translator;
        QVERIFY(file.isEmpty() || translator.load(file));
        QCoreApplication::installTranslator(&translator);
        // The operation boxes as created, then excluded and included again; the unit after one
        // second, after whole seconds and after tenths.
        TestSleep sleep;
        frmMain *drill = Main();
        includeEverything();
        checkCaptions(drill);
        QTest::mouseClick(control(drill, QStringLiteral("cmdSetup")), Qt::LeftButton);
        frmSetup *setup = openSetupWindows().value(0);
        checkCaptions(setup);
        for (QCheckBox *box : setup->findChildren<QCheckBox *>()) {
            box->click();
            box->click();
        }
        for (int position : {0, 15, 20}) {
            control<QScrollBar>(setup, QStringLiteral("scrWaitPercent"))->setValue(position);
            checkCaptions(setup);
        }

        // The answer of terms of up to four digits stays inside the light panel, fraction and
        // all: the widest of each shape, from a whole part of four digits beside a denominator of
        // one to no whole part beside one of four.
        includeOnly(OperationDivide, ~0u);
        const QRect inside =
            control(drill, QStringLiteral("Box48"))->geometry().adjusted(1, 1, -1, -1);
        const std::pair<int, int> widest[] = {{-9999, 7},   {-9999, 2},    {-9999, 97},
                                              {-9999, 997}, {-9999, 5000}, {-9999, -9998},
                                              {-9998, 9999}};
        for (const auto &[top, bottom] : widest) {
            glTerm1Low = glTerm1High = top;
            glTerm2Low = glTerm2High = bottom;
            QTest::mouseClick(control(drill, QStringLiteral("cmdNewProblem")), Qt::LeftButton);
            QVERIFY2(inside.contains(control(drill, QStringLiteral("lblResult"))->geometry()),
                     qPrintable(textOf(drill, QStringLiteral("lblResult"))));
        }
    }
};

TALLYWICK_TEST_MAIN(tst_TranslationFit)
#include "tst_translationfit.moc"
