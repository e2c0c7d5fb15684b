// The query paths of the segment and arc intersections, the fillets, the arc's
// distance and percent, a rotation about a point and the placement of every
// copy of a repeat chain allocate nothing: the global allocation functions are
// replaced here by counting ones. The result collections are given their
// storage before counting starts, as a host that reuses them would.
#include "CGMTRMatrix2D.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"
#include "support/TestSupport.h"

#include <cstdlib>
#include <new>

namespace {
bool g_counting = false;
long g_allocations = 0;
} // namespace

#ifndef _WIN32
// Linux: the library takes its memory from the global operator new, which
// this program replaces; the dynamic linker binds the library's calls to it.
namespace {
void* Allocate(std::size_t n) {
    if (g_counting)
        ++g_allocations;
    if (void* p = std::malloc(n == 0 ? 1 : n))
        return p;
    throw std::bad_alloc();
}
} // namespace

void* operator new(std::size_t n) {
    return Allocate(n);
}
void* operator new[](std::size_t n) {
    return Allocate(n);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    if (g_counting)
        ++g_allocations;
    return std::malloc(n == 0 ? 1 : n);
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
    if (g_counting)
        ++g_allocations;
    return std::malloc(n == 0 ? 1 : n);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {
bool InstallCounter() {
    return true;
}
} // namespace
#else
// Windows: GMTRRT.dll carries its own C++ runtime, so replacing operator new
// here would not reach it. Its operator new ends in the C runtime's malloc,
// which the DLL imports: that entry of its import table is pointed at a
// counting wrapper.
#include <windows.h>

namespace {
using MallocFn = void*(__cdecl*)(std::size_t);
MallocFn g_malloc = nullptr;

void* __cdecl CountingMalloc(std::size_t n) {
    if (g_counting)
        ++g_allocations;
    return g_malloc(n);
}

// Points the module's import of `name` (from any DLL) at `hook`; returns the
// former target, or null when the module does not import that name.
template <class Fn> Fn PatchImport(HMODULE module, const char* name, Fn hook) {
    BYTE* const base = reinterpret_cast<BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    Fn previous = nullptr;
    for (auto* imp = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
         imp->Name != 0; ++imp) {
        const auto* names =
            reinterpret_cast<const IMAGE_THUNK_DATA*>(base + imp->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), name) != 0)
                continue;
            DWORD protection = 0;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE,
                           &protection);
            std::memcpy(&previous, &slots->u1.Function, sizeof previous);
            std::memcpy(&slots->u1.Function, &hook, sizeof hook);
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
        }
    }
    return previous;
}

// True when the DLL's allocations now pass through the counters.
bool InstallCounter() {
    if (g_malloc != nullptr)
        return true;
    HMODULE dll = GetModuleHandleA(GMTRRT_LIBRARY_PATH);
    if (dll == nullptr)
        return false;
    g_malloc = PatchImport<MallocFn>(dll, "malloc", CountingMalloc);
    return g_malloc != nullptr;
}
} // namespace
#endif

// The counter sees the library's own allocations: a collection that must
// grow inside the library is counted, on every platform.
TEST(NoAllocation, CounterSeesTheLibrarysAllocations) {
    ASSERT_TRUE(InstallCounter());
    g_allocations = 0;
    g_counting = true;
    {
        CGMTRPoint2DCol col;
        for (int i = 0; i < 100; ++i)
            col.Add(CGMTRPoint2D(i, i));
    }
    g_counting = false;
    EXPECT_GT(g_allocations, 0);
}

TEST(NoAllocation, QueryPathsAllocateNothing) {
    const CGMTRLine2D s1(CGMTRPoint2D(0, 0), CGMTRPoint2D(10, 0));
    CGMTRLine2D s2(CGMTRPoint2D(5, -5), CGMTRPoint2D(5, 5));
    const CGMTRLine2D chord(CGMTRPoint2D(-5, 1), CGMTRPoint2D(5, 1));
    CGMTRArc2D a = MakeArc(0, 0, 2, 0, GMTR_2PI), b = MakeArc(2, 0, 2, 0, GMTR_2PI);
    CGMTRArc2D distant = MakeArc(5, 0, 1, 0, GMTR_2PI);
    const CGMTRLine2D leg(CGMTRPoint2D(2, 0), CGMTRPoint2D(6, 0));
    CGMTRRepeatLine2D chain;
    chain.ConstructRepeatLine(0.3, 4.0, 5);
    CGMTRRepeatGrid grid;
    grid.ConstructRepeatGrid(2.0, 3.0, 3, 2, 0.7);
    chain.SetRepeat(&grid);

    CGMTRPoint2DCol col;
    for (int i = 0; i < 8; ++i)
        col.Add(CGMTRPoint2D());
    col.Clear();

    ASSERT_TRUE(InstallCounter());
    g_allocations = 0;
    g_counting = true;
    s1.GetCrossPoint(s2, col);
    a.GetCrossPointLine(chord, col);
    a.GetCrossPointArc(b, col);
    s1.FGetCrossPoint(&a, col);
    CGMTRPoint2D p1, p2, p3, q1, q2, q3;
    a.LineTangencyDistance(leg, CGMTRPoint2D(2, 0), 1.0, p1, p2, p3);
    a.ArcTangencyDistance(distant, 1.0, q1, q2, q3);
    const double d = a.Distance(CGMTRPoint2D(3, 1));
    const double t = a.PointToPercent(CGMTRPoint2D(0, 2));
    CGMTRMatrix2D m;
    m.SetToRotateBy(CGMTRPoint2D(1, 1), 0.5);
    CGMTRPoint2D moved(3, 4);
    moved *= m;
    double x = 1.0, y = 2.0, rx = 0.0, ry = 0.0;
    for (long n = 0; n < chain.GetCount(); ++n)
        chain.GetRepeatPoint2(n, x, y, &rx, &ry, CGMTRPoint2D(1, 2));
    g_counting = false;

    EXPECT_EQ(g_allocations, 0);
    // The work was done: points found, fillets written, values computed.
    EXPECT_EQ(col.GetCount(), 6);
    EXPECT_NEAR(p3.X(), 2 * std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(q3.X(), 3.0, 1e-12);
    EXPECT_NEAR(d, std::sqrt(10.0) - 2, 1e-12);
    EXPECT_NEAR(t, 0.25, 1e-12);
    EXPECT_NE(rx, 0.0);
}
