#include "model/modLatticeSteps.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pairs
{

namespace
{

// Points are v = (outer step, inner step, outer value - outer low).
using Vector = LatticePoints::Vector;
using Real = long double;

// lo <= coef . v <= hi.
struct Slab {
    Vector coef;
    Wide lo;
    Wide hi;
};

// How far double rounding can move a product n * k of at most 56 bits: half a unit in its last
// place is 4 at most. It can only lift the floor, and only from within that much below.
constexpr Wide Lift = 8;

// What a draw gives at a step: low + floor(n step / M), asking the draw itself only where the
// product lies within Lift below a whole multiple of M, where rounding may lift it.
Int valueNear(const TermDraw &draw, Int step)
{
    const Int product = draw.count() * step; // below 2^57
    const Int rest = product & (RandomSteps() - 1);
    if (rest >= RandomSteps() - Lift)
        return draw.valueAt(step);
    return draw.low() + (product >> random_steps::bits);
}

// Past these a basis entry, a slab of it, or a product of either with a reduced coordinate, is
// taken to have gone wrong, and the search is left; within them nothing overflows.
constexpr Wide Huge = Wide(1) << 60;
constexpr Wide HugeSlab = Wide(1) << 80;
constexpr Real HugeProduct = 0x1p122L;

Wide dot(const Vector &a, const Vector &b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Wide magnitude(Wide value)
{
    return value < 0 ? -value : value;
}

Wide floorDivide(Wide a, Wide b)
{
    const Wide quotient = a / b;
    return a % b != 0 && (a < 0) != (b < 0) ? quotient - 1 : quotient;
}

Wide ceilDivide(Wide a, Wide b)
{
    return -floorDivide(-a, b);
}

// The basis of the points' lattice, reduced (Lenstra, Lenstra and Lovász) so that its images
// under the first three slabs, each slab scaled to its width, are short and nearly orthogonal:
// then the box the slabs make holds few more places to look at than points. Records in flipped
// whether the basis changed orientation. False where an entry outgrows Huge.
bool reduce(const Slab *slabs, std::array<Vector, 3> &basis, bool &flipped)
{
    basis = {Vector{1, 0, 0}, Vector{0, 1, 0}, Vector{0, 0, 1}};
    flipped = false;
    Real width[3];
    for (int r = 0; r < 3; ++r)
        width[r] = Real(slabs[r].hi - slabs[r].lo + 1);
    using Image = std::array<Real, 3>;
    auto image = [&](const Vector &u) {
        Image b;
        for (int r = 0; r < 3; ++r)
            b[r] = Real(dot(slabs[r].coef, u)) / width[r];
        return b;
    };
    auto inner = [](const Image &a, const Image &b) {
        return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
    };
    Image star[3];
    Real norm[3];
    Real mu[3][3];
    auto orthogonalize = [&] {
        for (int i = 0; i < 3; ++i) {
            const Image b = image(basis[i]);
            star[i] = b;
            for (int j = 0; j < i; ++j) {
                mu[i][j] = inner(b, star[j]) / norm[j];
                for (int r = 0; r < 3; ++r)
                    star[i][r] -= mu[i][j] * star[j][r];
            }
            norm[i] = inner(star[i], star[i]);
        }
    };
    orthogonalize();
    for (int round = 0, k = 1; k < 3; ++round) {
        if (round > 1000)
            return false;
        for (int j = k - 1; j >= 0; --j) {
            if (std::fabs(mu[k][j]) <= 0.5L)
                continue;
            if (std::fabs(mu[k][j]) > Real(Huge))
                return false;
            const auto q = Wide(std::llround(double(mu[k][j])));
            for (int c = 0; c < 3; ++c) {
                basis[k][c] -= q * basis[j][c];
                if (magnitude(basis[k][c]) > Huge)
                    return false;
            }
            orthogonalize();
        }
        if (norm[k] >= (0.99L - mu[k][k - 1] * mu[k][k - 1]) * norm[k - 1]) {
            ++k;
        } else {
            std::swap(basis[k], basis[k - 1]);
            flipped = !flipped;
            orthogonalize();
            k = std::max(k - 1, 1);
        }
    }
    return true;
}

} // namespace

LatticePoints::LatticePoints(const TermDraw &outer, const TermDraw &inner, int sign, Span offset)
    : m_outer(outer), m_inner(inner), m_sign(sign), m_offset(offset)
{
}

// A pair of steps (k, j) with outer value low1 + a and inner value low2 + b has
// 0 <= n1 k - M a < M and 0 <= n2 j - M b < M (M steps, n values of each draw; a little below 0
// where double rounding lifted a value), and b - sign a within the offset moved by the lows. So
// (k, j, a) lies in four slabs: a thin one for each draw, and the two runs of steps.
bool LatticePoints::find(Span steps, std::size_t &visits)
{
    m_lines.clear();
    m_ends.clear();
    if (steps.empty() || m_offset.empty())
        return true;
    if (m_outer.count() == 0 || m_inner.count() == 0)
        return false;
    const Wide m = RandomSteps();
    const Wide n1 = m_outer.count();
    const Wide n2 = m_inner.count();
    const Wide shift = Wide(m_sign) * m_outer.low() - m_inner.low();
    const Wide dLo = m_offset.lo + shift;
    const Wide dHi = m_offset.hi + shift;
    const Slab slabs[4] = {
        {{1, 0, 0}, steps.lo, steps.hi},
        {{n1, 0, -m}, -Lift, m - 1},
        {{0, n2, -m_sign * m}, m * dLo - Lift, m * dHi + m - 1},
        {{0, 1, 0}, 0, m - 1},
    };
    bool flipped = false;
    if (!reduce(slabs, m_basis, flipped))
        return false;
    // Where the box of the first three slabs lies in the reduced coordinates t (v = basis * t):
    // t = B^-1 y for y in the box, with B's determinant known exactly (that of the slabs, n2 M,
    // turned by the basis), and the rounding of its cofactors allowed for.
    Wide g[4][3];
    Wide largest = Huge; // of the basis and its slabs
    for (int f = 0; f < 4; ++f) {
        for (int i = 0; i < 3; ++i) {
            g[f][i] = dot(slabs[f].coef, m_basis[i]);
            if (magnitude(g[f][i]) > HugeSlab)
                return false;
            largest = std::max(largest, magnitude(g[f][i]));
        }
    }
    const Real det = Real(n2 * m) * (flipped ? -1 : 1);
    Wide from[3], to[3];
    for (int i = 0; i < 3; ++i) {
        Real centre = 0, radius = 0, error = 0;
        for (int r = 0; r < 3; ++r) {
            // The cofactor of B at (r, i), B[r][c] = g[r][c].
            const int r1 = (r + 1) % 3, r2 = (r + 2) % 3;
            const int c1 = (i + 1) % 3, c2 = (i + 2) % 3;
            const Real plus = Real(g[r1][c1]) * Real(g[r2][c2]);
            const Real minus = Real(g[r1][c2]) * Real(g[r2][c1]);
            const Real inverse = (plus - minus) / det;
            const Real mid = (Real(slabs[r].lo) + Real(slabs[r].hi)) / 2;
            const Real half = (Real(slabs[r].hi) - Real(slabs[r].lo)) / 2;
            centre += inverse * mid;
            radius += std::fabs(inverse) * half;
            error +=
                (std::fabs(plus) + std::fabs(minus)) / std::fabs(det) * (std::fabs(mid) + half);
        }
        const Real slack = 1 + error * 1e-15L;
        // The points lie far from the origin where the window does; what matters is that no
        // slab or step of theirs overflows.
        const Real most = std::fabs(centre) + radius + slack;
        if (!(most * Real(largest) < HugeProduct))
            return false;
        from[i] = Wide(std::floor(centre - radius - slack));
        to[i] = Wide(std::ceil(centre + radius + slack));
    }
    // The widest coordinate is solved for exactly, line by line; the other two are walked.
    int r = 0;
    for (int i = 1; i < 3; ++i) {
        if (to[i] - from[i] > to[r] - from[r])
            r = i;
    }
    const int p = (r + 1) % 3, q = (r + 2) % 3;
    const Wide places = (to[p] - from[p] + 1) * (to[q] - from[q] + 1);
    if (places > Wide(visits))
        return false;
    visits -= std::size_t(places);
    Int end = 0;
    for (Wide tp = from[p]; tp <= to[p]; ++tp) {
        for (Wide tq = from[q]; tq <= to[q]; ++tq) {
            Wide lo = from[r], hi = to[r];
            for (int f = 0; f < 4 && lo <= hi; ++f) {
                const Wide c = g[f][p] * tp + g[f][q] * tq;
                const Wide e = g[f][r];
                if (e == 0) {
                    if (c < slabs[f].lo || c > slabs[f].hi)
                        hi = lo - 1;
                } else if (e > 0) {
                    lo = std::max(lo, ceilDivide(slabs[f].lo - c, e));
                    hi = std::min(hi, floorDivide(slabs[f].hi - c, e));
                } else {
                    lo = std::max(lo, ceilDivide(slabs[f].hi - c, e));
                    hi = std::min(hi, floorDivide(slabs[f].lo - c, e));
                }
            }
            if (lo > hi)
                continue;
            Line line{};
            for (int c = 0; c < 3; ++c) {
                line.at[c] = Int(m_basis[p][c] * tp + m_basis[q][c] * tq + m_basis[r][c] * lo);
                line.along[c] = Int(m_basis[r][c]);
            }
            m_lines.push_back(line);
            m_ends.push_back(end += Int(hi - lo + 1));
        }
    }
    return true;
}

LatticePoints::Point LatticePoints::at(Int index) const
{
    const auto found = std::upper_bound(m_ends.begin(), m_ends.end(), index);
    const auto line = std::size_t(found - m_ends.begin());
    const Int i = index - (line == 0 ? 0 : m_ends[line - 1]);
    const Line &l = m_lines[line];
    return {l.at[0] + l.along[0] * i, l.at[1] + l.along[1] * i,
            m_outer.low() + l.at[2] + l.along[2] * i};
}

// Where rounding may have lifted the outer value both of its candidates are points; the one the
// draw gives counts.
bool LatticePoints::holds(const Point &point, Int &innerValue) const
{
    const Int outerValue = valueNear(m_outer, point.outerStep);
    if (outerValue != point.outerValue)
        return false;
    innerValue = valueNear(m_inner, point.innerStep);
    return m_offset.contains(innerValue - m_sign * outerValue);
}

} // namespace pairs
