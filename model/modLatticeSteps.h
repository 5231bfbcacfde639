#pragma once

#include "model/modTermSpans.h"

#include <array>
#include <cstddef>
#include <vector>

namespace pairs
{

// The pairs of steps (outer step k within some steps, inner step j) whose values x and y have y
// within sign * x + offset, as a sum's or a difference's window has, found where the two draws'
// lattices of steps meet rather than step by step. Each is one point (k, j, a) of a lattice, a
// the outer value less its low, and the points lie on lines, kept as such; a few points (where
// double rounding may lift a value) are no pair, which holds() tells.
class LatticePoints
{
public:
    LatticePoints(const TermDraw &outer, const TermDraw &inner, int sign, Span offset);

    // Finds the lines, taking the places it looks at from visits. False where it would pass
    // visits, or a draw gives one value only.
    bool find(Span steps, std::size_t &visits);

    struct Point {
        Int outerStep;
        Int innerStep;
        Int outerValue;
    };
    Int size() const { return m_ends.empty() ? 0 : m_ends.back(); }
    Point at(Int index) const;
    // Whether a point is a pair of steps, and the inner value it then has.
    bool holds(const Point &point, Int &innerValue) const;

    using Vector = std::array<Wide, 3>;

private:
    // Its points are at + i along for i from 0; steps and values fit in 64 bits.
    struct Line {
        std::array<Int, 3> at;
        std::array<Int, 3> along;
    };

    TermDraw m_outer;
    TermDraw m_inner;
    int m_sign;
    Span m_offset;
    std::array<Vector, 3> m_basis{};
    std::vector<Line> m_lines;
    std::vector<Int> m_ends; // points up to and including each line
};

} // namespace pairs
