#include "model/modPairSampler.h"

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

bool WindowProposal::list(std::vector<Entry> &entries, std::size_t limit) const
{
    // Values one by one, or steps where they are fewer; every one visited counts to the limit.
    std::size_t visited = 0;
    auto each = [&](const TermDraw &draw, Span steps, auto visit) {
        if (steps.empty())
            return true;
        const Int a = draw.valueAt(steps.lo), b = draw.valueAt(steps.hi);
        const Span values = {std::min(a, b), std::max(a, b)};
        visited += std::size_t(std::min(values.size(), steps.size()));
        if (visited > limit)
            return false;
        if (steps.size() <= values.size()) {
            for (Int step = steps.lo; step <= steps.hi; ++step)
                visit(draw.valueAt(step), Int(1));
        } else {
            for (Int value = values.lo; value <= values.hi; ++value)
                visit(value, draw.weight(value));
        }
        return true;
    };
    // No window has more steps than perOuter: refuse at once where that could pass the limit.
    const Int a = m_outer.valueAt(m_outerSteps.lo), b = m_outer.valueAt(m_outerSteps.hi);
    const Int outerCount = std::min(m_outerSteps.size(), (a < b ? b - a : a - b) + 1);
    if (Wide(outerCount) * m_perOuter > Wide(limit))
        return false;
    bool fits = true;
    const bool listed = each(m_outer, m_outerSteps, [&](Int outerValue, Int outerWeight) {
        fits = fits && each(m_inner, m_inner.steps(m_window(outerValue)),
                            [&](Int innerValue, Int innerWeight) {
                                const Pair pair = m_outerIsTop ? Pair{outerValue, innerValue}
                                                               : Pair{innerValue, outerValue};
                                if (innerWeight > 0 && (!m_keep || m_keep(pair)))
                                    entries.push_back({pair, Wide(outerWeight) * innerWeight});
                            });
    });
    return listed && fits;
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
    std::vector<Proposal::Entry> entries;
    if (m_acceptable && proposal->list(entries, ListedPairs)) {
        std::vector<Proposal::Entry> kept;
        for (const Proposal::Entry &entry : entries) {
            if (m_acceptable(entry.pair))
                kept.push_back(entry);
        }
        proposal = std::make_unique<TableProposal>(kept);
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
bool PairSampler::draw(Pair &pair) const
{
    const Wide total = units();
    if (total <= 0)
        return false;
    for (int round = 0; round < MaxProposals; ++round) {
        if (pairAt(pickBelow(total), pair))
            return true;
    }
    return false;
}

bool PairSampler::pairAt(Wide unit, Pair &pair) const
{
    const std::size_t index =
        std::size_t(std::upper_bound(m_ends.begin(), m_ends.end(), unit) - m_ends.begin());
    const Wide start = index == 0 ? 0 : m_ends[index - 1];
    return m_proposals[index]->pairAt(unit - start, pair) && (!m_acceptable || m_acceptable(pair));
}

} // namespace pairs
