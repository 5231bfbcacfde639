#include "testSupport.h"

#include "app/modSubMain.h"
#include "drill/frmMain.h"

#include <QCheckBox>
#include <QDir>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTranslator>

namespace
{

// Fails where a caption overruns the room its control gives it, in the control's own font: a
// button's text area beside its indicator, a heading's own width, an auto-size label's way to the
// next control on its row or to its panel's edge. The English captions all fit, and no box has
// room for a second line.
void checkCaptions(const QWidget *window)
{
    const auto siblings = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *control : siblings) {
        const auto *label = qobject_cast<QLabel *>(control);
        const auto *button = qobject_cast<QAbstractButton *>(control);
        const QString caption = button ? button->text() : label ? label->text() : QString();
        QRect room = control->geometry();
        if (button) {
            QStyleOptionButton option;
            option.initFrom(button);
            const auto element = control->inherits("QCheckBox") ? QStyle::SE_CheckBoxContents
                                 : control->inherits("QRadioButton")
                                     ? QStyle::SE_RadioButtonContents
                                     : QStyle::SE_PushButtonContents;
            room = button->style()->subElementRect(element, &option, button);
        } else if (label && label->size() == label->sizeHint()) {
            room.setRight(window->width() - 1);
            for (const QWidget *other : siblings) {
                const QRect box = other->geometry();
                const bool panel = other->inherits("Shape") && box.contains(room.topLeft());
                const bool onRow = !other->inherits("Shape") && !other->inherits("Line") &&
                                   box.left() > room.left() && box.top() <= room.bottom() &&
                                   box.bottom() >= room.top();
                if (panel || onRow)
                    room.setRight(std::min(room.right(), panel ? box.right() : box.left() - 1));
            }
        }
        const int width = control->fontMetrics().horizontalAdvance(caption);
        QVERIFY2(width <= room.width() && !caption.contains(QLatin1Char('\n')),
                 qPrintable(QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                                .arg(control->objectName(), caption)
                                .arg(width)
                                .arg(room.width())));
    }
}

} // namespace

class tst_TranslationFit : public QObject
{
    Q_OBJECT

private slots:
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

        // Every caption a control can show: the operation boxes as created, then excluded and
        // included again; the unit after one second, after whole seconds and after tenths.
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
    }
};

TALLYWICK_TEST_MAIN(tst_TranslationFit)
#include "tst_translationfit.moc"
