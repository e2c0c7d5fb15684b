// GMTRRT demo host program: computes a small sample with the library and
// writes it as an SVG picture plus a short text report on standard output.
//
// usage: gmtrrt_demo [output.svg]
#include "CGMTRMatrix2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRVector2D.h"
#include "GMTRRT.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

// Collects SVG elements in model coordinates (y up) and writes them with the
// y axis flipped for the screen.
class SvgPicture {
public:
    SvgPicture(double minX, double minY, double maxX, double maxY)
        : m_minX(minX), m_maxY(maxY), m_w(maxX - minX), m_h(maxY - minY) {}

    void Point(const CGMTRPoint2D& p, const char* colour, const std::string& label = "") {
        m_body << "<circle cx='" << X(p) << "' cy='" << Y(p) << "' r='0.12' fill='" << colour
               << "'/>\n";
        if (!label.empty())
            Text(p, label, colour);
    }

    void Segment(const CGMTRPoint2D& a, const CGMTRPoint2D& b, const char* colour,
                 double width = 0.05) {
        m_body << "<line x1='" << X(a) << "' y1='" << Y(a) << "' x2='" << X(b) << "' y2='" << Y(b)
               << "' stroke='" << colour << "' stroke-width='" << width << "'/>\n";
    }

    void Arrow(const CGMTRPoint2D& from, const CGMTRPoint2D& to, const char* colour) {
        m_body << "<line x1='" << X(from) << "' y1='" << Y(from) << "' x2='" << X(to) << "' y2='"
               << Y(to) << "' stroke='" << colour
               << "' stroke-width='0.05' marker-end='url(#arrow)'/>\n";
    }

    void Text(const CGMTRPoint2D& p, const std::string& text, const char* colour) {
        m_body << "<text x='" << X(p) + 0.2 << "' y='" << Y(p) - 0.2
               << "' font-size='0.45' font-family='sans-serif' fill='" << colour << "'>" << text
               << "</text>\n";
    }

    bool Write(const std::string& path) const {
        std::ofstream out(path);
        if (!out)
            return false;
        out << "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 " << m_w << " " << m_h
            << "' width='" << m_w * 40 << "' height='" << m_h * 40 << "'>\n"
            << "<defs><marker id='arrow' viewBox='0 0 10 10' refX='9' refY='5' markerWidth='4' "
               "markerHeight='4' orient='auto'><path d='M0,0 L10,5 L0,10 z' fill='context-stroke'/>"
               "</marker></defs>\n"
            << "<rect width='100%' height='100%' fill='white'/>\n"
            << m_body.str() << "</svg>\n";
        return static_cast<bool>(out);
    }

private:
    double X(const CGMTRPoint2D& p) const { return p.X() - m_minX; }
    double Y(const CGMTRPoint2D& p) const { return m_maxY - p.Y(); }

    double m_minX, m_maxY, m_w, m_h;
    std::ostringstream m_body;
};

std::string Fmt(const CGMTRPoint2D& p) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "(%.4f, %.4f)", p.X(), p.Y());
    return buf;
}

} // namespace

int main(int argc, char** argv) {
    const std::string svgPath = argc > 1 ? argv[1] : "demo.svg";
    SvgPicture svg(-8, -8, 8, 8);
    svg.Segment(CGMTRPoint2D(-8, 0), CGMTRPoint2D(8, 0), "#bbb", 0.03);
    svg.Segment(CGMTRPoint2D(0, -8), CGMTRPoint2D(0, 8), "#bbb", 0.03);

    std::cout << "GMTRRT demo: moving points with 3x3 homogeneous matrices\n";

    // A triangle turned in quarter steps about one of its corners: the snapped
    // rotation keeps every copy on exact coordinates.
    const CGMTRPoint2D tri[3] = {CGMTRPoint2D(1, 1), CGMTRPoint2D(4, 1), CGMTRPoint2D(1, 3)};
    const char* colours[4] = {"#1f77b4", "#ff7f0e", "#2ca02c", "#d62728"};
    for (int k = 0; k < 4; ++k) {
        CGMTRMatrix2D turn;
        turn.SetToRotateBy(tri[0], k * GMTR_HALF_PI);
        CGMTRPoint2D p[3] = {tri[0], tri[1], tri[2]};
        for (auto& q : p)
            q *= turn;
        for (int i = 0; i < 3; ++i)
            svg.Segment(p[i], p[(i + 1) % 3], colours[k]);
        svg.Point(p[1], colours[k], "r" + std::to_string(k * 90));
        std::cout << "  turned by " << k * 90 << " deg: corner " << Fmt(p[1]) << "\n";
    }

    // The same triangle mirrored across a slanted line and scaled about the
    // origin, composed into one matrix: mirror first, then scale.
    CGMTRMatrix2D move;
    move.SetToMirror(CGMTRPoint2D(0, -1), CGMTRVector2D(1, 1));
    move.Scale(0.5);
    CGMTRPoint2D m[3] = {tri[0], tri[1], tri[2]};
    for (auto& q : m)
        q *= move;
    for (int i = 0; i < 3; ++i)
        svg.Segment(m[i], m[(i + 1) % 3], "#9467bd");
    svg.Segment(CGMTRPoint2D(-6, -7), CGMTRPoint2D(7, 6), "#9467bd", 0.02);
    std::cout << "  mirrored and halved: " << Fmt(m[0]) << " " << Fmt(m[1]) << " " << Fmt(m[2])
              << "\n";

    // A vector turned by a matrix keeps no translation.
    CGMTRVector2D dir(2, 1);
    CGMTRMatrix2D shiftTurn;
    shiftTurn.SetToTransfer(CGMTRVector2D(100, 100));
    shiftTurn.Rotate(GMTR_PI / 6);
    dir *= shiftTurn;
    svg.Arrow(CGMTRPoint2D(-6, 5), CGMTRPoint2D(-6 + dir.X(), 5 + dir.Y()), "#8c564b");
    std::cout << "  vector (2, 1) turned by 30 deg: (" << dir.X() << ", " << dir.Y() << "), length "
              << dir.Length() << "\n";

    if (!svg.Write(svgPath)) {
        std::cerr << "gmtrrt_demo: cannot write " << svgPath << "\n";
        return 1;
    }
    std::cout << "picture written to " << svgPath << "\n";
    return 0;
}
