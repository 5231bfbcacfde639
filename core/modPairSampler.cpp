#include "core/modPairSampler.h"

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

namespace
{

Wide totalWeight(const std::vector<TableProposal::Entry> &entries)
{
    Wide total = 0;
    for (const TableProposal::Entry &entry : entries)
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

void PairSampler::add(std::unique_ptr<Proposal> proposal)
{
    if (proposal->units() <= 0)
        return;
    m_ends.push_back(units() + proposal->units());
    m_proposals.push_back(std::move(proposal));
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
bool PairSampler::draw(Pair &pair, const std::function<bool(const Pair &)> &acceptable) const
{
    const Wide total = units();
    if (total <= 0)
        return false;
    for (int round = 0; round < MaxProposals; ++round) {
        const Wide unit = pickBelow(total);
        const std::size_t index =
            std::size_t(std::upper_bound(m_ends.begin(), m_ends.end(), unit) - m_ends.begin());
        const Wide start = index == 0 ? 0 : m_ends[index - 1];
        if (m_proposals[index]->pairAt(unit - start, pair) && acceptable(pair))
            return true;
    }
    return false;
}

} // namespace pairs
