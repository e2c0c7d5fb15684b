// Fuzz target for the repeat patterns. Two host-owned chains are built from
// random kinds and parameters and edited with SetRepeat (copies of the other
// chain, of the chain itself, of temporaries deleted right away, and null),
// shadowed by a model: one record per pattern of the chain. Checked on every
// input: the chain's kinds, parameters, own counts and GetCount (with its
// wrap-around) against the model, walking the chain with GetRepeat; Clone,
// the copy constructors and assignment give patterns that place every copy
// number (in range, negative, past the end, the extremes of long) at the same
// bits as the source and stay whole when the source goes away; the two
// placement calls agree and honour null and aliased outputs; kinds that do
// not turn leave the angle alone; copy 0 leaves a point where it is. No leak
// and no sanitizer report on any path.
#include "FuzzInput.h"

#include "CGMTRPoint2D.h"
#include "CGMTRRepeat.h"
#include "CGMTRRepeatArc2D.h"
#include "CGMTRRepeatArcSymmetry2D.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

using fuzz::FuzzInput;
using fuzz::SameBits;
using fuzz::Sentinel;

namespace {

// Chains never grow past this many patterns; placements iterate every copy
// only for chains of at most this many copies.
constexpr std::size_t kMaxChain = 6;
constexpr long kMaxIterated = 64;

// What the model knows of one pattern.
struct Pattern {
    tagGMTRRepeatType kind = REPEAT_LINE2D;
    double a = 0.0, b = 0.0, c = 0.0; // line: angle, space; arcs: x, y, space
                                      // angle; grid: spaceX, spaceY, angle
    long count = 0;                   // own count (line and arcs)
    long repeatX = 0, repeatY = 0;    // grid
};

using Chain = std::vector<Pattern>;

long OwnCount(const Pattern& p) {
    if (p.kind != REPEAT_GRID)
        return p.count;
    const std::uint32_t product =
        static_cast<std::uint32_t>(p.repeatX) * static_cast<std::uint32_t>(p.repeatY);
    return static_cast<long>(static_cast<std::int32_t>(product));
}

// GetCount of the chain from pattern `i` on, wrapping as the library does.
long ChainCount(const Chain& chain, std::size_t i) {
    const long own = OwnCount(chain[i]);
    if (i + 1 == chain.size())
        return own;
    const long next = ChainCount(chain, i + 1);
    if (next == 0)
        return own;
    return static_cast<long>(static_cast<unsigned long>(own) * static_cast<unsigned long>(next));
}

CGMTRRepeat* Make(const Pattern& p) {
    switch (p.kind) {
    case REPEAT_LINE2D: {
        CGMTRRepeatLine2D* r = new CGMTRRepeatLine2D();
        r->ConstructRepeatLine(p.a, p.b, p.count);
        return r;
    }
    case REPEAT_ARC2D:
    case REPEAT_ARC_SYMMETRY2D: {
        CGMTRRepeatArc2D* r =
            p.kind == REPEAT_ARC2D ? new CGMTRRepeatArc2D() : new CGMTRRepeatArcSymmetry2D();
        r->ConstructRepeatArc(p.a, p.b, p.c, p.count);
        return r;
    }
    default: {
        CGMTRRepeatGrid* r = new CGMTRRepeatGrid();
        r->ConstructRepeatGrid(p.a, p.b, p.repeatX, p.repeatY, p.c);
        return r;
    }
    }
}

Pattern ReadPattern(FuzzInput& in) {
    Pattern p;
    p.kind = static_cast<tagGMTRRepeatType>(in.Choice(4));
    p.a = in.Double();
    p.b = in.Double();
    p.c = in.Double();
    p.count = in.Long();
    p.repeatX = in.Long();
    p.repeatY = in.Long();
    return p;
}

// Changes one parameter of the first pattern through its setters, and the
// model with it.
void Tweak(FuzzInput& in, CGMTRRepeat* r, Pattern& p) {
    const double d = in.Double();
    const long n = in.Long();
    if (p.kind == REPEAT_LINE2D) {
        CGMTRRepeatLine2D* line = static_cast<CGMTRRepeatLine2D*>(r);
        switch (in.Choice(3)) {
        case 0:
            return line->PutLineAngle(p.a = d);
        case 1:
            return line->PutRepeatSpace(p.b = d);
        default:
            return line->PutCount(p.count = n);
        }
    }
    if (p.kind != REPEAT_GRID) {
        CGMTRRepeatArc2D* arc = static_cast<CGMTRRepeatArc2D*>(r);
        switch (in.Choice(4)) {
        case 0: {
            CGMTRPoint2D origin(d, in.Double());
            arc->SetOriginPt(origin);
            p.a = origin.X();
            p.b = origin.Y();
            return;
        }
        case 1:
            p.a = d;
            p.b = in.Double();
            return arc->SetOriginPt2(p.a, p.b);
        case 2:
            return arc->PutSpaceAngle(p.c = d);
        default:
            return arc->PutCount(p.count = n);
        }
    }
    CGMTRRepeatGrid* grid = static_cast<CGMTRRepeatGrid*>(r);
    switch (in.Choice(6)) {
    case 0:
        return grid->PutSpaceX(p.a = d);
    case 1:
        return grid->PutSpaceY(p.b = d);
    case 2:
        return grid->PutBaseAngle(p.c = d);
    case 3:
        return grid->PutRepeatX(p.repeatX = n);
    case 4:
        return grid->PutRepeatY(p.repeatY = n);
    default:
        return grid->PutCount(n); // the grid keeps columns times rows
    }
}

// The parameters that the pattern reports equal the model's.
void CheckPattern(CGMTRRepeat* r, const Pattern& p) {
    FUZZ_CHECK(r->GetRepeatType() == p.kind);
    FUZZ_CHECK(r->GetCurrentCount() == OwnCount(p));
    switch (p.kind) {
    case REPEAT_LINE2D: {
        CGMTRRepeatLine2D* line = static_cast<CGMTRRepeatLine2D*>(r);
        FUZZ_CHECK(SameBits(line->GetLineAngle(), p.a) && SameBits(line->GetRepeatSpace(), p.b));
        break;
    }
    case REPEAT_ARC2D:
    case REPEAT_ARC_SYMMETRY2D: {
        CGMTRRepeatArc2D* arc = static_cast<CGMTRRepeatArc2D*>(r);
        double x = Sentinel(), y = Sentinel();
        arc->GetOriginPt2(x, y);
        const CGMTRPoint2D origin = arc->GetOriginPt();
        FUZZ_CHECK(SameBits(x, p.a) && SameBits(y, p.b));
        FUZZ_CHECK(SameBits(origin.X(), p.a) && SameBits(origin.Y(), p.b));
        FUZZ_CHECK(SameBits(arc->GetSpaceAngle(), p.c));
        break;
    }
    default: {
        CGMTRRepeatGrid* grid = static_cast<CGMTRRepeatGrid*>(r);
        FUZZ_CHECK(SameBits(grid->GetSpaceX(), p.a) && SameBits(grid->GetSpaceY(), p.b) &&
                   SameBits(grid->GetBaseAngle(), p.c));
        FUZZ_CHECK(grid->GetRepeatX() == p.repeatX && grid->GetRepeatY() == p.repeatY);
        break;
    }
    }
}

// Walks the chain with GetRepeat, checking every pattern and every count.
void CheckChain(CGMTRRepeat* r, const Chain& chain, std::size_t i) {
    CheckPattern(r, chain[i]);
    FUZZ_CHECK(r->GetCount() == ChainCount(chain, i));
    CGMTRRepeat* next = r->GetRepeat();
    if (i + 1 == chain.size()) {
        FUZZ_CHECK(next == nullptr);
        return;
    }
    FUZZ_CHECK(next != nullptr);
    CGMTRRepeat* again = r->GetRepeat();
    FUZZ_CHECK(again != nullptr && again != next);
    delete again;
    CheckChain(next, chain, i + 1);
    delete next;
}

// Copy numbers worth trying on a chain of `count` copies.
std::vector<long> Indices(FuzzInput& in, long count) {
    const long last = static_cast<long>(static_cast<unsigned long>(count) - 1); // wraps
    std::vector<long> idx = {0, 1, -1, LONG_MIN, LONG_MAX, count, last};
    if (count > 0 && count <= kMaxIterated)
        for (long i = 2; i < count; ++i)
            idx.push_back(i);
    for (int k = 0; k < 3; ++k)
        idx.push_back(in.Long());
    return idx;
}

// Both placements of every copy number give the same bits on `a` and `b`.
void SamePlacements(FuzzInput& in, CGMTRRepeat* a, CGMTRRepeat* b) {
    const CGMTRPoint2D point(in.Double(), in.Double());
    const CGMTRPoint2D ref = in.Bool() ? point : CGMTRPoint2D(in.Double(), in.Double());
    const double angle = in.Double();
    for (long i : Indices(in, a->GetCount())) {
        const CGMTRPoint2D pa = a->GetRepeatPoint(i, point, ref);
        const CGMTRPoint2D pb = b->GetRepeatPoint(i, point, ref);
        FUZZ_CHECK(SameBits(pa.X(), pb.X()) && SameBits(pa.Y(), pb.Y()));
        FUZZ_CHECK(SameBits(a->GetRepeatAngle(i, angle), b->GetRepeatAngle(i, angle)));
    }
}

void CheckPlacements(FuzzInput& in, CGMTRRepeat* r, const Chain& chain) {
    const CGMTRPoint2D point(in.Double(), in.Double());
    const CGMTRPoint2D ref = in.Bool() ? point : CGMTRPoint2D(in.Double(), in.Double());
    const double angle = in.Double();
    bool turns = false;
    for (const Pattern& p : chain)
        turns = turns || p.kind == REPEAT_ARC_SYMMETRY2D;
    for (long i : Indices(in, r->GetCount())) {
        const CGMTRPoint2D placed = r->GetRepeatPoint(i, point, ref);
        // The bare-coordinate form: same bits, null outputs skipped, and the
        // outputs may be the inputs.
        double x = point.X(), y = point.Y();
        double ox = Sentinel(), oy = Sentinel();
        r->GetRepeatPoint2(i, x, y, &ox, &oy, ref);
        FUZZ_CHECK(SameBits(ox, placed.X()) && SameBits(oy, placed.Y()));
        FUZZ_CHECK(SameBits(x, point.X()) && SameBits(y, point.Y()));
        double only = Sentinel(), skipped = Sentinel();
        r->GetRepeatPoint2(i, x, y, &only, nullptr, ref);
        FUZZ_CHECK(SameBits(only, placed.X()) && SameBits(skipped, Sentinel()));
        r->GetRepeatPoint2(i, x, y, nullptr, &only, ref);
        FUZZ_CHECK(SameBits(only, placed.Y()));
        r->GetRepeatPoint2(i, x, y, nullptr, nullptr, ref);
        r->GetRepeatPoint2(i, x, y, &x, &y, ref);
        FUZZ_CHECK(SameBits(x, placed.X()) && SameBits(y, placed.Y()));
        const double turned = r->GetRepeatAngle(i, angle);
        if (!turns)
            FUZZ_CHECK(SameBits(turned, angle));
    }
    // Copy 0 leaves the point where it is, on tame values, for kinds that
    // place by adding a displacement (only the first pattern places copy 0).
    // The exceptions: the symmetric arc turns the point about the origin, and
    // so does the plain arc for the reference point itself, both through
    // (p - o) + o, which may round.
    const Pattern& first = chain[0];
    const bool rotates =
        first.kind == REPEAT_ARC_SYMMETRY2D ||
        (first.kind == REPEAT_ARC2D && point.X() == ref.X() && point.Y() == ref.Y());
    if (!rotates &&
        fuzz::Tame(1e6, {point.X(), point.Y(), ref.X(), ref.Y(), first.a, first.b, first.c})) {
        const CGMTRPoint2D zero = r->GetRepeatPoint(0, point, ref);
        FUZZ_CHECK(zero.X() == point.X() && zero.Y() == point.Y());
    }
}

// A copy of the first pattern through its own kind's copy constructor and
// assignment (onto a pattern whose chain the assignment replaces, then onto
// itself): same placements as the source.
template <class Kind> void CopyAs(FuzzInput& in, CGMTRRepeat* r) {
    Kind* src = static_cast<Kind*>(r);
    Kind* copy = new Kind(*src);
    Kind* assigned = new Kind();
    assigned->SetRepeat(src);
    *assigned = *src;
    Kind& alias = *assigned;
    *assigned = alias;
    FUZZ_CHECK(copy->GetCount() == r->GetCount());
    FUZZ_CHECK(assigned->GetCount() == r->GetCount());
    SamePlacements(in, r, copy);
    SamePlacements(in, r, assigned);
    delete copy;
    delete assigned;
}

void CopyKind(FuzzInput& in, CGMTRRepeat* r) {
    switch (r->GetRepeatType()) {
    case REPEAT_LINE2D:
        return CopyAs<CGMTRRepeatLine2D>(in, r);
    case REPEAT_ARC2D:
        return CopyAs<CGMTRRepeatArc2D>(in, r);
    case REPEAT_ARC_SYMMETRY2D:
        return CopyAs<CGMTRRepeatArcSymmetry2D>(in, r);
    default:
        return CopyAs<CGMTRRepeatGrid>(in, r);
    }
}

void Step(FuzzInput& in, CGMTRRepeat** roots, Chain* chains) {
    const unsigned which = in.Choice(2);
    CGMTRRepeat*& root = roots[which];
    Chain& chain = chains[which];
    switch (in.Choice(9)) {
    case 0: {
        delete root;
        chain.assign(1, ReadPattern(in));
        root = Make(chain[0]);
        break;
    }
    case 1:
    case 2:
        Tweak(in, root, chain[0]);
        break;
    case 3: {
        // Append a copy of the other chain, or of this chain itself.
        const unsigned from = in.Choice(2);
        const Chain source = chains[from];
        if (chain.size() + source.size() > kMaxChain)
            break;
        root->SetRepeat(roots[from]);
        chain.insert(chain.end(), source.begin(), source.end());
        break;
    }
    case 4: {
        // Append a temporary and delete it at once: the chain keeps its copy.
        if (chain.size() >= kMaxChain)
            break;
        const Pattern p = ReadPattern(in);
        CGMTRRepeat* temp = Make(p);
        root->SetRepeat(temp);
        delete temp;
        chain.push_back(p);
        break;
    }
    case 5:
        root->SetRepeat(nullptr);
        if (chain.size() > 1)
            chain.pop_back();
        break;
    case 6: {
        // A clone places like its source, and stays whole when the source
        // is replaced.
        CGMTRRepeat* clone = root->Clone();
        FUZZ_CHECK(clone != nullptr);
        CheckChain(clone, chain, 0);
        SamePlacements(in, root, clone);
        delete root;
        root = clone;
        break;
    }
    case 7:
        CopyKind(in, root);
        break;
    default:
        CheckPlacements(in, root, chain);
        break;
    }
    CheckChain(root, chain, 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    Chain chains[2];
    CGMTRRepeat* roots[2];
    for (int i = 0; i < 2; ++i) {
        chains[i].assign(1, ReadPattern(in));
        roots[i] = Make(chains[i][0]);
    }
    for (int step = 0; step < 32 && !in.Empty(); ++step)
        Step(in, roots, chains);
    delete roots[0];
    delete roots[1];
    return 0;
}
