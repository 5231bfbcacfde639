#include "testSupport.h"

#include "model/modGlobalsConstants.h"
#include "model/modProblemGenerator.h"
#include "model/modRandom.h"
#include "model/modResults.h"

#include <cmath>
#include <map>
#include <utility>
#include <vector>

// Every setting must give each acceptable problem as often as drawing both terms until the result
// is acceptable would: in proportion to the steps of r that give each term. Chi-square against
// probabilities counted by brute force, with fixed seeds; the bound sits so far in the tail that a
// fair generator fails it less than once in a million seeds.
class tst_GeneratorStatistics : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void problemsFollowTheDrawnDistribution_data();
    void problemsFollowTheDrawnDistribution();
    void shareOfQuotient1InTheFullBox();
    void operationsAreEquallyLikely();
};

namespace
{

// About ten standard deviations above the mean of a chi-square with this many degrees of freedom.
double generousBound(int degreesOfFreedom)
{
    return degreesOfFreedom + 10.0 * std::sqrt(2.0 * degreesOfFreedom) + 10.0;
}

double chiSquare(const std::map<std::pair<int, int>, int> &counts, int cells, int draws)
{
    const double expected = double(draws) / cells;
    double sum = 0;
    for (const auto &[pair, count] : counts)
        sum += (count - expected) * (count - expected) / expected;
    // Cells never drawn count too.
    sum += (cells - int(counts.size())) * expected;
    return sum;
}

// How many of the 2^24 steps of r give each term from low to high (low <= high).
std::vector<double> stepsPerTerm(std::int32_t low, std::int32_t high)
{
    std::vector<double> steps(std::size_t(high - low + 1), 0.0);
    for (std::int64_t k = 0; k < RandomSteps; ++k)
        steps[std::size_t(TermForFraction(low, high, float(k) * 0x1.0p-24f) - low)] += 1;
    return steps;
}

} // namespace

void tst_GeneratorStatistics::init()
{
    SetDefaultSettings();
    SetRandomSource({});
    SetPlainDrawLimit(-1);
}

void tst_GeneratorStatistics::cleanup()
{
    SeedRandomGenerator(0x853C49E6748FEA9Bull, true);
    SetDefaultSettings();
}

void tst_GeneratorStatistics::problemsFollowTheDrawnDistribution_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("kinds");
    QTest::addColumn<int>("low1");
    QTest::addColumn<int>("high1");
    QTest::addColumn<int>("low2");
    QTest::addColumn<int>("high2");
    QTest::addColumn<int>("plainDraws"); // -1 as a press has them, 0 for the construction alone
    QTest::addColumn<quint64>("seed");

    // kinds: the result-kind flags as bits, in the order of the operation table.
    QTest::newRow("defaults") << int(OperationAdd) << 0b001 << 1 << 10 << 1 << 10 << -1
                              << quint64(1);
    QTest::newRow("sums of 0 or less")
        << int(OperationAdd) << 0b110 << -5 << 5 << -5 << 5 << -1 << quint64(2);
    QTest::newRow("differences of 0 or more")
        << int(OperationSubtract) << 0b011 << 1 << 6 << 1 << 6 << -1 << quint64(3);
    QTest::newRow("products of 0 or less")
        << int(OperationMultiply) << 0b10 << -3 << 3 << -3 << 3 << -1 << quint64(4);
    QTest::newRow("positive whole quotients")
        << int(OperationDivide) << 0b0101 << 1 << 12 << 1 << 4 << -1 << quint64(5);
    // Where plain draws mostly miss, alone and after plain draws. Boxes of up to 4096 pairs are
    // counted pair by pair; the larger ones here are built from proposals.
    QTest::newRow("whole quotients, 1..24 both")
        << int(OperationDivide) << 0b0101 << 1 << 24 << 1 << 24 << 0 << quint64(6);
    QTest::newRow("whole quotients, 1..300 both, a press")
        << int(OperationDivide) << 0b0101 << 1 << 300 << 1 << 300 << -1 << quint64(7);
    QTest::newRow("whole quotients, 90..120 by 1..400")
        << int(OperationDivide) << 0b0101 << 90 << 120 << 1 << 400 << 0 << quint64(14);
    QTest::newRow("whole quotients, 2000..2010 by 40..2010")
        << int(OperationDivide) << 0b0101 << 2000 << 2010 << 40 << 2010 << 0 << quint64(15);
    QTest::newRow("positive differences, 1..5 minus 0..1000")
        << int(OperationSubtract) << 0b001 << 1 << 5 << 0 << 1000 << 0 << quint64(8);
    QTest::newRow("negative products, -40..30 by -20..45")
        << int(OperationMultiply) << 0b10 << -40 << 30 << -20 << 45 << 0 << quint64(9);
    QTest::newRow("negative whole quotients, -300..250 by -7..9")
        << int(OperationDivide) << 0b0110 << -300 << 250 << -7 << 9 << 0 << quint64(10);
    QTest::newRow("fractions only, -20..30 by 2..90")
        << int(OperationDivide) << 0b1011 << -20 << 30 << 2 << 90 << 0 << quint64(11);
    QTest::newRow("zero sums, -3..90 and -70..2, high below low")
        << int(OperationAdd) << 0b010 << -3 << 90 << 2 << -70 << 0 << quint64(12);
}

void tst_GeneratorStatistics::problemsFollowTheDrawnDistribution()
{
    QFETCH(int, operation);
    QFETCH(int, kinds);
    QFETCH(int, low1);
    QFETCH(int, high1);
    QFETCH(int, low2);
    QFETCH(int, high2);
    QFETCH(int, plainDraws);
    QFETCH(quint64, seed);

    includeOnly(operation, unsigned(kinds));
    glTerm1Low = low1;
    glTerm1High = high1;
    glTerm2Low = low2;
    glTerm2High = high2;
    SetPlainDrawLimit(plainDraws);

    // Each acceptable pair in proportion to the product of its terms' steps.
    const TermRange terms1 = drawnTerms(low1, high1);
    const TermRange terms2 = drawnTerms(low2, high2);
    const std::vector<double> steps1 =
        stepsPerTerm(std::int32_t(terms1.lo), std::int32_t(terms1.hi));
    const std::vector<double> steps2 =
        stepsPerTerm(std::int32_t(terms2.lo), std::int32_t(terms2.hi));
    std::map<std::pair<int, int>, double> weights;
    double total = 0;
    for (int t1 = int(terms1.lo); t1 <= terms1.hi; ++t1) {
        for (int t2 = int(terms2.lo); t2 <= terms2.hi; ++t2) {
            const std::optional<std::int32_t> result = ComputeResult(operation, t1, t2);
            if (!result || !ResultAllowed(operation, t1, t2, *result))
                continue;
            const double weight =
                steps1[std::size_t(t1 - terms1.lo)] * steps2[std::size_t(t2 - terms2.lo)];
            total += weights[{t1, t2}] = weight;
        }
    }
    QVERIFY(weights.size() > 10);

    SeedRandomGenerator(seed, false);
    const int draws = 100 * int(weights.size());
    std::map<std::pair<int, int>, int> counts;
    for (int draw = 0; draw < draws; ++draw) {
        QCOMPARE(DrawProblem(), GenerateOutcome::Drawn);
        QCOMPARE(glOperator, operation);
        QVERIFY(weights.count({glTerm1, glTerm2}) == 1);
        ++counts[{glTerm1, glTerm2}];
    }
    // Pairs expected fewer than 5 times (those of the lone step of r = 0) are pooled into one cell.
    double statistic = 0;
    int cells = 1;
    double rareExpected = 0;
    int rareCount = 0;
    for (const auto &[pair, weight] : weights) {
        const double expected = draws * weight / total;
        if (expected < 5) {
            rareExpected += expected;
            rareCount += counts[pair];
            continue;
        }
        statistic += (counts[pair] - expected) * (counts[pair] - expected) / expected;
        ++cells;
    }
    // A pool expected fewer than 5 times turns up more than 25 times once in 10^10 seeds.
    if (rareExpected >= 5)
        statistic += (rareCount - rareExpected) * (rareCount - rareExpected) / rareExpected;
    else
        QVERIFY(rareCount <= 25);
    cells -= rareExpected >= 5 ? 0 : 1;
    QVERIFY2(statistic < generousBound(cells - 1),
             qPrintable(QStringLiteral("chi-square %1 over %2 pairs").arg(statistic).arg(cells)));
}

void tst_GeneratorStatistics::shareOfQuotient1InTheFullBox()
{
    // Both terms over all 32-bit numbers: r's 2^24 steps give 256 j for j from -2^23 to 2^23 - 1,
    // and 256 j2 divides 256 j1 when j2 divides j1. A j2 of magnitude m divides
    // c(m) = (N - 1) / m + N / m + 1 of the j1 (N = 2^23), so the pairs number the sum of c(m) over
    // the 2N - 1 values of j2, and 2N - 1 of them give the quotient 1.
    includeOnly(OperationDivide, 0b0111);
    glTerm1Low = glTerm2Low = std::numeric_limits<std::int32_t>::min();
    glTerm1High = glTerm2High = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t N = std::int64_t(1) << 23;
    double pairs = 0;
    for (std::int64_t m = 1; m <= N; ++m)
        pairs += double((N - 1) / m + N / m + 1) * (m < N ? 2 : 1);
    const double share = double(2 * N - 1) / pairs;

    SeedRandomGenerator(13, false);
    const int draws = 20000;
    int ones = 0;
    int offSteps = 0;
    for (int draw = 0; draw < draws; ++draw) {
        QCOMPARE(DrawProblem(), GenerateOutcome::Drawn);
        offSteps += glTerm1 % 256 != 0 || glTerm2 % 256 != 0 ? 1 : 0;
        ones += glResult == 1 && glTerm1 == glTerm2 ? 1 : 0;
    }
    // Six standard deviations: a false alarm about once in a billion seeds.
    const double deviation = std::sqrt(draws * share * (1 - share));
    QVERIFY2(std::abs(ones - draws * share) < 6 * deviation && offSteps == 0,
             qPrintable(QStringLiteral("%1 of %2 against %3, %4 terms no step gives")
                            .arg(ones)
                            .arg(draws)
                            .arg(draws * share)
                            .arg(offSteps)));
}

void tst_GeneratorStatistics::operationsAreEquallyLikely()
{
    includeEverything();
    SeedRandomGenerator(6, false);

    const int draws = 8000;
    std::map<std::pair<int, int>, int> counts;
    for (int draw = 0; draw < draws; ++draw) {
        GenerateOperator();
        ++counts[{glOperator, 0}];
    }
    QCOMPARE(int(counts.size()), 4);
    QVERIFY(chiSquare(counts, 4, draws) < generousBound(3));
}

TALLYWICK_TEST_MAIN(tst_GeneratorStatistics)

#include "tst_generatorstatistics.moc"
