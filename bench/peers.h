// The same crossings computed by a general 2D kernel with circular arcs, for
// comparison with the library. Built only when the benchmarks are configured
// with GMTRRT_BENCH_PEERS and the kernel's headers are installed.
#ifndef GMTRRT_BENCH_PEERS_H
#define GMTRRT_BENCH_PEERS_H

#include "bench_data.h"

namespace bench {

/// Builds the kernel's segments and arcs from the inputs (once).
void BuildPeerObjects();

/// Crossings of input i through the kernel, written to out as for the floor.
void PeerSegSeg(std::size_t i, Out& out);
void PeerArcSeg(std::size_t i, Out& out);
void PeerArcArc(std::size_t i, Out& out);

/// What the kernel computes differently, for the report.
extern const char* const kPeerName;

} // namespace bench

#endif // GMTRRT_BENCH_PEERS_H
