// Optional peers: the same jobs through other libraries, for comparison with
// the library. Each is compiled apart (so that its compile options do not
// reach the library side or the floors) and only when its package is
// installed and the benchmarks are configured with GMTRRT_BENCH_PEERS. Each
// writes its result for input i to out as the floor does.
#ifndef GMTRRT_BENCH_PEERS_H
#define GMTRRT_BENCH_PEERS_H

#include "bench_data.h"

namespace bench {

#ifdef GMTRRT_BENCH_CGAL
extern const char* const kCgalName;
/// Builds the kernel's segments and arcs from the inputs (once).
void BuildCgalObjects();
void CgalSegSeg(std::size_t i, Out& out);
void CgalArcSeg(std::size_t i, Out& out);
void CgalArcArc(std::size_t i, Out& out);
#endif

#ifdef GMTRRT_BENCH_OCCT
extern const char* const kOcctName;
/// The rotation of input i through a transform made for the query.
void OcctRotate(std::size_t i, Out& out);
#endif

#ifdef GMTRRT_BENCH_BOOST
extern const char* const kBoostName;
/// The rotation of input i through the transform strategies, made for the query.
void BoostRotate(std::size_t i, Out& out);
#endif

} // namespace bench

#endif // GMTRRT_BENCH_PEERS_H
