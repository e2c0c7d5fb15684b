// The playground's readout computed by the native library.
//
//   gmtrrt_reference 'seg=0,0,200,150&arc=0,0,100,0,1.5&...'
//
// takes the playground state (the part of its URL after '#') and prints, as
// one JSON object, what the page shows for it: the crossings of the segment
// and the arc, the fillet of the segment and the arc at the corner point, the
// union of the two arcs on one circle, the junction angles at the corner
// point and every copy of the repeat chain. The browser test compares the
// page's readout with this output.
#include <CGMTRArc2D.h>
#include <CGMTRLine2D.h>
#include <CGMTRPoint2D.h>
#include <CGMTRPoint2DCol.h>
#include <CGMTRRepeat.h>
#include <CGMTRRepeatArc2D.h>
#include <CGMTRRepeatArcSymmetry2D.h>
#include <CGMTRRepeatGrid.h>
#include <CGMTRRepeatLine2D.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (true) {
        const std::string::size_type end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

std::vector<double> Numbers(const std::string& text) {
    std::vector<double> values;
    for (const std::string& part : Split(text, ','))
        values.push_back(std::strtod(part.c_str(), nullptr));
    return values;
}

// The state's fields; a missing or short one is an error of the caller.
struct State {
    std::map<std::string, std::string> fields;

    std::vector<double> Get(const std::string& key, std::size_t count) const {
        const auto found = fields.find(key);
        if (found == fields.end()) {
            std::fprintf(stderr, "state has no '%s'\n", key.c_str());
            std::exit(2);
        }
        std::vector<double> values = Numbers(found->second);
        if (values.size() != count) {
            std::fprintf(stderr, "'%s' needs %zu numbers\n", key.c_str(), count);
            std::exit(2);
        }
        return values;
    }
};

// The arc as the page builds it: centre, radius, start angle, then sweep.
CGMTRArc2D MakeArc(double cx, double cy, double radius, double start, double sweep) {
    CGMTRArc2D arc;
    arc.PutBasePoint(CGMTRPoint2D(cx, cy));
    arc.PutRadius(radius);
    arc.PutBaseAngle(start);
    arc.PutSweepAngle(sweep);
    return arc;
}

std::unique_ptr<CGMTRRepeat> MakeRepeat(const std::string& text) {
    const std::string::size_type colon = text.find(':');
    const std::string kind = text.substr(0, colon);
    const std::vector<double> v = Numbers(text.substr(colon + 1));
    if (kind == "L" && v.size() == 3) {
        auto line = std::make_unique<CGMTRRepeatLine2D>();
        line->ConstructRepeatLine(v[0], v[1], static_cast<long>(v[2]));
        return line;
    }
    if ((kind == "A" || kind == "S") && v.size() == 4) {
        std::unique_ptr<CGMTRRepeatArc2D> arc;
        if (kind == "A")
            arc = std::make_unique<CGMTRRepeatArc2D>();
        else
            arc = std::make_unique<CGMTRRepeatArcSymmetry2D>();
        arc->ConstructRepeatArc(v[0], v[1], v[2], static_cast<long>(v[3]));
        return arc;
    }
    if (kind == "G" && v.size() == 5) {
        auto grid = std::make_unique<CGMTRRepeatGrid>();
        grid->ConstructRepeatGrid(v[0], v[1], static_cast<long>(v[2]), static_cast<long>(v[3]),
                                  v[4]);
        return grid;
    }
    std::fprintf(stderr, "bad repeat pattern '%s'\n", text.c_str());
    std::exit(2);
}

void PrintNumbers(const char* key, const std::vector<double>& values, bool last = false) {
    std::printf("\"%s\":[", key);
    for (std::size_t i = 0; i < values.size(); ++i)
        std::printf("%s%.17g", i ? "," : "", values[i]);
    std::printf("]%s\n", last ? "" : ",");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s STATE\n", argv[0]);
        return 2;
    }
    State state;
    for (const std::string& pair : Split(argv[1], '&')) {
        const std::string::size_type eq = pair.find('=');
        if (eq != std::string::npos)
            state.fields[pair.substr(0, eq)] = pair.substr(eq + 1);
    }

    const std::vector<double> s = state.Get("seg", 4);
    const std::vector<double> a = state.Get("arc", 5);
    const std::vector<double> b = state.Get("b", 2);
    const std::vector<double> q = state.Get("q", 2);
    const double d = state.Get("d", 1)[0];
    const int leaving = static_cast<int>(state.Get("leave", 1)[0]);
    const std::vector<double> p = state.Get("p", 2);

    CGMTRLine2D segment(CGMTRPoint2D(s[0], s[1]), CGMTRPoint2D(s[2], s[3]));
    CGMTRArc2D arc = MakeArc(a[0], a[1], a[2], a[3], a[4]);
    CGMTRArc2D other = MakeArc(a[0], a[1], a[2], b[0], b[1]);
    const CGMTRPoint2D corner(q[0], q[1]);

    std::printf("{\n");

    CGMTRPoint2DCol hits;
    segment.FGetCrossPoint(&arc, hits);
    std::vector<double> crossings;
    for (long i = 0; i < hits.GetCount(); ++i) {
        CGMTRPoint2D hit;
        hits.get_Item(i, hit);
        crossings.push_back(hit.X());
        crossings.push_back(hit.Y());
    }
    PrintNumbers("crossings", crossings);

    // Written all or none: a centre still at the NaN it started with means
    // no fillet.
    const double nan = std::strtod("nan", nullptr);
    CGMTRPoint2D onLine(nan, nan), onArc(nan, nan), centre(nan, nan);
    arc.LineTangencyDistance(segment, corner, d, onLine, onArc, centre);
    std::vector<double> fillet;
    if (centre.X() == centre.X())
        fillet = {centre.X(), centre.Y(), onLine.X(), onLine.Y(), onArc.X(), onArc.Y()};
    PrintNumbers("fillet", fillet);

    CGMTRArc2D result(arc);
    const int joined = arc.GetConedArc(other, result);
    std::printf("\"unionCode\":%d,\n", joined);
    PrintNumbers("union", {result.GetBaseAngle(), result.GetSweepAngle()});

    double segmentAngle = 0.0;
    double arcAngle = 0.0;
    segment.GetLineArcAngle(arc, corner, segmentAngle, arcAngle, leaving);
    PrintNumbers("junction", {segmentAngle, arcAngle});

    std::unique_ptr<CGMTRRepeat> chain;
    const auto rep = state.fields.find("rep");
    if (rep != state.fields.end() && !rep->second.empty()) {
        for (const std::string& text : Split(rep->second, ';')) {
            std::unique_ptr<CGMTRRepeat> pattern = MakeRepeat(text);
            if (chain)
                chain->SetRepeat(pattern.get());
            else
                chain = std::move(pattern);
        }
    }
    std::vector<double> copies;
    const long count = chain ? chain->GetCount() : 0;
    const CGMTRPoint2D seed(p[0], p[1]);
    for (long i = 0; i < count; ++i) {
        const CGMTRPoint2D copy = chain->GetRepeatPoint(i, seed, seed);
        copies.push_back(static_cast<double>(i));
        copies.push_back(copy.X());
        copies.push_back(copy.Y());
        copies.push_back(chain->GetRepeatAngle(i, 0.0));
    }
    std::printf("\"count\":%ld,\n", count);
    PrintNumbers("copies", copies, true);
    std::printf("}\n");
    return 0;
}
