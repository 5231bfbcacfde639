#include "model/modPairSampler.h"

#include "model/modLatticeSteps.h"

#include <algorithm>

namespace pairs
{

WindowProposal::WindowProposal(const TermDraw &outer, Span outerSteps, const TermDraw &inner,
                               Int perOuter, Window window, bool outerIsTop, Keep keep)
    : Proposal(outerSteps.empty() || perOuter <= 0 ? 0 : Wide(outerSteps.size()) * perOuter),
      m_outer(outer), m_inner(inner), m_outerSteps(outerSteps), m_perOuter(perOuter),
      m_window(std::move(window)), m_outerIsTop(outerIsTop), m_keep(std::move(keep))
{
}

bool WindowProposal::pairAt(Wide unit, Pair &pair) const
{
    const Int outerValue = m_outer.valueAt(m_outerSteps.lo + Int(unit / m_perOuter));
    const Int offset = Int(unit % m_perOuter);
    const Span innerSteps = m_inner.steps(m_window(outerValue));
    if (offset >= innerSteps.size())
        return false;
    const Int innerValue = m_inner.valueAt(innerSteps.lo + offset);
    pair = m_outerIsTop ? Pair{outerValue, innerValue} : Pair{innerValue, outerValue};
    return !m_keep || m_keep(pair);
}

bool Proposal::Listing::look(Wide count)
{
    if (count > Wide(visits))
        return false;
    visits -= std::size_t(count);
    return true;
}

bool Proposal::Listing::add(const Pair &pair, Wide weight)
{
    if (weight <= 0 || (keep && !keep(pair)))
        return true;
    if (entries.size() >= most)
        return false;
    entries.push_back({pair, weight});
    return true;
}

bool WindowProposal::list(Listing &listing) const
{
    // Values one by one, or steps where they are fewer.
    auto each = [&](const TermDraw &draw, Span steps, auto visit) {
        if (steps.empty())
            return true;
        const Int a = draw.valueAt(steps.lo), b = draw.valueAt(steps.hi);
        const Span values = {std::min(a, b), std::max(a, b)};
        if (!listing.look(std::min(values.size(), steps.size())))
            return false;
        if (steps.size() <= values.size()) {
            for (Int step = steps.lo; step <= steps.hi; ++step) {
                if (!visit(draw.valueAt(step), Int(1)))
                    return false;
            }
        } else {
            for (Int value = values.lo; value <= values.hi; ++value) {
                if (!visit(value, draw.weight(value)))
                    return false;
            }
        }
        return true;
    };
    // No window has more steps than perOuter: refuse at once where that could pass the limit.
    const Int a = m_outer.valueAt(m_outerSteps.lo), b = m_outer.valueAt(m_outerSteps.hi);
    const Int outerCount = std::min(m_outerSteps.size(), (a < b ? b - a : a - b) + 1);
    if (Wide(outerCount) * m_perOuter > Wide(listing.visits))
        return false;
    return each(m_outer, m_outerSteps, [&](Int outerValue, Int outerWeight) {
        return each(m_inner, m_inner.steps(m_window(outerValue)),
                    [&](Int innerValue, Int innerWeight) {
                        const Pair pair = m_outerIsTop ? Pair{outerValue, innerValue}
                                                       : Pair{innerValue, outerValue};
                        if (m_keep && !m_keep(pair))
                            return true;
                        return listing.add(pair, Wide(outerWeight) * innerWeight);
                    });
    });
}

namespace
{

// The outer steps of a window proposal that pair with some inner step, in runs of steps that give
// one value, each with the run of inner steps in that value's window.
class StepRunProposal : public Proposal
{
public:
    struct Run {
        Int outerStep;
        Int outerCount;
        Int innerStep;
        Int count;
    };
    StepRunProposal(const TermDraw &outer, const TermDraw &inner, bool outerIsTop,
                    WindowProposal::Keep keep, std::vector<Run> runs, std::vector<Wide> ends)
        : Proposal(ends.empty() ? 0 : ends.back()), m_outer(outer), m_inner(inner),
          m_outerIsTop(outerIsTop), m_keep(std::move(keep)), m_runs(std::move(runs)),
          m_ends(std::move(ends))
    {
    }

    bool pairAt(Wide unit, Pair &pair) const override
    {
        const auto index =
            std::size_t(std::upper_bound(m_ends.begin(), m_ends.end(), unit) - m_ends.begin());
        const Run &run = m_runs[index];
        const Wide offset = unit - (index == 0 ? 0 : m_ends[index - 1]);
        pair = make(m_outer.valueAt(run.outerStep),
                    m_inner.valueAt(run.innerStep + Int(offset % run.count)));
        return !m_keep || m_keep(pair);
    }

    bool list(Listing &listing) const override
    {
        // Pairs the keep refuses belong to another proposal, or none.
        auto add = [&](const Pair &pair, Wide weight) {
            return (m_keep && !m_keep(pair)) || listing.add(pair, weight);
        };
        for (const Run &run : m_runs) {
            const Int outerValue = m_outer.valueAt(run.outerStep);
            // Inner steps one by one, or their values where they are fewer.
            const Int a = m_inner.valueAt(run.innerStep);
            const Int b = m_inner.valueAt(run.innerStep + run.count - 1);
            const Span values = {std::min(a, b), std::max(a, b)};
            const Span steps = {run.innerStep, run.innerStep + run.count - 1};
            if (!listing.look(std::min(values.size(), run.count)))
                return false;
            if (run.count <= values.size()) {
                for (Int step = steps.lo; step <= steps.hi; ++step) {
                    if (!add(make(outerValue, m_inner.valueAt(step)), run.outerCount))
                        return false;
                }
            } else {
                for (Int value = values.lo; value <= values.hi; ++value) {
                    const Int weight = meet(m_inner.steps({value, value}), steps).size();
                    if (!add(make(outerValue, value), Wide(run.outerCount) * weight))
                        return false;
                }
            }
        }
        return true;
    }

    bool full() const override { return !m_keep; }

private:
    Pair make(Int outerValue, Int innerValue) const
    {
        return m_outerIsTop ? Pair{outerValue, innerValue} : Pair{innerValue, outerValue};
    }

    TermDraw m_outer;
    TermDraw m_inner;
    bool m_outerIsTop;
    WindowProposal::Keep m_keep;
    std::vector<Run> m_runs;
    std::vector<Wide> m_ends;
};

// Runs of a dense form in the making, up to a most.
class RunList
{
public:
    explicit RunList(std::size_t most) : m_most(most) {}

    // False once the runs pass the most.
    bool add(const StepRunProposal::Run &run)
    {
        m_fits = m_fits && m_runs.size() < m_most;
        if (m_fits) {
            m_runs.push_back(run);
            m_ends.push_back((m_ends.empty() ? 0 : m_ends.back()) +
                             Wide(run.outerCount) * run.count);
        }
        return m_fits;
    }
    // The last run, or nothing.
    StepRunProposal::Run *last() { return m_runs.empty() ? nullptr : &m_runs.back(); }
    void growLast(Int count)
    {
        ++m_runs.back().outerCount;
        m_ends.back() += count;
    }
    bool fits() const { return m_fits; }

    std::unique_ptr<Proposal> proposal(const TermDraw &outer, const TermDraw &inner,
                                       bool outerIsTop, const WindowProposal::Keep &keep)
    {
        if (!m_fits)
            return {};
        return std::make_unique<StepRunProposal>(outer, inner, outerIsTop, keep, std::move(m_runs),
                                                 std::move(m_ends));
    }

private:
    std::size_t m_most;
    bool m_fits = true;
    std::vector<StepRunProposal::Run> m_runs;
    std::vector<Wide> m_ends;
};

// Windows of at most this many inner steps are searched for where the lattices meet, looking at
// no more than this many places.
constexpr Int LatticePerOuter = 4;
constexpr std::size_t LatticeVisits = std::size_t(1) << 16;

// The points where a shifted window's two lattices meet, a unit each: one for each pair of steps,
// and a few for none.
class LatticeProposal : public Proposal
{
public:
    LatticeProposal(LatticePoints points, const TermDraw &outer, const TermDraw &inner,
                    bool outerIsTop, WindowProposal::Keep keep, Int perOuter)
        : Proposal(points.size()), m_points(std::move(points)), m_outer(outer), m_inner(inner),
          m_outerIsTop(outerIsTop), m_keep(std::move(keep)), m_perOuter(perOuter)
    {
    }

    bool pairAt(Wide unit, Pair &pair) const override
    {
        const LatticePoints::Point point = m_points.at(Int(unit));
        Int innerValue = 0;
        if (!m_points.holds(point, innerValue))
            return false;
        pair =
            m_outerIsTop ? Pair{point.outerValue, innerValue} : Pair{innerValue, point.outerValue};
        return !m_keep || m_keep(pair);
    }

    // The pairs of steps, a run each; where outer steps share values, sorted first so that the
    // steps of a value make one run.
    std::unique_ptr<Proposal> dense(std::size_t runs) const override
    {
        if (m_points.size() > Int(LatticePerOuter) * Int(runs))
            return {};
        const bool distinct = m_outer.mostSteps(1) == 1;
        RunList list(runs);
        std::vector<std::uint64_t> shared;
        for (Int index = 0; index < m_points.size() && list.fits(); ++index) {
            const LatticePoints::Point point = m_points.at(index);
            Int innerValue = 0;
            if (!m_points.holds(point, innerValue))
                continue;
            if (distinct)
                list.add({point.outerStep, 1, point.innerStep, 1});
            else // steps are below 2^32, so a pair sorts as one number
                shared.push_back(std::uint64_t(point.outerStep) << 32 |
                                 std::uint64_t(point.innerStep));
        }
        std::sort(shared.begin(), shared.end());
        for (std::size_t i = 0, next = 0; i < shared.size() && list.fits(); i = next) {
            // An outer step's inner steps follow one another, as its window's values do.
            const Int step = Int(shared[i] >> 32);
            const Int innerStep = Int(shared[i] & 0xffffffffu);
            while (next < shared.size() && Int(shared[next] >> 32) == step)
                ++next;
            const Int count = std::min(Int(next - i), m_perOuter);
            // A step next to the last run that gives its value and pairs alike joins it.
            const StepRunProposal::Run *last = list.last();
            if (last && last->outerStep + last->outerCount == step &&
                last->innerStep == innerStep && last->count == count &&
                m_outer.valueAt(last->outerStep) == m_outer.valueAt(step))
                list.growLast(count);
            else
                list.add({step, 1, innerStep, count});
        }
        return list.proposal(m_outer, m_inner, m_outerIsTop, m_keep);
    }

private:
    LatticePoints m_points;
    TermDraw m_outer;
    TermDraw m_inner;
    bool m_outerIsTop;
    WindowProposal::Keep m_keep;
    Int m_perOuter;
};

} // namespace

std::unique_ptr<Proposal> WindowProposal::dense(std::size_t runs) const
{
    if (units() <= 0)
        return {};
    std::size_t visits = LatticeVisits;
    if (std::unique_ptr<Proposal> met = denseWithoutWalk(visits)) {
        if (std::unique_ptr<Proposal> listed = met->dense(runs))
            return listed;
    }
    return walked(runs);
}

std::unique_ptr<Proposal> WindowProposal::denseWithoutWalk(std::size_t &visits) const
{
    if (units() <= 0 || !m_shift || m_perOuter > LatticePerOuter)
        return {};
    LatticePoints points(m_outer, m_inner, m_shift->sign, m_shift->offset);
    if (!points.find(m_outerSteps, visits))
        return {};
    return std::make_unique<LatticeProposal>(std::move(points), m_outer, m_inner, m_outerIsTop,
                                             m_keep, m_perOuter);
}

std::unique_ptr<Proposal> WindowProposal::walked(std::size_t runs) const
{
    RunList list(runs);
    // Where every outer step gives a value of its own, the run of a value is its step.
    const bool distinct = m_outer.mostSteps(1) == 1;
    // The inner steps of a few outer steps' windows, and their values, read once for all of them.
    constexpr Int Near = 64;
    Span near = {0, -1};
    Int nearValues[Near];
    auto innerSteps = [&](Span window) {
        if (near.empty())
            return m_inner.steps(window);
        const Int *begin = nearValues, *end = nearValues + near.size();
        const Int *from = nearValues, *to = nearValues;
        if (nearValues[0] <= end[-1]) {
            from = std::lower_bound(begin, end, window.lo);
            to = std::upper_bound(begin, end, window.hi);
        } else {
            from = std::partition_point(begin, end, [&](Int v) { return v > window.hi; });
            to = std::partition_point(begin, end, [&](Int v) { return v >= window.lo; });
        }
        return Span{near.lo + (from - nearValues), near.lo + (to - nearValues) - 1};
    };
    // The steps from step on that give its value, within last.
    auto visit = [&](Int step, Int last) {
        const Int outerValue = m_outer.valueAt(step);
        const Int next =
            distinct ? step : std::min(last, m_outer.steps({outerValue, outerValue}).hi);
        const Span inner = innerSteps(m_window(outerValue));
        const Int count = std::min(inner.size(), m_perOuter);
        if (count > 0)
            list.add({step, next - step + 1, inner.lo, count});
        return next + 1;
    };
    // Halves of the outer steps, skipped whole where no window of theirs can hold an inner step;
    // the steps left are few, or give few values, or pair with something.
    std::vector<Span> pending = {m_outerSteps};
    while (!pending.empty() && list.fits()) {
        const Span steps = pending.back();
        pending.pop_back();
        const Int a = m_outer.valueAt(steps.lo), b = m_outer.valueAt(steps.hi);
        const Span first = m_window(a);
        const Span last = m_window(b);
        const Span hull = m_inner.steps({std::min(first.lo, last.lo), std::max(first.hi, last.hi)});
        if (hull.empty())
            continue;
        if (steps.size() <= 16 || (a < b ? b - a : a - b) < 4) {
            near = hull.size() <= Near ? hull : Span{0, -1};
            for (Int step = near.lo; step <= near.hi; ++step)
                nearValues[step - near.lo] = m_inner.valueAt(step);
            for (Int step = steps.lo; step <= steps.hi && list.fits();)
                step = visit(step, steps.hi);
            continue;
        }
        const Int middle = steps.lo + (steps.hi - steps.lo) / 2;
        pending.push_back({middle + 1, steps.hi}); // the lower half is walked first
        pending.push_back({steps.lo, middle});
    }
    return list.proposal(m_outer, m_inner, m_outerIsTop, m_keep);
}

namespace
{

Wide totalWeight(const std::vector<Proposal::Entry> &entries)
{
    Wide total = 0;
    for (const Proposal::Entry &entry : entries)
        total += entry.weight;
    return total;
}

} // namespace

TableProposal::TableProposal(const std::vector<Entry> &entries) : Proposal(totalWeight(entries))
{
    Wide end = 0;
    for (const Entry &entry : entries) {
        if (entry.weight <= 0)
            continue;
        end += entry.weight;
        m_pairs.push_back(entry.pair);
        m_ends.push_back(end);
    }
}

bool TableProposal::pairAt(Wide unit, Pair &pair) const
{
    const auto found = std::upper_bound(m_ends.begin(), m_ends.end(), unit);
    pair = m_pairs[std::size_t(found - m_ends.begin())];
    return true;
}

// Proposals listing at most this many pairs are replaced by their acceptable pairs.
constexpr std::size_t ListedPairs = 4096;

void PairSampler::add(std::unique_ptr<Proposal> proposal)
{
    if (proposal->units() <= 0)
        return;
    Proposal::Listing listing{ListedPairs, ListedPairs, m_acceptable, {}};
    if (m_acceptable && proposal->list(listing)) {
        proposal = std::make_unique<TableProposal>(listing.entries);
        if (proposal->units() <= 0)
            return;
    }
    m_ends.push_back(units() + proposal->units());
    m_proposals.push_back(std::move(proposal));
}

void PairSampler::addBox(const TermDraw &top, const TermDraw &bottom, const Terms &terms)
{
    std::vector<Int> bottomWeights;
    for (Int term2 = terms.bottom.lo; term2 <= terms.bottom.hi; ++term2)
        bottomWeights.push_back(bottom.weight(term2));
    std::vector<Proposal::Entry> entries;
    for (Int term1 = terms.top.lo; term1 <= terms.top.hi; ++term1) {
        const Int topWeight = top.weight(term1);
        for (Int term2 = terms.bottom.lo; term2 <= terms.bottom.hi; ++term2) {
            if (!m_acceptable || m_acceptable({term1, term2}))
                entries.push_back(
                    {{term1, term2}, Wide(topWeight) * bottomWeights[term2 - terms.bottom.lo]});
        }
    }
    add(std::make_unique<TableProposal>(entries));
}

// Why this is exact. Drawing both terms until acceptable gives, in its first draw, each pair of
// steps of r with the same chance; the draws are independent, so given that the first draws
// missed, what the next ones give is the same as from the start (they have no memory), and the
// pair it ends with is uniform over the acceptable pairs of steps: each acceptable pair of terms
// comes out in proportion to the product of the terms' steps. Here each unit of all the proposals
// is drawn with the same chance. Every acceptable pair of steps of the operation is one unit of
// exactly one proposal (the proposals cut the acceptable pairs into disjoint pieces and count each
// pair of a piece once), every other unit is refused, and a refusal starts again from a fresh
// unit. So each acceptable pair of steps is kept with the same chance on every round, and the pair
// kept is uniform over them, as above. Nothing depends on how many plain draws went first.
bool PairSampler::draw(Pair &pair, int rounds) const
{
    const Wide total = units();
    if (total <= 0)
        return false;
    for (int round = 0; round < rounds; ++round) {
        if (pairAt(pickBelow(total), pair))
            return true;
    }
    return false;
}

// The most runs of one dense proposal (48 bytes each); the most pairs looked at to replace one
// that refuses units by its acceptable pairs, and the most of those kept.
constexpr std::size_t DenseRuns = std::size_t(1) << 18;
constexpr std::size_t DenseVisits = std::size_t(1) << 25;
constexpr std::size_t DenseListed = std::size_t(1) << 20;
// The places that finding the dense forms quickly may look at for all proposals together, which
// keeps that within a few milliseconds.
constexpr std::size_t QuickVisits = std::size_t(1) << 16;

bool PairSampler::probe(Pair &pair, Wide most) const
{
    const Wide total = units();
    const Wide probes = std::min<Wide>(total, most);
    // In each of probes equal stretches, its first unit and one at a place that moves from stretch
    // to stretch (a fixed sequence): units at even distances alone can keep step with the terms'
    // lattices and miss every pair, or find them all.
    std::uint64_t mix = 0x9E3779B97F4A7C15u;
    for (Wide i = 0; i < probes; ++i) {
        const Wide from = total * i / probes;
        const Wide length = total * (i + 1) / probes - from;
        mix = mix * 6364136223846793005u + 1442695040888963407u;
        if (pairAt(from, pair) || (length > 1 && pairAt(from + Wide(mix >> 1) % length, pair)))
            return true;
    }
    return false;
}

namespace
{

// The pairs of every unit in turn, each unit on its own.
bool walk(const Proposal &proposal, Proposal::Listing &listing)
{
    if (proposal.units() > Wide(DenseVisits))
        return false;
    listing.entries.clear();
    Pair pair;
    for (Wide unit = 0; unit < proposal.units(); ++unit) {
        if (proposal.pairAt(unit, pair) && !listing.add(pair, 1))
            return false;
    }
    return true;
}

} // namespace

bool PairSampler::densify()
{
    std::vector<std::unique_ptr<Proposal>> proposals;
    bool known = true;
    for (std::unique_ptr<Proposal> &proposal : m_proposals) {
        if (std::unique_ptr<Proposal> dense = proposal->dense(DenseRuns))
            proposal = std::move(dense);
        // Where it still refuses units, it is listed pair by pair, or failing that walked unit by
        // unit, and only the acceptable pairs kept. One with too many pairs for either has shown
        // an acceptable pair, or is taken to hold one.
        if (!proposal->full() && m_acceptable) {
            Proposal::Listing listing{DenseVisits, DenseListed, m_acceptable, {}};
            if (proposal->list(listing) || walk(*proposal, listing))
                proposal = std::make_unique<TableProposal>(listing.entries);
            else
                known = known && !listing.entries.empty();
        }
        proposals.push_back(std::move(proposal));
    }
    setProposals(std::move(proposals));
    return known;
}

void PairSampler::densifyQuickly()
{
    std::size_t visits = QuickVisits;
    for (std::unique_ptr<Proposal> &proposal : m_proposals) {
        if (std::unique_ptr<Proposal> dense = proposal->denseWithoutWalk(visits))
            proposal = std::move(dense);
    }
    setProposals(std::move(m_proposals));
}

void PairSampler::setProposals(std::vector<std::unique_ptr<Proposal>> proposals)
{
    m_proposals.clear();
    m_ends.clear();
    Wide end = 0;
    for (std::unique_ptr<Proposal> &proposal : proposals) {
        if (proposal->units() <= 0)
            continue;
        m_ends.push_back(end += proposal->units());
        m_proposals.push_back(std::move(proposal));
    }
}

bool PairSampler::pairAt(Wide unit, Pair &pair) const
{
    const std::size_t index =
        std::size_t(std::upper_bound(m_ends.begin(), m_ends.end(), unit) - m_ends.begin());
    const Wide start = index == 0 ? 0 : m_ends[index - 1];
    return m_proposals[index]->pairAt(unit - start, pair) && (!m_acceptable || m_acceptable(pair));
}

} // namespace pairs
