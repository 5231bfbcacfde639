#include "model/modMixedNumber.h"

#include <QCoreApplication>

#include <cstdlib>
#include <iterator>
#include <numeric>

namespace
{

// The fractions school names, from halves to tenths: one part, then several of them. A half in
// lowest terms is never more than one. The words are the drill window's, in its context.
struct FractionName {
    const char *one;
    const char *several;
};

constexpr FractionName FractionNames[] = {
    {QT_TRANSLATE_NOOP("frmMain", "one half"), nullptr},
    {QT_TRANSLATE_NOOP("frmMain", "one third"), QT_TRANSLATE_N_NOOP("frmMain", "%n thirds")},
    {QT_TRANSLATE_NOOP("frmMain", "one quarter"), QT_TRANSLATE_N_NOOP("frmMain", "%n quarters")},
    {QT_TRANSLATE_NOOP("frmMain", "one fifth"), QT_TRANSLATE_N_NOOP("frmMain", "%n fifths")},
    {QT_TRANSLATE_NOOP("frmMain", "one sixth"), QT_TRANSLATE_N_NOOP("frmMain", "%n sixths")},
    {QT_TRANSLATE_NOOP("frmMain", "one seventh"), QT_TRANSLATE_N_NOOP("frmMain", "%n sevenths")},
    {QT_TRANSLATE_NOOP("frmMain", "one eighth"), QT_TRANSLATE_N_NOOP("frmMain", "%n eighths")},
    {QT_TRANSLATE_NOOP("frmMain", "one ninth"), QT_TRANSLATE_N_NOOP("frmMain", "%n ninths")},
    {QT_TRANSLATE_NOOP("frmMain", "one tenth"), QT_TRANSLATE_N_NOOP("frmMain", "%n tenths")},
};

QString fractionWords(std::int64_t numerator, std::int64_t denominator)
{
    const auto named = denominator - 2;
    if (named >= 0 && named < std::ssize(FractionNames)) {
        const FractionName &name = FractionNames[named];
        // Below the denominator, at most 9: the count fits an int.
        return numerator == 1
                   ? QCoreApplication::translate("frmMain", name.one)
                   : QCoreApplication::translate("frmMain", name.several, nullptr, int(numerator));
    }
    //: A fraction whose denominator has no name of its own, said as a formula is read:
    //: "15 over 17".
    return QCoreApplication::translate("frmMain", "%1 over %2").arg(numerator).arg(denominator);
}

} // namespace

std::optional<MixedNumber> FractionalQuotient(std::int32_t top, std::int32_t bottom)
{
    if (bottom == 0)
        return std::nullopt;
    const std::int64_t dividend = std::abs(std::int64_t(top));
    const std::int64_t divisor = std::abs(std::int64_t(bottom));
    const std::int64_t remainder = dividend % divisor;
    if (remainder == 0)
        return std::nullopt;
    const std::int64_t common = std::gcd(remainder, divisor);
    return MixedNumber{(top < 0) != (bottom < 0), dividend / divisor, remainder / common,
                       divisor / common};
}

QString MixedNumberText(const MixedNumber &number)
{
    QString text = number.negative ? QStringLiteral("-") : QString();
    if (number.whole != 0)
        text += QString::number(number.whole) + QLatin1Char(' ');
    return text + QString::number(number.numerator) + QLatin1Char('/') +
           QString::number(number.denominator);
}

QString MixedNumberWords(const MixedNumber &number)
{
    QString words = fractionWords(number.numerator, number.denominator);
    // With a remainder the divisor is at least 2, so the whole part is at most 2^30 and fits.
    if (number.whole != 0)
        //: A whole number and a fraction, as a mixed number is said: "3 and one half".
        words = QCoreApplication::translate("frmMain", "%n and %1", nullptr, int(number.whole))
                    .arg(words);
    //: A negative mixed number or fraction: "minus 3 and one half".
    return number.negative ? QCoreApplication::translate("frmMain", "minus %1").arg(words) : words;
}
