"""The demo part, computed and drawn from Python.

An outline of two segments and two arcs with its four corners filleted and
trimmed to the fillets, the junction directions at the sharp corners, a
cutting line and a cutting circle with their crossings on the outline, a bolt
circle, a chained grid of holes and the union of two arcs of one circle. Writes
the picture as SVG and a short report on standard output.

usage: python3 demo_part.py [-o demo_part.svg] [-r fillet-radius]
"""
import argparse
import math
import sys

import gmtrrt as g


def arc_between(centre, start, end):
    """The counter-clockwise arc of the circle about `centre` from `start` to `end`."""
    a = g.get_direction_angle(*centre, *start)
    b = g.get_direction_angle(*centre, *end)
    return g.Arc2D(center=centre, radius=g.Point2D(*centre).distance2d(start), start=a,
                   sweep=g.normalize_angle(b - a))


def fmt(p):
    return f"({p[0]:.3f}, {p[1]:.3f})"


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("-o", "--output", default="demo_part.svg", help="SVG file to write")
    parser.add_argument("-r", "--radius", type=float, default=12.0,
                        help="fillet radius of the outline's corners (default 12)")
    args = parser.parse_args(argv)
    d = args.radius
    print(f"GMTRRT demo part from Python (fillet radius {d:g})")

    # Outline, counter-clockwise: bottom segment, right arc, top segment, left arc.
    p0, p1, p2, p3 = (0, 0), (200, 0), (200, 100), (0, 100)
    c_right, c_left = (130, 50), (70, 50)
    bottom, top = g.Line2D(p0, p1), g.Line2D(p2, p3)
    right, left = arc_between(c_right, p1, p2), arc_between(c_left, p3, p0)
    drawn = [g.Styled(e, color="#bbbbbb", width=0.6, dash="3,2")
             for e in (bottom, right, top, left)]

    # Fillets: the circle of radius d touching the segment and the arc of each
    # corner; None where no fillet fits (the corner then stays sharp).
    print("\nFillets:")
    corners = [(bottom, right, p1), (top, right, p2), (top, left, p3), (bottom, left, p0)]
    fillets = []
    for line, arc, at in corners:
        f = arc.line_tangency_distance(line, at, d)
        fillets.append(f)
        if f:
            print(f"  corner {fmt(at)}: centre {fmt(f.center)}, on segment {fmt(f.on_line)}, "
                  f"on arc {fmt(f.on_arc)}")
        else:
            print(f"  corner {fmt(at)}: no fillet of radius {d:g} fits; the corner stays sharp")

    def on_line(k):
        return fillets[k].on_line if fillets[k] else corners[k][2]

    def on_arc(k):
        return fillets[k].on_arc if fillets[k] else corners[k][2]

    outline = g.BaseGeo2DCol()
    outline.add(g.Line2D(on_line(3), on_line(0)))
    if fillets[0]:
        outline.add(arc_between(fillets[0].center, fillets[0].on_line, fillets[0].on_arc))
    outline.add(arc_between(c_right, on_arc(0), on_arc(1)))
    if fillets[1]:
        outline.add(arc_between(fillets[1].center, fillets[1].on_arc, fillets[1].on_line))
    outline.add(g.Line2D(on_line(1), on_line(2)))
    if fillets[2]:
        outline.add(arc_between(fillets[2].center, fillets[2].on_line, fillets[2].on_arc))
    outline.add(arc_between(c_left, on_arc(2), on_arc(3)))
    if fillets[3]:
        outline.add(arc_between(fillets[3].center, fillets[3].on_arc, fillets[3].on_line))
    perimeter = sum(e.line_length if isinstance(e, g.Line2D) else abs(e.sweep_angle) * e.radius
                    for e in outline)
    print(f"\nOutline: {len(outline)} entities, perimeter {perimeter:.3f}")
    drawn.append(g.Styled(outline, "filleted outline", color="#1f4e79", width=1.6))
    drawn += [g.Styled(f, color="#2e86c1") for f in fillets if f]

    # Junction directions at the sharp corners, leaving the corner.
    print("\nJunctions (leaving directions, degrees):")
    for (line, arc, at), line_arrives in zip(corners, (True, False, True, False)):
        angles = line.get_line_arc_angle(arc, at, 1)
        arrive = (angles.this_angle if line_arrives else angles.other_angle) + math.pi
        leave = angles.other_angle if line_arrives else angles.this_angle
        turn = g.normalize_signed_angle(leave - arrive)
        for angle in angles:
            tip = (at[0] + 14 * math.cos(angle), at[1] + 14 * math.sin(angle))
            drawn.append(g.Styled(g.Line2D(at, tip), color="#e67e22", width=1.2))
        print(f"  at {fmt(at)}: segment {math.degrees(angles.this_angle):7.2f}, "
              f"arc {math.degrees(angles.other_angle):7.2f}, "
              f"contour turns {math.degrees(turn):6.2f}")

    # A cutting line and a cutting circle against every outline entity.
    cut = g.Line2D((-30, 95), (250, 15))
    ring = g.Arc2D(center=(205, 95), radius=22, sweep=g.TWO_PI)
    for tool, name, colour in ((cut, "line", "#c0392b"), (ring, "circle", "#8e44ad")):
        hits = g.cross_points(tool, outline).points
        print(f"\nCrossings of the cutting {name} ({len(hits)}):")
        drawn.append(g.Styled(tool, f"cutting {name}", color=colour, width=0.8, dash="6,3"))
        for i, p in enumerate(hits):
            label = chr(ord("A") + i)
            drawn.append(g.Styled(tuple(p), label, color=colour))
            print(f"  {label} {fmt(p)}  at {tool.point_to_percent(tuple(p)) * 100:.0f}% "
                  f"along the {name}")

    # Bolt circle: six holes turned about the hub.
    hub, first_bolt = (60, 50), (85, 50)
    bolts = g.RepeatArc2D(origin=hub, space_angle=g.TWO_PI / 6, count=6)
    holes = g.repeat_points(bolts, first_bolt)
    print(f"\nBolt circle ({bolts.count} holes about {fmt(hub)}):")
    print("  " + " ".join(fmt(h) for h in holes))
    drawn.append(g.Styled(g.Arc2D(center=hub, radius=25, sweep=g.TWO_PI), color="#aaaaaa",
                          width=0.6))
    drawn.append(g.Styled(bolts, "bolt circle", color="#117a65", point=first_bolt, radius=4,
                          numbers=False))

    # Holes: a line of two, repeated by a serpentine 2 x 3 grid.
    holes = g.RepeatLine2D(angle=0, space=12, count=2, repeat=g.RepeatGrid(30, 25, 2, 3, 0))
    first_hole = (110, 20)
    print(f"\nHole pattern (line of 2, then a 2 x 3 grid, serpentine): {holes.count} holes")
    for i, h in enumerate(g.repeat_points(holes, first_hole)):
        print(f"  #{i} {fmt(h)}")
    drawn.append(g.Styled(holes, "hole grid (serpentine order)", color="#b9770e",
                          point=first_hole, radius=3))

    # Arc union: two overlapping arcs of one circle become one.
    first = g.Arc2D(center=hub, radius=35, start=math.radians(10), sweep=math.radians(60))
    second = g.Arc2D(center=hub, radius=35, start=math.radians(140), sweep=math.radians(-80))
    joined = first.get_coned_arc(second)
    drawn += [g.Styled(first, color="#27ae60", width=3), g.Styled(second, color="#f1c40f", width=3)]
    if joined:
        drawn.append(g.Styled(joined, "arc union", color="#000000", width=0.8))
        print(f"\nArc union: [10, +60] and [140, -80] degrees -> joined, start "
              f"{math.degrees(joined.base_angle):.2f}, sweep {math.degrees(joined.sweep_angle):.2f}")
    else:
        print("\nArc union: [10, +60] and [140, -80] degrees -> not joined")

    g.write_svg(args.output, *drawn, title="GMTRRT demo part")
    print(f"\nPicture written to {args.output}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
