#include "testSupport.h"

#include "model/modAcceptablePairs.h"
#include "model/modGlobalsConstants.h"
#include "model/modPairSampler.h"
#include "model/modProblemGenerator.h"
#include "model/modRandom.h"
#include "model/modResults.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <utility>
#include <vector>

// Every setting must give each acceptable problem as often as drawing both terms until the result
// is acceptable would: in proportion to the steps of r that give each term. Counted exactly with r
// cut to a few bits; what needs the full 24 bits, and the operations' shares, by statistics with
// fixed seeds, their bounds so far in the tail that a fair generator fails them about once in a
// billion seeds.
class tst_GeneratorStatistics : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void proposalsHoldEveryAcceptablePairOfStepsOnce();
    void latticesMeetWhereTheWalkFindsPairs();
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

constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();

} // namespace

void tst_GeneratorStatistics::init()
{
    SetDefaultSettings();
    SetRandomSource({});
    SetPlainDrawLimit(-1);
}

void tst_GeneratorStatistics::cleanup()
{
    SetRandomBits(0);
    SetRandomSource({});
    SeedRandomGenerator(0x853C49E6748FEA9Bull, true);
    SetDefaultSettings();
}

void tst_GeneratorStatistics::proposalsHoldEveryAcceptablePairOfStepsOnce()
{
    // With r cut to 2^8 steps every pair of steps can be walked through. Drawing both terms until
    // acceptable gives each acceptable pair of steps the same chance, so the proposals must stand
    // for each acceptable pair of terms with exactly as many units as it has pairs of steps.
    constexpr int Bits = 8;
    constexpr std::int64_t Steps = std::int64_t(1) << Bits;
    SetRandomBits(Bits);
    std::mt19937 random(20261208);
    // Limits of one term: dense or sparse boxes near the values where the arithmetic changes, or
    // anywhere up to the 32-bit extremes; high below low one time in five.
    auto limits = [&](std::int32_t &low, std::int32_t &high) {
        static constexpr std::int32_t Edges[] = {Min, -46341, -1000, -7, 0, 2, 1000, 46341, Max};
        auto anywhere = [&] {
            return random() % 2 ? Edges[random() % std::size(Edges)] : std::int32_t(random());
        };
        const std::int64_t width = std::array{40, 2000, 0}[random() % 3];
        const std::int64_t from = std::clamp<std::int64_t>(Edges[random() % std::size(Edges)] +
                                                               std::int64_t(random() % 81) - 40,
                                                           Min, Max - width);
        low = width > 0 ? std::int32_t(from) : anywhere();
        high = width > 0 ? std::int32_t(from + std::int64_t(random() % width)) : anywhere();
        if (random() % 5 == 0 && low < high)
            std::swap(low, high);
    };
    int checked = 0;
    for (int round = 0; round < 600; ++round) {
        const auto operation = std::int32_t(1 + random() % 4);
        const unsigned mask = random() % (1u << resultKindCount(operation));
        includeOnly(operation, mask);
        limits(glTerm1Low, glTerm1High);
        limits(glTerm2Low, glTerm2High);
        const pairs::PairSampler &sampler = AcceptablePairSampler(operation);
        if (sampler.units() > (std::int64_t(1) << 22))
            continue; // too many units to walk

        // The terms random_number gives at each step.
        std::vector<std::int32_t> tops, bottoms;
        for (std::int64_t step = 0; step < Steps; ++step) {
            const float r = std::ldexp(float(step), -Bits);
            SetRandomSource([r] { return r; });
            tops.push_back(std::int32_t(random_number(glTerm1Low, glTerm1High)));
            bottoms.push_back(std::int32_t(random_number(glTerm2Low, glTerm2High)));
        }
        SetRandomSource({});
        std::map<std::pair<std::int64_t, std::int64_t>, std::int64_t> expected;
        for (const std::int32_t top : tops) {
            for (const std::int32_t bottom : bottoms) {
                const std::optional<std::int32_t> result = ComputeResult(operation, top, bottom);
                if (result && ResultAllowed(operation, top, bottom, *result))
                    ++expected[{top, bottom}];
            }
        }
        // As built, then narrowed to the units that can stand for a pair, as rare pairs call for.
        for (const bool dense : {false, true}) {
            const pairs::PairSampler &form = AcceptablePairSampler(operation, dense);
            std::map<std::pair<std::int64_t, std::int64_t>, std::int64_t> proposed;
            pairs::Pair pair;
            for (pairs::Wide unit = 0; unit < form.units(); ++unit) {
                if (form.pairAt(unit, pair))
                    ++proposed[{pair.term1, pair.term2}];
            }
            QVERIFY2(proposed == expected && AcceptablePairExists(operation) == !expected.empty(),
                     qPrintable(QStringLiteral("operation %1, flags %2, limits %3..%4 and %5..%6: "
                                               "%7 pairs proposed, %8 acceptable, dense %9")
                                    .arg(operation)
                                    .arg(QString::number(mask, 2))
                                    .arg(glTerm1Low)
                                    .arg(glTerm1High)
                                    .arg(glTerm2Low)
                                    .arg(glTerm2High)
                                    .arg(proposed.size())
                                    .arg(expected.size())
                                    .arg(dense)));
        }
        checked += expected.empty() ? 0 : 1;
    }
    QVERIFY2(checked >= 250, qPrintable(QString::number(checked))); // settings with pairs to find
}

void tst_GeneratorStatistics::latticesMeetWhereTheWalkFindsPairs()
{
    // All 24 bits: a sum's or a difference's window narrowed where the two draws' lattices meet
    // must stand for the same pairs of steps as walking the outer steps does. Half the windows sit
    // on a value that double rounding lifted, or one just short of lifting, the step found from
    // n k = -c (mod 2^24).
    std::mt19937 random(20261209);
    auto limit = [&] {
        static constexpr std::int32_t Edges[] = {Min, -1000, 0, 1000, Max};
        return random() % 4 ? std::int32_t(random()) : Edges[random() % std::size(Edges)];
    };
    auto isLifted = [](const pairs::TermDraw &draw, std::int64_t step) {
        return draw.valueAt(step) !=
               draw.low() + pairs::floorDiv(draw.count() * step, RandomSteps());
    };
    // A step whose value rounding lifted, else one just below the next value, else any.
    auto lifted = [&](const pairs::TermDraw &draw) -> std::int64_t {
        const auto n = std::uint64_t(draw.count());
        std::uint64_t inverse = n; // of an odd n, modulo 2^64 and so modulo 2^24
        for (int i = 0; i < 5; ++i)
            inverse *= 2 - n * inverse;
        auto below = [&](std::uint64_t c) {
            return std::int64_t((0 - c) * inverse % std::uint64_t(RandomSteps()));
        };
        for (std::uint64_t i = 0; n % 2 == 1 && i < 4; ++i) {
            const std::uint64_t c = random() % 2 ? 4 - i : 1 + i; // nearest or farthest first
            if (isLifted(draw, below(c)))
                return below(c);
        }
        return n % 2 == 1 ? below(1) : std::int64_t(random() % RandomSteps());
    };
    int pairsFound = 0, liftedValues = 0;
    for (int round = 0; round < 400; ++round) {
        std::array<std::int32_t, 4> limits;
        for (std::int32_t &one : limits)
            one = limit();
        // Once, zero sums of two falling draws over all their steps, a fuzz run's setting: the
        // points lie far from the origin.
        const bool far = round == 2;
        if (far)
            limits = {Max, -13, -13, -Max};
        const pairs::TermDraw outer(limits[0], limits[1]), inner(limits[2], limits[3]);
        if (outer.count() == 0 || inner.count() == 0)
            continue;
        const std::int64_t at = round % 2 ? lifted(outer) : std::int64_t(random() % RandomSteps());
        const std::int64_t innerAt =
            round % 2 ? lifted(inner) : std::int64_t(random() % RandomSteps());
        const std::int64_t length = std::int64_t(1) << (random() % 14);
        const pairs::Span steps = far ? pairs::Span{0, RandomSteps() - 1}
                                      : pairs::Span{std::max<std::int64_t>(0, at - length),
                                                    std::min(RandomSteps() - 1, at + length)};
        const int sign = far || random() % 2 ? -1 : 1;
        const std::int64_t width = far ? 0 : random() % 3;
        const std::int64_t lo =
            far ? 0 : inner.valueAt(innerAt) - sign * outer.valueAt(at) - width / 2;
        const pairs::Span offset = {lo, lo + width};
        const std::int64_t perOuter = inner.mostSteps(width + 1);
        if (perOuter > 4)
            continue;
        liftedValues += isLifted(outer, at);
        const pairs::Span values = pairs::termSpan(std::int32_t(inner.low()),
                                                   std::int32_t(inner.low() + inner.count() - 1));
        auto window = [=](std::int64_t x) {
            return pairs::meet(values, {sign * x + offset.lo, sign * x + offset.hi});
        };
        pairs::WindowProposal walked(outer, steps, inner, perOuter, window);
        pairs::WindowProposal shifted(outer, steps, inner, perOuter, window);
        shifted.setShift({sign, offset});
        std::size_t visits = std::size_t(1) << 16;
        const auto byWalk = walked.dense(std::size_t(1) << 18);
        const auto met = shifted.denseWithoutWalk(visits);
        const auto listed = met ? met->dense(std::size_t(1) << 18) : nullptr;
        const QString setting = QStringLiteral("%1 %2, steps %3..%4, window %5 x + %6..%7")
                                    .arg(outer.low())
                                    .arg(outer.count())
                                    .arg(steps.lo)
                                    .arg(steps.hi)
                                    .arg(sign)
                                    .arg(offset.lo)
                                    .arg(offset.hi);
        QVERIFY2(byWalk && met && listed, qPrintable(setting));
        // Walked, met (whose few units for no pair refuse) and met then listed.
        std::map<std::pair<std::int64_t, std::int64_t>, pairs::Wide> units[3];
        for (int form = 0; form < 3; ++form) {
            const pairs::Proposal &proposal = form == 0 ? *byWalk : form == 1 ? *met : *listed;
            pairs::Pair pair;
            for (pairs::Wide unit = 0; unit < proposal.units(); ++unit) {
                if (proposal.pairAt(unit, pair))
                    ++units[form][{pair.term1, pair.term2}];
                else
                    QVERIFY(form == 1);
            }
        }
        QVERIFY2(units[0] == units[1] && units[0] == units[2],
                 qPrintable(setting + QStringLiteral(": %1 pairs walked, %2 met, %3 listed")
                                          .arg(units[0].size())
                                          .arg(units[1].size())
                                          .arg(units[2].size())));
        pairsFound += int(units[0].size());
    }
    QVERIFY2(pairsFound >= 200 && liftedValues >= 20,
             qPrintable(QStringLiteral("%1 pairs, %2 lifted").arg(pairsFound).arg(liftedValues)));
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
