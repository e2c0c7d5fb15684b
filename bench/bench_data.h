// Inputs of the benchmarks, generated once from fixed seeds, and the floor
// implementations: the same computations written as straight-line code on bare
// doubles, with every math-library call the query needs made once and no
// objects, collections or heap.
#ifndef GMTRRT_BENCH_DATA_H
#define GMTRRT_BENCH_DATA_H

#include <cstddef>
#include <vector>

namespace bench {

// An arc as it is stored: centre, start vector, mid vector, full-circle flag.
struct Arc {
    double cx, cy, bx, by, mx, my;
    int full;
};

// A segment as it is stored: base point and step to the end point.
struct Seg {
    double px, py, vx, vy;
};

struct SegSegIn {
    Seg a, b;
};
struct ArcSegIn {
    Arc a;
    Seg s;
};
struct ArcArcIn {
    Arc a, b;
};
struct LineTanIn {
    Arc a;
    Seg s;
    double qx, qy, d;
};
struct ArcTanIn {
    Arc a, b;
    double d;
};
struct ArcPointIn {
    Arc a;
    double px, py;
};
struct RotateIn {
    double px, py, angle, x, y;
};
struct ChainIn {
    long lineCount, gridX, gridY;
    double lineAngle, lineSpace;
    double gridSpaceX, gridSpaceY, gridAngle;
    double x, y;
};

// Up to six doubles of output and how many points were produced.
struct Out {
    double v[6];
    int n;
};

struct Inputs {
    std::vector<SegSegIn> segSeg;
    std::vector<ArcSegIn> arcSeg;
    std::vector<ArcArcIn> arcArc;
    std::vector<LineTanIn> lineTan;
    std::vector<ArcTanIn> arcTan;
    std::vector<ArcPointIn> arcDistance;
    std::vector<ArcPointIn> arcPercent;
    std::vector<RotateIn> rotate;
    std::vector<ChainIn> chain;
};

constexpr std::size_t kInputs = 4096; // a power of two, cycled with a mask
constexpr int kChainLine = 5;         // copies of the line pattern
constexpr int kChainGridX = 3;        // columns of the grid
constexpr int kChainGridY = 2;        // rows of the grid
constexpr int kChainCopies = kChainLine * kChainGridX * kChainGridY;

const Inputs& GetInputs();

void FloorSegSeg(const SegSegIn& in, Out& out);
void FloorArcSeg(const ArcSegIn& in, Out& out);
void FloorArcArc(const ArcArcIn& in, Out& out);
void FloorLineTangency(const LineTanIn& in, Out& out);
void FloorArcTangency(const ArcTanIn& in, Out& out);
double FloorArcDistance(const ArcPointIn& in);
double FloorArcPercent(const ArcPointIn& in);
void FloorRotate(const RotateIn& in, Out& out);
// Places every copy of the chain; xy receives 2 * kChainCopies doubles.
void FloorChain(const ChainIn& in, double* xy);

} // namespace bench

#endif // GMTRRT_BENCH_DATA_H
