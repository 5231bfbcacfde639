#include "model/modSetupText.h"

#include "testSupport.h"

#include <QLocale>

#include <limits>

using OptionalLimit = std::optional<std::int32_t>;
Q_DECLARE_METATYPE(OptionalLimit)

namespace
{

QLocale numberFormat(bool decimalComma)
{
    return decimalComma ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c();
}

} // namespace

class tst_SetupText : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void termLimitFromText_data();
    void termLimitFromText();
    void tinyNumberIsZeroInEveryFormat();
    void waitSecondsText_data();
    void waitSecondsText();
    void everyPositionComesBackFromItsWait();
};

void tst_SetupText::termLimitFromText_data()
{
    QTest::addColumn<bool>("decimalComma");
    QTest::addColumn<QString>("text");
    QTest::addColumn<OptionalLimit>("limit");

    const OptionalLimit none;
    constexpr auto largest = std::numeric_limits<std::int32_t>::max();
    constexpr auto smallest = std::numeric_limits<std::int32_t>::min();

    QTest::newRow("blanks around") << false << "  42 " << OptionalLimit(42);
    QTest::newRow("plus sign") << false << "+5" << OptionalLimit(5);
    QTest::newRow("3.5 to even 4") << false << "3.5" << OptionalLimit(4);
    QTest::newRow("2.51 up") << false << "2.51" << OptionalLimit(3);
    QTest::newRow("25E-1") << false << "25E-1" << OptionalLimit(2);
    QTest::newRow("largest") << false << "2147483647.4" << OptionalLimit(largest);
    QTest::newRow("tie above largest") << false << "2147483647.5" << none;
    QTest::newRow("tie to even smallest") << false << "-2147483648.5" << OptionalLimit(smallest);
    QTest::newRow("below smallest") << false << "-2147483649" << none;
    QTest::newRow("1e400") << false << "1e400" << none;
    QTest::newRow("1e-400, too small for a double") << false << "1e-400" << OptionalLimit(0);
    QTest::newRow("-1e-400") << false << "-1e-400" << OptionalLimit(0);
    QTest::newRow("blanks only") << false << "   " << none;
    QTest::newRow("sign only") << false << "-" << none;
    QTest::newRow("inf") << false << "inf" << none;
    QTest::newRow("nan") << false << "nan" << none;
    QTest::newRow("hexadecimal") << false << "0x10" << none;
    QTest::newRow("comma: 2,5") << true << "2,5" << OptionalLimit(2);
    QTest::newRow("comma: -3,5") << true << "-3,5" << OptionalLimit(-4);
    QTest::newRow("comma: 1e3") << true << "1e3" << OptionalLimit(1000);
    QTest::newRow("comma: 12a") << true << "12a" << none;
    QTest::newRow("comma: -1,5e-400") << true << "-1,5e-400" << OptionalLimit(0);
    QTest::newRow("comma: 1.5e-400") << true << "1.5e-400" << none;
}

void tst_SetupText::termLimitFromText()
{
    QFETCH(bool, decimalComma);
    QFETCH(QString, text);
    QFETCH(OptionalLimit, limit);
    QLocale::setDefault(numberFormat(decimalComma));
    QCOMPARE(TermLimitFromText(text), limit);
    // Whatever is taken over shows again as text that reads back as the same limit.
    if (limit)
        QCOMPARE(TermLimitFromText(TermLimitText(*limit)), limit);
}

void tst_SetupText::tinyNumberIsZeroInEveryFormat()
{
    // As QLocale does, beside a format's own signs, take ASCII ones and the Unicode minus.
    for (const char *name : {"fi_FI", "nb_NO", "sv_SE", "he_IL", "ar_EG", "de_DE"}) {
        QLocale::setDefault(QLocale(QLatin1String(name)));
        for (const char16_t *text : {u"1E-400", u"-1E-400", u"+1E-400", u"\u22121E\u2212400"})
            QVERIFY2(TermLimitFromText(QString::fromUtf16(text)) == OptionalLimit(0), name);
    }
}

void tst_SetupText::waitSecondsText_data()
{
    QTest::addColumn<bool>("decimalComma");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");

    QTest::newRow("0") << false << 0 << "0";
    QTest::newRow("1") << false << 1 << "0.1";
    QTest::newRow("33") << false << 33 << "3.3";
    QTest::newRow("100") << false << 100 << "10";
    QTest::newRow("comma: 15") << true << 15 << "1,5";
    QTest::newRow("comma: 20") << true << 20 << "2";
}

void tst_SetupText::waitSecondsText()
{
    QFETCH(bool, decimalComma);
    QFETCH(int, position);
    QFETCH(QString, text);
    QLocale::setDefault(numberFormat(decimalComma));
    QCOMPARE(WaitSecondsText(WaitSecondsFromPosition(position)), text);
}

void tst_SetupText::everyPositionComesBackFromItsWait()
{
    // Opening the window turns the wait into a position and back; no wait may drift.
    for (int position = 0; position <= 100; ++position) {
        const float seconds = WaitSecondsFromPosition(position);
        QCOMPARE(seconds, float(position / 10.0));
        QCOMPARE(PositionFromWaitSeconds(seconds), std::int16_t(position));
    }
    QCOMPARE(PositionFromWaitSeconds(1e9f), std::numeric_limits<std::int16_t>::max());
}

TALLYWICK_TEST_MAIN(tst_SetupText)
#include "tst_setuptext.moc"
