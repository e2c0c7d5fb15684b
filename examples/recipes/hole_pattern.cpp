// Recipe: a bolt circle and a chained hole grid, moved by one matrix.
//
// The bolt circle is the symmetric arc pattern: copy i is the first hole
// turned about the hub by i steps. (The plain arc pattern moves a point with
// its reference point; given the hub as reference point it would put every
// copy on the first hole, which the program shows too.) The grid is a line of
// three holes repeated by a 2 x 2 grid: in a chain the first pattern's copy
// number varies fastest, and the grid runs its rows in serpentine order.
// One matrix, a turn about the part's origin followed by a shift, moves every
// hole to its place on the machine table.
//
// The program checks every hole against its place computed here from plain
// trigonometry, and exits 1 when one is off.
//
// usage: recipe_hole_pattern [--svg PATH]
#include "CGMTRMatrix2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRRepeatArc2D.h"
#include "CGMTRRepeatArcSymmetry2D.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"
#include "CGMTRVector2D.h"
#include "GMTRRT.h"
#include "sketch.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

int failures = 0;
void Check(bool ok, const std::string& what) {
    if (!ok) {
        std::printf("WRONG: %s\n", what.c_str());
        ++failures;
    }
}

} // namespace

int main(int argc, char** argv) {
    const double turn = GMTR_PI / 6; // the part lies on the table turned by 30 degrees
    const double shiftX = 150, shiftY = 40;

    //! [pattern]
    // Part coordinates: the bolt circle about the hub (0, 0), radius 30,
    // eight holes; the first at angle 0.
    CGMTRRepeatArcSymmetry2D bolts;
    bolts.ConstructRepeatArc(0.0, 0.0, GMTR_2PI / 8, 8);
    const CGMTRPoint2D firstBolt(30, 0);

    // Three holes 10 apart along x, repeated by a grid of 2 columns (40
    // apart) and 2 rows (25 apart). SetRepeat stores a copy of the grid.
    CGMTRRepeatLine2D row;
    row.ConstructRepeatLine(0.0, 10.0, 3);
    CGMTRRepeatGrid grid;
    grid.ConstructRepeatGrid(40.0, 25.0, 2, 2, 0.0);
    row.SetRepeat(&grid);
    const CGMTRPoint2D firstHole(50, -30);

    // Part to table: turn about the part's origin, then shift. A *= B
    // applies B after A.
    CGMTRMatrix2D toTable;
    toTable.SetToRotate(turn);
    toTable.Transfer(CGMTRVector2D(shiftX, shiftY));

    std::vector<CGMTRPoint2D> holes;
    for (long i = 0; i < bolts.GetCount(); ++i) {
        CGMTRPoint2D p = bolts.GetRepeatPoint(i, firstBolt, firstBolt);
        p *= toTable;
        holes.push_back(p);
    }
    for (long i = 0; i < row.GetCount(); ++i) {
        CGMTRPoint2D p = row.GetRepeatPoint(i, firstHole, firstHole);
        p *= toTable;
        holes.push_back(p);
    }
    //! [pattern]

    // Where each hole must be, from plain trigonometry.
    auto table = [&](double x, double y) {
        return CGMTRPoint2D(x * std::cos(turn) - y * std::sin(turn) + shiftX,
                            x * std::sin(turn) + y * std::cos(turn) + shiftY);
    };
    std::vector<CGMTRPoint2D> expected;
    for (int i = 0; i < 8; ++i)
        expected.push_back(table(30 * std::cos(i * GMTR_2PI / 8), 30 * std::sin(i * GMTR_2PI / 8)));
    for (int i = 0; i < 12; ++i) {
        const int along = i % 3, cell = i / 3, gridRow = cell / 2;
        const int column = gridRow % 2 == 0 ? cell % 2 : 1 - cell % 2; // serpentine
        expected.push_back(table(50 + 10 * along + 40 * column, -30 + 25 * gridRow));
    }
    Check(holes.size() == expected.size(), "20 holes");
    for (std::size_t i = 0; i < holes.size() && i < expected.size(); ++i) {
        std::printf("hole %2zu at %s\n", i, sketch::Pt(holes[i], 3).c_str());
        Check(holes[i].Distance2D(expected[i]) < 1e-9,
              "hole " + std::to_string(i) + " expected at " + sketch::Pt(expected[i]));
    }

    // The trap: the plain arc pattern with the hub as reference point moves
    // no copy at all.
    CGMTRRepeatArc2D plain;
    plain.ConstructRepeatArc(0.0, 0.0, GMTR_2PI / 8, 8);
    int onFirst = 0;
    for (long i = 0; i < plain.GetCount(); ++i)
        onFirst +=
            plain.GetRepeatPoint(i, firstBolt, CGMTRPoint2D(0, 0)).Distance2D(firstBolt) < 1e-12
                ? 1
                : 0;
    std::printf("plain arc pattern, hub as reference point: %d of 8 copies on the first hole\n",
                onFirst);
    Check(onFirst == 8, "the plain arc pattern with the hub as reference keeps every copy");
    std::printf("%s\n", failures ? "WRONG" : "all checks passed");

    if (argc == 3 && std::string(argv[1]) == "--svg") {
        sketch::Sketch svg(90, 2, 272, 128, 3.6);
        // The part's axes on the table.
        CGMTRPoint2D origin(0, 0), xAxis(120, 0), yAxis(0, 60);
        origin *= toTable;
        xAxis *= toTable;
        yAxis *= toTable;
        svg.ArrowTo(origin, xAxis, "#9a9a9a", 1.0);
        svg.ArrowTo(origin, yAxis, "#9a9a9a", 1.0);
        svg.Text(xAxis, "part x", "#9a9a9a", 4, 4);
        for (std::size_t i = 0; i < holes.size(); ++i) {
            svg.Ring(holes[i], 10, i < 8 ? "#117a65" : "#b9770e", 2.0);
            svg.Text(holes[i], std::to_string(i < 8 ? i : i - 8), i < 8 ? "#117a65" : "#b9770e", 0,
                     4, "middle", 10.5);
        }
        svg.Legend(8, 8,
                   {{{"#117a65", 2.0}, "bolt circle: 8 holes (symmetric arc pattern)"},
                    {{"#b9770e", 2.0}, "line of 3 chained to a 2 x 2 grid"},
                    {{"#9a9a9a", 1.0}, "the part's axes, turned 30° and shifted"}});
        if (!svg.Write(argv[2]))
            return 2;
    }
    return failures ? 1 : 0;
}
