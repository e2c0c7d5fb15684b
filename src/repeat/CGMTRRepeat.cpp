#include "CGMTRRepeat.h"
#include "numeric/Compiler.h"
#include "repeat/RepeatPlacement.h"

namespace {
// own * next with two's-complement wrap-around instead of signed overflow.
long WrappingProduct(long a, long b) {
    return static_cast<long>(static_cast<unsigned long>(a) * static_cast<unsigned long>(b));
}
} // namespace

CGMTRRepeat::CGMTRRepeat() : m_pNext(nullptr), m_nCount(0) {}

CGMTRRepeat::CGMTRRepeat(const CGMTRRepeat& other) : m_pNext(nullptr), m_nCount(other.m_nCount) {
    if (other.m_pNext)
        m_pNext = other.m_pNext->Clone();
}

CGMTRRepeat& CGMTRRepeat::operator=(const CGMTRRepeat& other) {
    if (this == &other)
        return *this;
    // Copy first and release afterwards: `other` may live inside the chain
    // that is about to be deleted.
    CGMTRRepeat* copy = other.m_pNext ? other.m_pNext->Clone() : nullptr;
    const long count = other.m_nCount;
    CGMTRRepeat* old = m_pNext;
    m_pNext = copy;
    m_nCount = count;
    delete old;
    return *this;
}

CGMTRRepeat::~CGMTRRepeat() {
    // Unlink the chain and delete it pattern by pattern, so that a long chain
    // does not nest one destructor call per pattern on the stack.
    CGMTRRepeat* p = m_pNext;
    m_pNext = nullptr;
    while (p) {
        CGMTRRepeat* next = p->m_pNext;
        p->m_pNext = nullptr;
        delete p;
        p = next;
    }
}

long CGMTRRepeat::GetCount() {
    if (!m_pNext)
        return m_nCount;
    const long m = m_pNext->GetCount();
    if (m == 0)
        return m_nCount;
    return WrappingProduct(m_nCount, m);
}

long CGMTRRepeat::GetCurrentCount() {
    return m_nCount;
}

void CGMTRRepeat::GetChildIndex(long index, long& own, long& child) {
    own = 0;
    child = 0;
    // A pattern without copies, or the last one, keeps the whole number; this
    // also keeps a zero count out of the division.
    if (m_nCount != 0 && m_pNext && index >= m_nCount) {
        gmtrrt::detail::DivMod(index, m_nCount, child, own);
    } else {
        own = index;
    }
}

namespace gmtrrt {
namespace detail {

// Walks down the chain without recursion or copies: each pattern places the
// previous pattern's result by its own number. Shared by GetRepeatPoint,
// which returns the result in registers, and GetRepeatPoint2.
struct ChainWalk {
    GMTRRT_ALWAYS_INLINE static void Place(CGMTRRepeat* p, long n, double cx, double cy,
                                           const CGMTRPoint2D& ref, double& outX, double& outY) {
        for (;;) {
            long own = 0;
            long child = 0;
            p->GetChildIndex(n, own, child);
            double tx;
            double ty;
            if (!PlaceOwnKind(*p, own, cx, cy, tx, ty)) {
                // Through copies: the running point stays in registers on
                // the common path. An output the pattern does not write is 0.
                const double ax = cx;
                const double ay = cy;
                double ox = 0.0;
                double oy = 0.0;
                p->GetOutputPt(own, ax, ay, ox, oy, ref);
                tx = ox;
                ty = oy;
            }
            cx = tx;
            cy = ty;
            if (child <= 0)
                break;
            p = p->m_pNext; // GetChildIndex gives child > 0 only with a next pattern
            n = child;
        }
        outX = cx;
        outY = cy;
    }
};

} // namespace detail
} // namespace gmtrrt

CGMTRPoint2D CGMTRRepeat::GetRepeatPoint(long index, const CGMTRPoint2D& point,
                                         const CGMTRPoint2D& ref) {
    double x = 0.0;
    double y = 0.0;
    gmtrrt::detail::ChainWalk::Place(this, index, point.X(), point.Y(), ref, x, y);
    return CGMTRPoint2D(x, y);
}

void CGMTRRepeat::GetRepeatPoint2(long index, double& x, double& y, double* outX, double* outY,
                                  const CGMTRPoint2D& ref) {
    double rx = 0.0;
    double ry = 0.0;
    gmtrrt::detail::ChainWalk::Place(this, index, x, y, ref, rx, ry);
    if (outX)
        *outX = rx;
    if (outY)
        *outY = ry;
}

double CGMTRRepeat::GetRepeatAngle(long index, double angle) {
    long own = 0;
    long child = 0;
    GetChildIndex(index, own, child);
    if (child > 0)
        return m_pNext->GetRepeatAngle(child, angle);
    return angle;
}

void CGMTRRepeat::SetRepeat(CGMTRRepeat* repeat) {
    if (repeat) {
        if (m_pNext) {
            m_pNext->SetRepeat(repeat);
            return;
        }
        // The copy is complete before it is linked in, so even a pattern of
        // this very chain is copied as it stands and no cycle can form.
        m_pNext = repeat->Clone();
        return;
    }
    if (!m_pNext)
        return;
    if (m_pNext->m_pNext) {
        m_pNext->SetRepeat(nullptr);
        return;
    }
    delete m_pNext;
    m_pNext = nullptr;
}

CGMTRRepeat* CGMTRRepeat::GetRepeat() {
    return m_pNext ? m_pNext->Clone() : nullptr;
}

CGMTRRepeat* CGMTRRepeat::Clone() {
    // Copy the patterns one by one and link the copies in order; the result
    // equals copying the next pattern's chain and appending it, in linear time.
    CGMTRRepeat* head = GetSelfCopy();
    if (!head)
        return nullptr;
    CGMTRRepeat* tail = head;
    for (CGMTRRepeat* p = m_pNext; p; p = p->m_pNext) {
        CGMTRRepeat* copy = p->GetSelfCopy();
        if (!copy) {
            delete head;
            return nullptr;
        }
        tail->m_pNext = copy;
        tail = copy;
    }
    return head;
}

// Const forms: the same members, called on a chain that none of them changes.
long CGMTRRepeat::GetCount() const {
    return const_cast<CGMTRRepeat&>(*this).GetCount();
}
long CGMTRRepeat::GetCurrentCount() const {
    return const_cast<CGMTRRepeat&>(*this).GetCurrentCount();
}
CGMTRPoint2D CGMTRRepeat::GetRepeatPoint(long index, const CGMTRPoint2D& point,
                                         const CGMTRPoint2D& ref) const {
    return const_cast<CGMTRRepeat&>(*this).GetRepeatPoint(index, point, ref);
}
void CGMTRRepeat::GetRepeatPoint2(long index, const double& x, const double& y, double* outX,
                                  double* outY, const CGMTRPoint2D& ref) const {
    const_cast<CGMTRRepeat&>(*this).GetRepeatPoint2(index, const_cast<double&>(x),
                                                    const_cast<double&>(y), outX, outY, ref);
}
double CGMTRRepeat::GetRepeatAngle(long index, double angle) const {
    return const_cast<CGMTRRepeat&>(*this).GetRepeatAngle(index, angle);
}
CGMTRRepeat* CGMTRRepeat::GetRepeat() const {
    return const_cast<CGMTRRepeat&>(*this).GetRepeat();
}
tagGMTRRepeatType CGMTRRepeat::GetRepeatType() const {
    return const_cast<CGMTRRepeat&>(*this).GetRepeatType();
}
CGMTRRepeat* CGMTRRepeat::Clone() const {
    return const_cast<CGMTRRepeat&>(*this).Clone();
}
