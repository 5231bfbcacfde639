#pragma once

#include "model/modTermSpans.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Drawing a pair of terms exactly as often as drawing both terms again and again until the pair is
// acceptable would give it, without those draws. A pair of terms is a pair of steps of r, so the
// acceptable pairs are a set of pairs of steps, all equally likely; proposals cover that set with
// units, one for each of its pairs and some for none, and a unit drawn uniformly is kept when it
// stands for an acceptable pair.
namespace pairs
{

class Proposal
{
public:
    explicit Proposal(Wide units) : m_units(units) {}
    virtual ~Proposal() = default;

    Wide units() const { return m_units; }
    // The pair unit stands for (unit below units()), or false when it stands for none.
    virtual bool pairAt(Wide unit, Pair &pair) const = 0;

    struct Entry {
        Pair pair;
        Wide weight;
    };
    // Where listed pairs go: those keep keeps (every one without it), while at most visits pairs
    // are looked at and at most most are kept.
    struct Listing {
        std::size_t visits;
        std::size_t most;
        std::function<bool(const Pair &)> keep;
        std::vector<Entry> entries;

        // Counts count pairs about to be looked at; false once more than visits are.
        bool look(Wide count);
        // A pair looked at with its units; false once more than most are kept.
        bool add(const Pair &pair, Wide weight);
    };
    // Every pair the units stand for that the listing keeps, each with its number of units; false
    // when that passes the listing's limits or the proposal cannot list its pairs.
    virtual bool list(Listing &listing) const
    {
        (void)listing;
        return false;
    }

    // The same pairs of steps with units only where a pair can be, for when almost every unit
    // stands for none; nothing when this proposal has no such form or it would pass runs entries.
    virtual std::unique_ptr<Proposal> dense(std::size_t runs) const
    {
        (void)runs;
        return {};
    }
    // A form with units only where a pair can be, or almost only, where it is found without
    // walking the steps, taking the places it looks at from visits; nothing else.
    virtual std::unique_ptr<Proposal> denseWithoutWalk(std::size_t &visits) const
    {
        (void)visits;
        return {};
    }
    // Whether every unit stands for a pair.
    virtual bool full() const { return false; }

private:
    Wide m_units;
};

// Units of outer values times perOuter. For the value drawn at an outer step, window gives the
// inner values that pair with it, within a run of at most perOuter inner steps; unit (k, u) stands
// for the pair of outer step k and the u-th inner step of its window, if keep (when given) keeps
// that pair. With outerIsTop false the bottom term is the outer one. Each end of the window moves
// one way only as the outer value grows (the window of 0 may be empty), so the windows of a run of
// outer values lie within the span of the first and the last one's ends.
class WindowProposal : public Proposal
{
public:
    using Window = std::function<Span(Int)>;
    using Keep = std::function<bool(const Pair &)>;
    WindowProposal(const TermDraw &outer, Span outerSteps, const TermDraw &inner, Int perOuter,
                   Window window, bool outerIsTop = true, Keep keep = {});
    // A window that is sign * outer value + offset, cut to the inner values, as for a sum or a
    // difference: the dense form then finds its pairs of steps where the two draws' lattices
    // meet, rather than walking the outer steps.
    struct Shift {
        int sign;
        Span offset;
    };
    void setShift(Shift shift) { m_shift = shift; }
    bool pairAt(Wide unit, Pair &pair) const override;
    bool list(Listing &listing) const override;
    std::unique_ptr<Proposal> dense(std::size_t runs) const override;
    std::unique_ptr<Proposal> denseWithoutWalk(std::size_t &visits) const override;

private:
    // The dense form found by walking the outer steps, skipping where no window holds a step.
    std::unique_ptr<Proposal> walked(std::size_t runs) const;

    TermDraw m_outer;
    TermDraw m_inner;
    Span m_outerSteps;
    Int m_perOuter;
    Window m_window;
    bool m_outerIsTop;
    Keep m_keep;
    std::optional<Shift> m_shift;
};

// Pairs counted one by one, each with its number of pairs of steps.
class TableProposal : public Proposal
{
public:
    explicit TableProposal(const std::vector<Entry> &entries);
    bool pairAt(Wide unit, Pair &pair) const override;
    bool full() const override { return true; }

private:
    std::vector<Pair> m_pairs;
    std::vector<Wide> m_ends; // units up to and including each entry
};

class PairSampler
{
public:
    using Acceptable = std::function<bool(const Pair &)>;
    explicit PairSampler(Acceptable acceptable = {}) : m_acceptable(std::move(acceptable)) {}

    // Adds a proposal; one that lists few pairs is replaced by the acceptable ones among them,
    // so that a proposal with almost no acceptable pair costs no refused rounds.
    void add(std::unique_ptr<Proposal> proposal);
    // Adds every acceptable pair of a small box, each with its number of pairs of steps.
    void addBox(const TermDraw &top, const TermDraw &bottom, const Terms &terms);
    Wide units() const { return m_ends.empty() ? 0 : m_ends.back(); }
    // The acceptable pair that a unit (below units()) stands for, or false when it stands for none.
    bool pairAt(Wide unit, Pair &pair) const;

    // An acceptable pair, drawn exactly; false when none turned up in rounds units, which with
    // MaxProposals only happens when the proposals hold no acceptable pair, or almost none.
    bool draw(Pair &pair, int rounds = MaxProposals) const;

    // An acceptable pair among units spread over all, two in each of at most most equal
    // stretches (every unit, when they are no more), the same every time; false when none of them
    // stands for one. It leaves the random numbers alone.
    bool probe(Pair &pair, Wide most) const;

    // Replaces each proposal that can be by its dense form, so that rare acceptable pairs no
    // longer hide among units that stand for none. Returns whether every proposal left is known
    // to hold an acceptable pair, so that units() > 0 tells whether one exists.
    bool densify();
    // The same, only for proposals whose dense form is quick to find, and only while finding
    // them has looked at few places in all.
    void densifyQuickly();

    static constexpr int MaxProposals = 1 << 16;

private:
    // Keeps the proposals with units.
    void setProposals(std::vector<std::unique_ptr<Proposal>> proposals);

    Acceptable m_acceptable;
    std::vector<std::unique_ptr<Proposal>> m_proposals;
    std::vector<Wide> m_ends;
};

} // namespace pairs
