#include "testSupport.h"

#include "core/modGlobalsConstants.h"
#include "core/modProblemGenerator.h"

#include <cmath>
#include <map>
#include <utility>

// Ordinary settings must give every acceptable problem equally often. Chi-square over small
// ranges with fixed seeds; the bound sits far in the tail, so a fair generator never fails it.
class tst_GeneratorStatistics : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void problemsAreUniformOverAcceptablePairs_data();
    void problemsAreUniformOverAcceptablePairs();
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

void tst_GeneratorStatistics::problemsAreUniformOverAcceptablePairs_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("kinds");
    QTest::addColumn<int>("low1");
    QTest::addColumn<int>("high1");
    QTest::addColumn<int>("low2");
    QTest::addColumn<int>("high2");
    QTest::addColumn<quint64>("seed");

    // kinds: the result-kind flags as bits, in the order of the operation table.
    QTest::newRow("defaults") << int(OperationAdd) << 0b001 << 1 << 10 << 1 << 10 << quint64(1);
    QTest::newRow("sums of 0 or less")
        << int(OperationAdd) << 0b110 << -5 << 5 << -5 << 5 << quint64(2);
    QTest::newRow("differences of 0 or more")
        << int(OperationSubtract) << 0b011 << 1 << 6 << 1 << 6 << quint64(3);
    QTest::newRow("products of 0 or less")
        << int(OperationMultiply) << 0b10 << -3 << 3 << -3 << 3 << quint64(4);
    QTest::newRow("positive whole quotients")
        << int(OperationDivide) << 0b0101 << 1 << 12 << 1 << 4 << quint64(5);
}

void tst_GeneratorStatistics::problemsAreUniformOverAcceptablePairs()
{
    QFETCH(int, operation);
    QFETCH(int, kinds);
    QFETCH(int, low1);
    QFETCH(int, high1);
    QFETCH(int, low2);
    QFETCH(int, high2);
    QFETCH(quint64, seed);

    includeOnly(operation, unsigned(kinds));
    glTerm1Low = low1;
    glTerm1High = high1;
    glTerm2Low = low2;
    glTerm2High = high2;

    int cells = 0;
    for (int t1 = low1; t1 <= high1; ++t1) {
        for (int t2 = low2; t2 <= high2; ++t2) {
            const std::optional<std::int32_t> result = ComputeResult(operation, t1, t2);
            if (result && ResultAllowed(operation, t1, t2, *result))
                ++cells;
        }
    }
    QVERIFY(cells > 10);

    SeedRandomGenerator(seed, false);
    const int draws = 400 * cells;
    std::map<std::pair<int, int>, int> counts;
    for (int draw = 0; draw < draws; ++draw) {
        QCOMPARE(DrawProblem(), GenerateOutcome::Drawn);
        QCOMPARE(glOperator, operation);
        QVERIFY(ResultAllowed(operation, glTerm1, glTerm2, glResult));
        ++counts[{glTerm1, glTerm2}];
    }
    QCOMPARE(int(counts.size()), cells);
    const double statistic = chiSquare(counts, cells, draws);
    QVERIFY2(statistic < generousBound(cells - 1),
             qPrintable(QStringLiteral("chi-square %1 over %2 pairs").arg(statistic).arg(cells)));
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
