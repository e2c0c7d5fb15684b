// What a host relies on when it loads the library: exported symbols resolve
// by name and the value types are plain.
#include "CGMTRMatrix2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRVector2D.h"
#include "GMTRRT.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

TEST(Module, LoadsAndResolvesMembersByName) {
    void* lib = dlopen(GMTRRT_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(lib, nullptr) << dlerror();
    // CGMTRVector2D::Length() const
    using LengthFn = double (*)(const CGMTRVector2D*);
    auto length = reinterpret_cast<LengthFn>(dlsym(lib, "_ZNK13CGMTRVector2D6LengthEv"));
    ASSERT_NE(length, nullptr);
    CGMTRVector2D v(3, 4);
    EXPECT_EQ(length(&v), 5.0);
    // IsEqualValue(double const&, double const&)
    using EqualFn = bool (*)(const double&, const double&);
    auto equal = reinterpret_cast<EqualFn>(dlsym(lib, "_Z12IsEqualValueRKdS0_"));
    ASSERT_NE(equal, nullptr);
    EXPECT_TRUE(equal(1.0, 1.0 + 1e-11));
    // A local helper of the library does not resolve.
    EXPECT_EQ(dlsym(lib, "_ZN12_GLOBAL__N_18MultiplyEPA3_KdS2_PA3_d"), nullptr);
    EXPECT_EQ(dlclose(lib), 0);
}
