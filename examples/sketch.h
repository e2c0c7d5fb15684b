// A small SVG writer for the example programs: the demo, the guide's figures
// and the recipes draw what the library computed with it.
//
// Positions are given in model coordinates (y up) and written as pixels
// (y down) with one decimal, so that a picture is the same file on every
// platform unless a result moves by a visible amount. Pen widths, dot radii,
// arrow lengths and font sizes are pixels. Arrow heads are drawn as small
// polygons rather than markers, so every colour gets a head of its own colour.
#ifndef GMTRRT_EXAMPLES_SKETCH_H
#define GMTRRT_EXAMPLES_SKETCH_H

#include "CGMTRArc2D.h"
#include "CGMTRBaseGeo2D.h"
#include "CGMTRLine2D.h"
#include "CGMTRPoint2D.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace sketch {

// v with a fixed number of decimals; a value that rounds to zero is written
// without a sign, so a report never shows "-0.000".
inline std::string Num(double v, int decimals = 1) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    std::string s = buf;
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos)
        s.erase(0, 1);
    return s;
}

// "(x, y)" with three decimals.
inline std::string Pt(const CGMTRPoint2D& p, int decimals = 3) {
    return "(" + Num(p.X(), decimals) + ", " + Num(p.Y(), decimals) + ")";
}

// Stroke of a line: colour, width in pixels, optional dash pattern.
struct Pen {
    const char* colour = "#000000";
    double width = 1.0;
    const char* dash = nullptr;
    double opacity = 1.0;
};

inline std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

class Sketch {
public:
    // The model window [minX, maxX] x [minY, maxY], drawn at `scale` pixels
    // per model unit.
    Sketch(double minX, double minY, double maxX, double maxY, double scale = 4.0)
        : m_scale(scale), m_w((maxX - minX) * scale), m_h((maxY - minY) * scale),
          m_px0(-minX * scale), m_py0(maxY * scale) {}

    // A picture of w x h pixels with the model origin at pixel (originX,
    // originY); Place moves the origin.
    struct Pixels {
        double w, h;
    };
    Sketch(Pixels size, double scale, double originX, double originY)
        : m_scale(scale), m_w(size.w), m_h(size.h), m_px0(originX), m_py0(originY) {}

    double Scale() const { return m_scale; }

    // Puts the model origin at pixel (x, y) for everything drawn afterwards:
    // a figure of several panels computes each panel in its own coordinates.
    void Place(double x, double y) {
        m_px0 = x;
        m_py0 = y;
    }

    // A straight stroke from p to q.
    void Segment(const CGMTRPoint2D& p, const CGMTRPoint2D& q, const Pen& pen) {
        m_body << "<line x1='" << X(p) << "' y1='" << Y(p) << "' x2='" << X(q) << "' y2='" << Y(q)
               << "'" << Stroke(pen) << "/>\n";
    }

    // A segment or an arc of the library, as the entity itself describes it.
    void Entity(const CGMTRBaseGeo2D& e, const Pen& pen) {
        if (e.get_GeometryType() == GEOMETRY_LINE2D) {
            Segment(e.FGetStartPoint(), e.FGetEndPoint(), pen);
            return;
        }
        const CGMTRArc2D& arc = static_cast<const CGMTRArc2D&>(e);
        const double r = arc.GetRadius();
        const double sweep = arc.GetSweepAngle();
        if (std::fabs(sweep) >= 2 * GMTR_PI - 1e-9) {
            Circle(arc.GetBasePoint(), r, pen);
            return;
        }
        // Screen y runs down, so a counter-clockwise arc is drawn clockwise
        // (SVG sweep flag 0).
        const CGMTRPoint2D a = arc.GetStartPoint();
        const CGMTRPoint2D b = arc.GetEndPoint();
        m_body << "<path d='M" << X(a) << "," << Y(a) << " A" << Len(r) << "," << Len(r) << " 0 "
               << (std::fabs(sweep) > GMTR_PI ? 1 : 0) << "," << (sweep > 0 ? 0 : 1) << " " << X(b)
               << "," << Y(b) << "' fill='none'" << Stroke(pen) << "/>\n";
    }

    // A circle of model radius r.
    void Circle(const CGMTRPoint2D& c, double r, const Pen& pen, const char* fill = "none") {
        m_body << "<circle cx='" << X(c) << "' cy='" << Y(c) << "' r='" << Len(r) << "' fill='"
               << fill << "'" << Stroke(pen) << "/>\n";
    }

    // A filled dot of `px` pixels radius.
    void Dot(const CGMTRPoint2D& p, double px, const char* fill) {
        m_body << "<circle cx='" << X(p) << "' cy='" << Y(p) << "' r='" << Num(px) << "' fill='"
               << fill << "'/>\n";
    }

    // A ring of `px` pixels radius.
    void Ring(const CGMTRPoint2D& p, double px, const char* stroke, double width = 1.2,
              const char* fill = "white") {
        m_body << "<circle cx='" << X(p) << "' cy='" << Y(p) << "' r='" << Num(px) << "' fill='"
               << fill << "' stroke='" << stroke << "' stroke-width='" << Num(width) << "'/>\n";
    }

    // A cross of `px` pixels half-width, marking a point without hiding it.
    void Cross(const CGMTRPoint2D& p, double px, const char* stroke) {
        const double x = PxX(p), y = PxY(p);
        m_body << "<path d='M" << Num(x - px) << "," << Num(y - px) << " L" << Num(x + px) << ","
               << Num(y + px) << " M" << Num(x - px) << "," << Num(y + px) << " L" << Num(x + px)
               << "," << Num(y - px) << "' stroke='" << stroke << "' stroke-width='1.5'/>\n";
    }

    // An arrow of `px` pixels from `from` in the direction `angle` (radians,
    // counter-clockwise from +x in the model).
    void Arrow(const CGMTRPoint2D& from, double angle, double px, const char* colour,
               double width = 1.5) {
        const double x0 = PxX(from), y0 = PxY(from);
        const double ux = std::cos(angle), uy = -std::sin(angle);
        const double x1 = x0 + px * ux, y1 = y0 + px * uy;
        const double head = 4 + 2 * width;
        m_body << "<line x1='" << Num(x0) << "' y1='" << Num(y0) << "' x2='"
               << Num(x1 - 0.8 * head * ux) << "' y2='" << Num(y1 - 0.8 * head * uy) << "' stroke='"
               << colour << "' stroke-width='" << Num(width) << "'/>\n";
        m_body << "<polygon points='" << Num(x1) << "," << Num(y1) << " "
               << Num(x1 - head * ux - 0.45 * head * uy) << ","
               << Num(y1 - head * uy + 0.45 * head * ux) << " "
               << Num(x1 - head * ux + 0.45 * head * uy) << ","
               << Num(y1 - head * uy - 0.45 * head * ux) << "' fill='" << colour << "'/>\n";
    }

    // An arrow from one model point to another.
    void ArrowTo(const CGMTRPoint2D& from, const CGMTRPoint2D& to, const char* colour,
                 double width = 1.5) {
        const double dx = to.X() - from.X(), dy = to.Y() - from.Y();
        Arrow(from, std::atan2(dy, dx), m_scale * std::sqrt(dx * dx + dy * dy), colour, width);
    }

    // Text at a model point, shifted by (dx, dy) pixels (dy down); anchor is
    // "start", "middle" or "end".
    void Text(const CGMTRPoint2D& p, const std::string& text, const char* fill = "#222222",
              double dx = 0, double dy = 0, const char* anchor = "start", double size = 13) {
        TextPx(PxX(p) + dx, PxY(p) + dy, text, fill, anchor, size);
    }

    // Text at a pixel position of the picture.
    void TextPx(double x, double y, const std::string& text, const char* fill = "#222222",
                const char* anchor = "start", double size = 13, bool bold = false) {
        m_body << "<text x='" << Num(x) << "' y='" << Num(y) << "' font-size='" << Num(size)
               << "' font-family='sans-serif' text-anchor='" << anchor << "'"
               << (bold ? " font-weight='bold'" : "") << " fill='" << fill << "'>" << Escape(text)
               << "</text>\n";
    }

    // A legend box at a pixel position: one row per entry, each with a line
    // swatch in the entry's pen or a dot of its colour.
    struct LegendEntry {
        Pen pen;
        std::string label;
        bool dot = false;
    };
    void Legend(double x, double y, const std::vector<LegendEntry>& entries) {
        const double row = 18, width = 46 + 6.6 * Longest(entries);
        m_body << "<rect x='" << Num(x) << "' y='" << Num(y) << "' width='" << Num(width)
               << "' height='" << Num(row * entries.size() + 8)
               << "' fill='white' fill-opacity='0.9' stroke='#999999' stroke-width='0.8'/>\n";
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const double cy = y + 4 + row * i + row / 2;
            const LegendEntry& e = entries[i];
            if (e.dot)
                m_body << "<circle cx='" << Num(x + 19) << "' cy='" << Num(cy) << "' r='4' fill='"
                       << e.pen.colour << "'/>\n";
            else
                m_body << "<line x1='" << Num(x + 8) << "' y1='" << Num(cy) << "' x2='"
                       << Num(x + 30) << "' y2='" << Num(cy) << "'" << Stroke(e.pen) << "/>\n";
            TextPx(x + 38, cy + 4.5, e.label, "#222222", "start", 12.5);
        }
    }

    // The whole picture as SVG text.
    std::string Svg() const {
        std::ostringstream out;
        out << "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 " << Num(m_w) << " "
            << Num(m_h) << "' width='" << Num(m_w) << "' height='" << Num(m_h) << "'>\n"
            << "<rect width='100%' height='100%' fill='white'/>\n"
            << m_body.str() << "</svg>\n";
        return out.str();
    }

    // Writes the picture in binary mode (LF line ends everywhere); false when
    // the file cannot be written.
    bool Write(const std::string& path) const {
        std::ofstream out(path, std::ios::binary);
        out << Svg();
        out.close();
        return static_cast<bool>(out);
    }

private:
    double PxX(const CGMTRPoint2D& p) const { return m_px0 + m_scale * p.X(); }
    double PxY(const CGMTRPoint2D& p) const { return m_py0 - m_scale * p.Y(); }
    std::string X(const CGMTRPoint2D& p) const { return Num(PxX(p)); }
    std::string Y(const CGMTRPoint2D& p) const { return Num(PxY(p)); }
    std::string Len(double r) const { return Num(m_scale * r); }

    static std::string Stroke(const Pen& pen) {
        std::string s = " stroke='" + std::string(pen.colour) + "' stroke-width='" +
                        Num(pen.width) + "' stroke-linecap='round'";
        if (pen.dash)
            s += " stroke-dasharray='" + std::string(pen.dash) + "'";
        if (pen.opacity < 1.0)
            s += " stroke-opacity='" + Num(pen.opacity, 2) + "'";
        return s;
    }

    static double Longest(const std::vector<LegendEntry>& entries) {
        std::size_t n = 0;
        for (const LegendEntry& e : entries)
            n = e.label.size() > n ? e.label.size() : n;
        return static_cast<double>(n);
    }

    double m_scale, m_w, m_h;
    double m_px0, m_py0; // where the model origin is drawn
    std::ostringstream m_body;
};

} // namespace sketch

#endif // GMTRRT_EXAMPLES_SKETCH_H
