#include "setup/modSetupText.h"

#include "testSupport.h"

#include <QLocale>

#include <limits>

using OptionalLimit = std::optional<std::int32_t>;
Q_DECLARE_METATYPE(OptionalLimit)

class tst_SetupText : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void termLimitFromText_data();
    void termLimitFromText();
    void termLimitFromTextWithDecimalComma_data();
    void termLimitFromTextWithDecimalComma();
    void termLimitText_data();
    void termLimitText();
    void waitFromPosition_data();
    void waitFromPosition();
    void waitTextWithDecimalComma();
    void everyPositionComesBackFromItsWait();
};

void tst_SetupText::termLimitFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<OptionalLimit>("limit");

    const OptionalLimit none;
    constexpr auto largest = std::numeric_limits<std::int32_t>::max();
    constexpr auto smallest = std::numeric_limits<std::int32_t>::min();

    QTest::newRow("12") << "12" << OptionalLimit(12);
    QTest::newRow("007") << "007" << OptionalLimit(7);
    QTest::newRow("blanks around") << "  42 " << OptionalLimit(42);
    QTest::newRow("plus sign") << "+5" << OptionalLimit(5);
    QTest::newRow("negative") << "-17" << OptionalLimit(-17);
    QTest::newRow("2.5 to even 2") << "2.5" << OptionalLimit(2);
    QTest::newRow("3.5 to even 4") << "3.5" << OptionalLimit(4);
    QTest::newRow("-2.5 to even -2") << "-2.5" << OptionalLimit(-2);
    QTest::newRow("0.5 to even 0") << "0.5" << OptionalLimit(0);
    QTest::newRow("2.51 up") << "2.51" << OptionalLimit(3);
    QTest::newRow("1e3") << "1e3" << OptionalLimit(1000);
    QTest::newRow("1E3") << "1E3" << OptionalLimit(1000);
    QTest::newRow("25e-1") << "25e-1" << OptionalLimit(2);
    QTest::newRow("largest") << "2147483647" << OptionalLimit(largest);
    QTest::newRow("largest plus a fraction") << "2147483647.4" << OptionalLimit(largest);
    QTest::newRow("tie above largest") << "2147483647.5" << none;
    QTest::newRow("smallest") << "-2147483648" << OptionalLimit(smallest);
    QTest::newRow("tie to even smallest") << "-2147483648.5" << OptionalLimit(smallest);
    QTest::newRow("below smallest") << "-2147483649" << none;
    QTest::newRow("1e10") << "1e10" << none;
    QTest::newRow("1e400") << "1e400" << none;
    QTest::newRow("empty") << "" << none;
    QTest::newRow("blanks only") << "   " << none;
    QTest::newRow("abc") << "abc" << none;
    QTest::newRow("12a") << "12a" << none;
    QTest::newRow("sign only") << "-" << none;
    QTest::newRow("inner blank") << "1 2" << none;
    QTest::newRow("inf") << "inf" << none;
    QTest::newRow("nan") << "nan" << none;
    QTest::newRow("hexadecimal") << "0x10" << none;
}

void tst_SetupText::termLimitFromText()
{
    QFETCH(QString, text);
    QFETCH(OptionalLimit, limit);
    QCOMPARE(TermLimitFromText(text), limit);
}

void tst_SetupText::termLimitFromTextWithDecimalComma_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<OptionalLimit>("limit");

    QTest::newRow("2,5") << "2,5" << OptionalLimit(2);
    QTest::newRow("3,5") << "3,5" << OptionalLimit(4);
    QTest::newRow("-2,5") << "-2,5" << OptionalLimit(-2);
    QTest::newRow("1e3") << "1e3" << OptionalLimit(1000);
    QTest::newRow("007") << "007" << OptionalLimit(7);
    QTest::newRow("12a") << "12a" << OptionalLimit();
}

void tst_SetupText::termLimitFromTextWithDecimalComma()
{
    QFETCH(QString, text);
    QFETCH(OptionalLimit, limit);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(TermLimitFromText(text), limit);
}

void tst_SetupText::termLimitText_data()
{
    QTest::addColumn<std::int32_t>("limit");
    QTest::addColumn<QString>("text");

    QTest::newRow("0") << std::int32_t(0) << "0";
    QTest::newRow("-5") << std::int32_t(-5) << "-5";
    QTest::newRow("no grouping") << std::int32_t(1234567) << "1234567";
    QTest::newRow("smallest") << std::numeric_limits<std::int32_t>::min() << "-2147483648";
}

void tst_SetupText::termLimitText()
{
    QFETCH(std::int32_t, limit);
    QFETCH(QString, text);
    // The shown text is the program's own, the same in every number format, and reads back.
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale::setDefault(locale);
        QCOMPARE(TermLimitText(limit), text);
        QCOMPARE(TermLimitFromText(text), OptionalLimit(limit));
    }
}

void tst_SetupText::waitFromPosition_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<float>("seconds");
    QTest::addColumn<QString>("text");

    QTest::newRow("0") << 0 << 0.0f << "0";
    QTest::newRow("1") << 1 << 0.1f << "0.1";
    QTest::newRow("10") << 10 << 1.0f << "1";
    QTest::newRow("11") << 11 << 1.1f << "1.1";
    QTest::newRow("15") << 15 << 1.5f << "1.5";
    QTest::newRow("33") << 33 << 3.3f << "3.3";
    QTest::newRow("100") << 100 << 10.0f << "10";
}

void tst_SetupText::waitFromPosition()
{
    QFETCH(int, position);
    QFETCH(float, seconds);
    QFETCH(QString, text);
    QCOMPARE(WaitSecondsFromPosition(position), seconds);
    QCOMPARE(WaitSecondsText(seconds), text);
}

void tst_SetupText::waitTextWithDecimalComma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(WaitSecondsText(1.5f), QStringLiteral("1,5"));
    QCOMPARE(WaitSecondsText(0.1f), QStringLiteral("0,1"));
    QCOMPARE(WaitSecondsText(10.0f), QStringLiteral("10"));
}

void tst_SetupText::everyPositionComesBackFromItsWait()
{
    // Opening the window turns the wait into a position and back; no wait may drift.
    for (int position = 0; position <= 100; ++position) {
        const float seconds = WaitSecondsFromPosition(position);
        QCOMPARE(PositionFromWaitSeconds(seconds), std::int16_t(position));
        QCOMPARE(WaitSecondsFromPosition(PositionFromWaitSeconds(seconds)), seconds);
    }
    QCOMPARE(PositionFromWaitSeconds(1e9f), std::numeric_limits<std::int16_t>::max());
}

TALLYWICK_TEST_MAIN(tst_SetupText)
#include "tst_setuptext.moc"
