#include "testSupport.h"

#include "model/modAcceptablePairs.h"
#include "model/modGlobalsConstants.h"
#include "model/modPrimeFactors.h"
#include "model/modProblemGenerator.h"
#include "model/modRandom.h"
#include "model/modResults.h"

#include <cmath>
#include <limits>
#include <random>
#include <set>
#include <vector>

// Checks the existence test and the direct construction of term pairs against brute force: over
// every limit setting in small boxes of values, and on a few settings at the 32-bit extremes.
class tst_GeneratorExhaustive : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void existenceMatchesBruteForce_data();
    void existenceMatchesBruteForce();
    void everyAcceptablePairIsReachable_data();
    void everyAcceptablePairIsReachable();
    void extremeSettings_data();
    void extremeSettings();
    void commonPairsNeedNoNarrowing_data();
    void commonPairsNeedNoNarrowing();
    void impossibleOperationIsSetAside();
    void factorsAndDivisorsOfRandomNumbers();
    void wholeQuotientsOfLargeTopTerms();
    void divisorRecordHolders_data();
    void divisorRecordHolders();
};

namespace
{

constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();

void setLimits(std::int32_t low1, std::int32_t high1, std::int32_t low2, std::int32_t high2)
{
    glTerm1Low = low1;
    glTerm1High = high1;
    glTerm2Low = low2;
    glTerm2High = high2;
}

bool acceptable(int operation, std::int32_t term1, std::int32_t term2)
{
    const std::optional<std::int32_t> result = ComputeResult(operation, term1, term2);
    return result && ResultAllowed(operation, term1, term2, *result);
}

// The values random_number can give for these limits, taken from the draw itself at its smallest
// and largest r, rather than from the generator's own reading of the limits.
TermRange drawnRange(std::int32_t low, std::int32_t high)
{
    SetRandomSource([] { return 0.0f; });
    const double atZero = random_number(low, high);
    SetRandomSource([] { return std::nextafter(1.0f, 0.0f); });
    const double atOne = random_number(low, high);
    SetRandomSource({});
    return {std::int64_t(std::min(atZero, atOne)), std::int64_t(std::max(atZero, atOne))};
}

QString describe(int operation, int mask)
{
    return QStringLiteral("operation %1 flags %2 limits %3..%4 and %5..%6")
        .arg(operation)
        .arg(mask, resultKindCount(operation), 2, QLatin1Char('0'))
        .arg(glTerm1Low)
        .arg(glTerm1High)
        .arg(glTerm2Low)
        .arg(glTerm2High);
}

// Compares the existence test and one construction with an exhaustive search for every flag
// combination and every setting of the four limits within centre +- radius; returns what failed.
QString checkBox(int operation, std::int32_t centre1, std::int32_t centre2, int radius)
{
    const int width = 2 * radius + 1;
    const std::int64_t first1 = std::int64_t(centre1) - radius;
    const std::int64_t first2 = std::int64_t(centre2) - radius;

    std::vector<TermRange> ranges1;
    std::vector<TermRange> ranges2;
    for (int low = 0; low < width; ++low) {
        for (int high = 0; high < width; ++high) {
            ranges1.push_back(drawnRange(std::int32_t(first1 + low), std::int32_t(first1 + high)));
            ranges2.push_back(drawnRange(std::int32_t(first2 + low), std::int32_t(first2 + high)));
        }
    }

    for (int mask = 0; mask < 1 << resultKindCount(operation); ++mask) {
        includeOnly(operation, mask);
        // Acceptable pairs of the box, summed from the corner so a rectangle's count is O(1).
        std::vector<int> sums((width + 1) * (width + 1), 0);
        auto sum = [&](std::int64_t i, std::int64_t j) -> int & {
            return sums[i * (width + 1) + j];
        };
        for (int i = 0; i < width; ++i) {
            for (int j = 0; j < width; ++j) {
                const bool ok =
                    acceptable(operation, std::int32_t(first1 + i), std::int32_t(first2 + j));
                sum(i + 1, j + 1) = sum(i, j + 1) + sum(i + 1, j) - sum(i, j) + (ok ? 1 : 0);
            }
        }

        for (int limits1 = 0; limits1 < width * width; ++limits1) {
            for (int limits2 = 0; limits2 < width * width; ++limits2) {
                setLimits(
                    std::int32_t(first1 + limits1 / width), std::int32_t(first1 + limits1 % width),
                    std::int32_t(first2 + limits2 / width), std::int32_t(first2 + limits2 % width));
                const TermRange r1 = ranges1[limits1];
                const TermRange r2 = ranges2[limits2];
                const std::int64_t i0 = r1.lo - first1, i1 = r1.hi - first1 + 1;
                const std::int64_t j0 = r2.lo - first2, j1 = r2.hi - first2 + 1;
                const bool expected = sum(i1, j1) - sum(i0, j1) - sum(i1, j0) + sum(i0, j0) > 0;

                if (AcceptablePairExists(operation) != expected)
                    return QStringLiteral("exists says %1 for ").arg(!expected) +
                           describe(operation, mask);
                const std::optional<TermPair> pair = ConstructAcceptablePair(operation);
                if (pair.has_value() != expected)
                    return QStringLiteral("construction found %1 for ").arg(pair.has_value()) +
                           describe(operation, mask);
                if (pair &&
                    (pair->term1 < r1.lo || pair->term1 > r1.hi || pair->term2 < r2.lo ||
                     pair->term2 > r2.hi || !acceptable(operation, pair->term1, pair->term2)))
                    return QStringLiteral("construction gave %1 and %2 for ")
                               .arg(pair->term1)
                               .arg(pair->term2) +
                           describe(operation, mask);
            }
        }
    }
    return QString();
}

// The divisors of n (at least 1) by trial division up to its square root.
std::vector<std::int64_t> divisorsByTrial(std::int64_t n)
{
    std::vector<std::int64_t> divisors;
    for (std::int64_t d = 1; d * d <= n; ++d) {
        if (n % d == 0) {
            divisors.push_back(d);
            if (d * d != n)
                divisors.push_back(n / d);
        }
    }
    return divisors;
}

// A prime near value, found by trial division.
std::uint32_t primeNear(std::uint32_t value)
{
    while (divisorsByTrial(value).size() != 2)
        ++value;
    return value;
}

} // namespace

void tst_GeneratorExhaustive::init()
{
    SetDefaultSettings();
    SetRandomSource({});
    SeedRandomGenerator(20240601, false);
    SetPlainDrawLimit(-1);
}

void tst_GeneratorExhaustive::cleanup()
{
    SetRandomSource({});
    SeedRandomGenerator(0x853C49E6748FEA9Bull, true);
    SetPlainDrawLimit(-1);
    SetDefaultSettings();
}

void tst_GeneratorExhaustive::existenceMatchesBruteForce_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("centre1");
    QTest::addColumn<int>("centre2");
    QTest::addColumn<int>("radius");

    // Every limit from -6 to 6 for both terms, high below low included.
    QTest::newRow("addition around 0") << int(OperationAdd) << 0 << 0 << 6;
    QTest::newRow("subtraction around 0") << int(OperationSubtract) << 0 << 0 << 6;
    QTest::newRow("multiplication around 0") << int(OperationMultiply) << 0 << 0 << 6;
    QTest::newRow("division around 0") << int(OperationDivide) << 0 << 0 << 6;
    QTest::newRow("division, small divisors of larger tops")
        << int(OperationDivide) << 24 << 4 << 4;

    // Where results leave 32 bits.
    QTest::newRow("sum near INT32_MAX") << int(OperationAdd) << Max - 6 << 6 << 6;
    QTest::newRow("sum near INT32_MIN") << int(OperationAdd) << Min + 6 << -6 << 6;
    QTest::newRow("difference near INT32_MAX") << int(OperationSubtract) << Max - 6 << -6 << 6;
    QTest::newRow("difference near INT32_MIN") << int(OperationSubtract) << Min + 6 << 6 << 6;
    QTest::newRow("difference of the extremes")
        << int(OperationSubtract) << Min + 6 << Max - 6 << 6;
    QTest::newRow("product near INT32_MAX") << int(OperationMultiply) << 46341 << 46341 << 6;
    QTest::newRow("product near INT32_MIN") << int(OperationMultiply) << 46341 << -46341 << 6;
    QTest::newRow("product 2^31") << int(OperationMultiply) << 65536 << 32768 << 4;
    QTest::newRow("product -2^31") << int(OperationMultiply) << -65536 << 32768 << 4;
    QTest::newRow("product with INT32_MIN") << int(OperationMultiply) << Min + 4 << 0 << 4;
    QTest::newRow("INT32_MIN divided by small terms") << int(OperationDivide) << Min + 4 << 0 << 4;
    QTest::newRow("INT32_MAX divided by small terms") << int(OperationDivide) << Max - 4 << 0 << 4;
    QTest::newRow("small terms divided by INT32_MIN") << int(OperationDivide) << 0 << Min + 4 << 4;
    QTest::newRow("small terms divided by INT32_MAX") << int(OperationDivide) << 0 << Max - 4 << 4;
}

void tst_GeneratorExhaustive::existenceMatchesBruteForce()
{
    QFETCH(int, operation);
    QFETCH(int, centre1);
    QFETCH(int, centre2);
    QFETCH(int, radius);
    const QString failure = checkBox(operation, centre1, centre2, radius);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void tst_GeneratorExhaustive::everyAcceptablePairIsReachable_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("mask");
    for (const Operation &operation : Operations) {
        for (int mask = 0; mask < 1 << resultKindCount(operation.code); ++mask) {
            QTest::addRow("%s flags %d", operation.name, mask) << int(operation.code) << mask;
        }
    }
}

void tst_GeneratorExhaustive::everyAcceptablePairIsReachable()
{
    QFETCH(int, operation);
    QFETCH(int, mask);
    includeOnly(operation, mask);
    // The top term's high is below its low, so it runs from -2 to 4.
    setLimits(4, -3, -4, 4);
    const int draws = 20000;

    bool wanted[7][9] = {};
    bool seen[7][9] = {};
    bool any = false;
    for (int t1 = -2; t1 <= 4; ++t1) {
        for (int t2 = -4; t2 <= 4; ++t2) {
            wanted[t1 + 2][t2 + 4] = acceptable(operation, t1, t2);
            any = any || wanted[t1 + 2][t2 + 4];
        }
    }
    for (int draw = 0; draw < draws; ++draw) {
        const std::optional<TermPair> pair = ConstructAcceptablePair(operation);
        QCOMPARE(pair.has_value(), any);
        if (!pair)
            break;
        QVERIFY(pair->term1 >= -2 && pair->term1 <= 4 && pair->term2 >= -4 && pair->term2 <= 4);
        seen[pair->term1 + 2][pair->term2 + 4] = true;
    }
    // A top term of 4 comes only from r = 0, once in 2^24 draws, and as rarely here.
    for (int t1 = -2; t1 <= 3; ++t1) {
        for (int t2 = -4; t2 <= 4; ++t2) {
            QVERIFY2(seen[t1 + 2][t2 + 4] == wanted[t1 + 2][t2 + 4],
                     qPrintable(QStringLiteral("%1 and %2").arg(t1).arg(t2)));
        }
    }
}

void tst_GeneratorExhaustive::extremeSettings_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("low1");
    QTest::addColumn<int>("high1");
    QTest::addColumn<int>("low2");
    QTest::addColumn<int>("high2");
    QTest::addColumn<bool>("exists");

    for (const Operation &row : Operations) {
        const int operation = row.code;
        for (int mask = 0; mask < 1 << resultKindCount(operation); ++mask) {
            includeOnly(operation, mask);
            const bool open = OperationCanSucceed(operation);
            QTest::addRow("%s flags %d, full ranges", row.name, mask)
                << operation << mask << Min << Max << Min << Max << open;
            QTest::addRow("%s flags %d, full ranges high below low", row.name, mask)
                << operation << mask << Max << Min << Max << Min << open;
        }
    }
    SetDefaultSettings();

    const int allDivision = 0b1111;
    QTest::newRow("INT32_MIN / -1 only")
        << int(OperationDivide) << allDivision << Min << Min << -1 << -1 << false;
    QTest::newRow("INT32_MIN / -1 or / 1, negative whole")
        << int(OperationDivide) << 0b0110 << Min << Min << -1 << 1 << true;
    QTest::newRow("INT32_MIN / -1 or / 1, positive whole")
        << int(OperationDivide) << 0b0101 << Min << Min << -1 << 1 << false;
    QTest::newRow("INT32_MIN x -1 only")
        << int(OperationMultiply) << 0b11 << Min << Min << -1 << -1 << false;
    QTest::newRow("INT32_MIN - -1")
        << int(OperationSubtract) << 0b100 << Min << Min << -1 << -1 << true;
    QTest::newRow("INT32_MAX + anything positive")
        << int(OperationAdd) << 0b111 << Max << Max << 1 << Max << false;
    QTest::newRow("INT32_MIN + anything negative")
        << int(OperationAdd) << 0b111 << Min << Min << Min << -1 << false;
    QTest::newRow("INT32_MIN - anything positive")
        << int(OperationSubtract) << 0b111 << Min << Min << 1 << Max << false;
    // 2^31 - 1 is prime: no divisor from 2 up, only remainders.
    QTest::newRow("prime top, whole only")
        << int(OperationDivide) << 0b0111 << Max << Max << 2 << Max - 1 << false;
    QTest::newRow("prime top, fraction only")
        << int(OperationDivide) << 0b1011 << Max << Max << 2 << Max - 1 << true;
    QTest::newRow("products of 46341 and up, positive only")
        << int(OperationMultiply) << 0b01 << 46341 << Max << 46341 << Max << false;
    QTest::newRow("products of 46340 and up, positive only")
        << int(OperationMultiply) << 0b01 << 46341 << Max << 46340 << Max << true;
    QTest::newRow("65536 x -32768, negative only")
        << int(OperationMultiply) << 0b10 << 65536 << 65536 << -32768 << -32768 << true;
    QTest::newRow("65536 x 32768, positive only")
        << int(OperationMultiply) << 0b01 << 65536 << 65536 << 32768 << 32768 << false;
    QTest::newRow("whole quotients of large terms")
        << int(OperationDivide) << 0b0101 << 1 << 2000000000 << 1 << 2000000000 << true;
    // Eleven divisors, each with one multiple among tops that r reaches only every sixth value.
    QTest::newRow("a few divisors of wide tops, none drawn")
        << int(OperationDivide) << 0b0110 << -1564131493 << -1667128927 << 554590243 << 554590253
        << false;
    // Every top r reaches is even but one, where double rounding bites.
    QTest::newRow("one odd top, halved")
        << int(OperationDivide) << 0b1001 << -1577058304 << Min << -2 << 0 << true;
    QTest::newRow("quotient rounding to 0 by INT32_MIN")
        << int(OperationDivide) << 0b1000 << Min + 1 << Max << Min << Min << true;
}

void tst_GeneratorExhaustive::extremeSettings()
{
    QFETCH(int, operation);
    QFETCH(int, mask);
    QFETCH(int, low1);
    QFETCH(int, high1);
    QFETCH(int, low2);
    QFETCH(int, high2);
    QFETCH(bool, exists);

    includeOnly(operation, mask);
    setLimits(low1, high1, low2, high2);
    QCOMPARE(AcceptablePairExists(operation), exists);

    // Read off the draw formula: limits this far apart are too wide for 24 bits of r to reach
    // every value.
    const TermRange r1 = drawnTerms(low1, high1);
    const TermRange r2 = drawnTerms(low2, high2);
    for (int draw = 0; draw < 200; ++draw) {
        const std::optional<TermPair> pair = ConstructAcceptablePair(operation);
        QCOMPARE(pair.has_value(), exists);
        if (!pair)
            break;
        QVERIFY(r1.contains(pair->term1));
        QVERIFY(r2.contains(pair->term2));
        QVERIFY2(acceptable(operation, pair->term1, pair->term2),
                 qPrintable(QStringLiteral("%1 and %2").arg(pair->term1).arg(pair->term2)));
    }

    // The whole press, with and without the plain draws first.
    for (const int plainDraws : {-1, 0}) {
        SetPlainDrawLimit(plainDraws);
        const GenerateOutcome outcome = DrawProblem();
        QCOMPARE(outcome, exists ? GenerateOutcome::Drawn : GenerateOutcome::NothingFits);
        if (exists) {
            QCOMPARE(glOperator, operation);
            QVERIFY(acceptable(operation, glTerm1, glTerm2));
            QCOMPARE(glResult, *ComputeResult(operation, glTerm1, glTerm2));
        }
    }
}

void tst_GeneratorExhaustive::commonPairsNeedNoNarrowing_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("low1");
    QTest::addColumn<int>("high1");
    QTest::addColumn<int>("low2");
    QTest::addColumn<int>("high2");
    // Whole quotients where units spread at even distances kept step with the tops that divide,
    // so the first press narrowed the proposals for 0.02 to 3 s.
    QTest::newRow("by 2..7") << 0b0101 << 765541709 << 1073741824 << 7 << 1;
    QTest::newRow("by 1000, high below low") << 0b0101 << 694752360 << -1458623029 << 1000 << 1000;
    QTest::newRow("halves, negative")
        << 0b0111 << 1331270303 << 2000000000 << -732180657 << -705859601;
}

void tst_GeneratorExhaustive::commonPairsNeedNoNarrowing()
{
    QFETCH(int, mask);
    QFETCH(int, low1);
    QFETCH(int, high1);
    QFETCH(int, low2);
    QFETCH(int, high2);
    includeOnly(OperationDivide, mask);
    setLimits(low1, high1, low2, high2);
    pairs::Pair pair;
    QVERIFY(AcceptablePairSampler(OperationDivide).probe(pair, 4096));
}

void tst_GeneratorExhaustive::impossibleOperationIsSetAside()
{
    // Only negative sums with positive terms: addition never fits, so every problem is one of the
    // rare positive differences, found although plain draws would almost never hit one.
    gbAddPos = false;
    gbAddNeg = true;
    gbSub = true;
    gbSubPos = true;
    setLimits(1, 1000000, 999990, 1000000);
    for (int press = 0; press < 100; ++press) {
        QCOMPARE(DrawProblem(), GenerateOutcome::Drawn);
        QCOMPARE(glOperator, int(OperationSubtract));
        QVERIFY(glTerm1 > glTerm2);
    }

    gbSubPos = false;
    gbSubNeg = true;
    setLimits(10, 20, 1, 5);
    QCOMPARE(DrawProblem(), GenerateOutcome::NothingFits);
    QCOMPARE(glOperator, 0);
    QCOMPARE(glTerm1, 0);
    QCOMPARE(glTerm2, 0);
    QCOMPARE(glResult, 0);
}

void tst_GeneratorExhaustive::factorsAndDivisorsOfRandomNumbers()
{
    std::mt19937 random(7);
    std::vector<std::uint32_t> numbers = {
        1,           2,           4294967295u,     4294967291u,    2147483648u,
        2147483647u, 3215031751u, 65521u * 65521u, 46327u * 46337u};
    for (int i = 0; i < 300; ++i)
        numbers.push_back(std::max(1u, std::uint32_t(random() >> (random() % 32))));
    for (int i = 0; i < 100; ++i) // two factors near the square root: the hardest to split
        numbers.push_back(primeNear(40000 + random() % 25000) *
                          primeNear(40000 + random() % 25000));

    for (const std::uint32_t n : numbers) {
        const PrimeFactors factors = FactorInteger(n);
        std::uint64_t product = 1;
        for (int i = 0; i < factors.count; ++i) {
            product *= factors.factor[i];
            QVERIFY2(divisorsByTrial(factors.factor[i]).size() == 2,
                     qPrintable(QStringLiteral("%1 in %2").arg(factors.factor[i]).arg(n)));
            QCOMPARE(IsPrime(factors.factor[i]), true);
        }
        QCOMPARE(product, std::uint64_t(n));
        QCOMPARE(IsPrime(n), n > 1 && factors.count == 1);

        std::uint32_t divisors[MaxDivisors];
        const int count = ListDivisors(n, divisors);
        std::vector<std::int64_t> expected = divisorsByTrial(n);
        std::sort(expected.begin(), expected.end());
        std::sort(divisors, divisors + count);
        QCOMPARE(std::vector<std::int64_t>(divisors, divisors + count), expected);
    }
}

void tst_GeneratorExhaustive::wholeQuotientsOfLargeTopTerms()
{
    // A few top terms in a row, large and with few divisors, over wide and narrow ranges of
    // bottom terms: the pairs there are found by factoring or scanning, never by a formula.
    std::mt19937 random(11);
    auto between = [&](std::int64_t lo, std::int64_t hi) {
        return lo + std::int64_t(random() % std::uint64_t(hi - lo + 1));
    };
    for (int round = 0; round < 120; ++round) {
        std::int64_t top = 0;
        switch (round % 3) {
        case 0:
            top = between(1 << 30, Max);
            break;
        case 1:
            top = std::int64_t(primeNear(std::uint32_t(between(30000, 46000)))) *
                  primeNear(std::uint32_t(between(30000, 46000)));
            break;
        case 2:
            top = primeNear(std::uint32_t(between(1 << 30, Max - 1000)));
            break;
        }
        const std::int64_t width = between(1, 3);
        const int topSign = round % 2 == 0 ? 1 : -1;
        const std::int64_t bottomLow = between(2, 5) == 2 ? 2 : between(2, 60000);
        const std::int64_t bottomHigh = round % 4 == 0 ? between(bottomLow, 60000) : Max - 1;
        const int bottomSign = round % 5 < 3 ? 1 : -1;
        includeOnly(OperationDivide, 0b0111);
        const std::int64_t topFirst = topSign > 0 ? top : -(top + width - 1);
        setLimits(std::int32_t(topFirst), std::int32_t(topFirst + width - 1),
                  std::int32_t(bottomSign > 0 ? bottomLow : -bottomHigh),
                  std::int32_t(bottomSign > 0 ? bottomHigh : -bottomLow));

        std::set<std::pair<std::int32_t, std::int32_t>> wanted;
        for (std::int64_t t = top; t < top + width; ++t) {
            for (const std::int64_t d : divisorsByTrial(t)) {
                // Wide ranges of bottom terms skip values: only those random_number gives count.
                if (d >= bottomLow && d <= bottomHigh &&
                    onLattice(glTerm2Low, glTerm2High, bottomSign * d))
                    wanted.insert({std::int32_t(topSign * t), std::int32_t(bottomSign * d)});
            }
        }
        const QString setting = describe(OperationDivide, 0b0111);
        QVERIFY2(AcceptablePairExists(OperationDivide) == !wanted.empty(), qPrintable(setting));
        std::set<std::pair<std::int32_t, std::int32_t>> seen;
        for (int draw = 0; draw < 100; ++draw) {
            const std::optional<TermPair> pair = ConstructAcceptablePair(OperationDivide);
            QVERIFY2(pair.has_value() == !wanted.empty(), qPrintable(setting));
            if (!pair)
                break;
            QVERIFY2(wanted.count({pair->term1, pair->term2}) == 1,
                     qPrintable(QStringLiteral("%1 / %2 for ").arg(pair->term1).arg(pair->term2) +
                                setting));
            seen.insert({pair->term1, pair->term2});
        }
        if (wanted.size() <= 4)
            QVERIFY2(seen == wanted, qPrintable(QStringLiteral("not all reached for ") + setting));
    }
}

void tst_GeneratorExhaustive::divisorRecordHolders_data()
{
    QTest::addColumn<qint64>("number");
    QTest::addColumn<int>("divisorCount");
    // Below 2^31 no number has more divisors than these; the last is the record below 2^32.
    QTest::newRow("735134400") << qint64(735134400) << 1344;
    QTest::newRow("1102701600") << qint64(1102701600) << 1440;
    QTest::newRow("1396755360") << qint64(1396755360) << 1536;
    QTest::newRow("2095133040") << qint64(2095133040) << 1600;
    QTest::newRow("3491888400") << qint64(3491888400) << 1920;
}

void tst_GeneratorExhaustive::divisorRecordHolders()
{
    QFETCH(qint64, number);
    QFETCH(int, divisorCount);
    std::uint32_t divisors[MaxDivisors];
    QCOMPARE(ListDivisors(std::uint32_t(number), divisors), divisorCount);
    if (number > Max)
        return;

    // As the one top term and among a few, either sign, over narrow and wide divisor ranges.
    includeOnly(OperationDivide, 0b0111);
    for (const std::int64_t sign : {1, -1}) {
        for (const int width : {0, 2}) {
            for (const std::int32_t highest : {1000, Max - 1}) {
                const auto low = std::int32_t(sign * number - width);
                setLimits(low, std::int32_t(std::min<std::int64_t>(Max, sign * number + width)), 2,
                          highest);
                for (const int plainDraws : {-1, 0}) {
                    SetPlainDrawLimit(plainDraws);
                    QCOMPARE(DrawProblem(), GenerateOutcome::Drawn);
                    QVERIFY(acceptable(OperationDivide, glTerm1, glTerm2));
                    QVERIFY(glTerm2 >= 2 && glTerm2 <= highest);
                }
            }
        }
    }
}

TALLYWICK_TEST_MAIN(tst_GeneratorExhaustive)

#include "tst_generatorexhaustive.moc"
