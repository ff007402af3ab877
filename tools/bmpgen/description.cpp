#include "description.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace bmpgen {
namespace {

constexpr int kMaxSide = 1024;

// Each command's operands: exactly `min` numbers, or for point lists (`pairs`)
// at least `min` numbers in x y pairs. `ink` takes a word instead.
struct Command {
    const char* name;
    int min;
    int max;
    bool pairs;
};

constexpr Command kCommands[] = {
    {"size", 2, 2, false},       {"ink", 0, 0, false},         {"pen", 1, 1, false},
    {"colours", 1, 1, false},    {"anchor", 2, 2, false},
    {"pixel", 2, 2, false},      {"line", 4, 5, false},        {"polyline", 4, INT_MAX, true},
    {"rect", 4, 4, false},       {"fillrect", 4, 4, false},    {"ellipse", 4, 4, false},
    {"fillellipse", 4, 4, false}, {"circle", 3, 3, false},     {"fillcircle", 3, 3, false},
    {"dotellipse", 6, 6, false}, {"arc", 8, 8, false},         {"polygon", 6, INT_MAX, true},
};

const Command* Find(const std::string& name) {
    for (const Command& c : kCommands)
        if (name == c.name) return &c;
    return nullptr;
}

struct InkName {
    const char* name;
    Colour colour;
};
constexpr InkName kInks[] = {{"black", kBlack}, {"white", kWhite}, {"navy", kNavy}, {"red", kRed}};

const InkName* InkColour(const std::string& word) {
    for (const InkName& ink : kInks)
        if (word == ink.name) return &ink;
    return nullptr;
}

bool ParseInt(const std::string& word, int& value) {
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(word.c_str(), &end, 10);
    if (word.empty() || *end != '\0' || errno != 0 || v < -100000 || v > 100000) return false;
    value = static_cast<int>(v);
    return true;
}

std::string CheckOperands(const Command& c, const std::vector<std::string>& words, std::vector<int>& n) {
    const int count = static_cast<int>(words.size()) - 1;
    if (c.name == std::string("ink")) {
        if (count == 1 && InkColour(words[1])) return {};
        return "ink takes black, white, navy or red";
    }
    if (count < c.min || count > c.max || (c.pairs && count % 2 != 0)) {
        std::ostringstream s;
        s << c.name << " takes ";
        if (c.pairs)
            s << "pairs of numbers, at least " << c.min / 2 << " points";
        else if (c.min == c.max)
            s << c.min << " numbers";
        else
            s << c.min << " to " << c.max << " numbers";
        return s.str();
    }
    for (int i = 1; i <= count; ++i) {
        int v = 0;
        if (!ParseInt(words[i], v)) return "not a whole number: " + words[i];
        n.push_back(v);
    }
    return {};
}

std::vector<Point> Points(const std::vector<int>& n) {
    std::vector<Point> points;
    for (std::size_t i = 0; i + 1 < n.size(); i += 2) points.push_back({n[i], n[i + 1]});
    return points;
}

// Draws one checked command; returns what is wrong with its values, if anything.
std::string Apply(const std::string& name, const std::vector<int>& n, Canvas& canvas, int& pen) {
    if (name == "pen") {
        if (n[0] < 1 || n[0] > 64) return "pen width must be 1 to 64";
        pen = n[0];
    } else if (name == "pixel") {
        canvas.Plot(n[0], n[1]);
    } else if (name == "line") {
        const int width = n.size() == 5 ? n[4] : pen;
        if (width < 1 || width > 64) return "line width must be 1 to 64";
        canvas.Line({n[0], n[1]}, {n[2], n[3]}, width);
    } else if (name == "polyline") {
        const std::vector<Point> p = Points(n);
        for (std::size_t i = 1; i < p.size(); ++i) canvas.Line(p[i - 1], p[i], pen);
    } else if (name == "rect") {
        const Point corners[] = {{n[0], n[1]}, {n[2], n[1]}, {n[2], n[3]}, {n[0], n[3]}};
        for (int i = 0; i < 4; ++i) canvas.Line(corners[i], corners[(i + 1) % 4], pen);
    } else if (name == "fillrect") {
        canvas.FillRect({n[0], n[1]}, {n[2], n[3]});
    } else if (name == "ellipse") {
        canvas.Ellipse({n[0], n[1]}, {n[2], n[3]});
    } else if (name == "fillellipse") {
        canvas.FillEllipse({n[0], n[1]}, {n[2], n[3]});
    } else if (name == "circle" || name == "fillcircle") {
        if (n[2] < 0) return "radius must not be negative";
        const Point a{n[0] - n[2], n[1] - n[2]};
        const Point b{n[0] + n[2], n[1] + n[2]};
        if (name == "circle")
            canvas.Ellipse(a, b);
        else
            canvas.FillEllipse(a, b);
    } else if (name == "dotellipse") {
        if (n[4] < 1 || n[5] < 0) return "dotellipse needs ON of 1 or more and OFF of 0 or more";
        canvas.DottedEllipse({n[0], n[1]}, {n[2], n[3]}, n[4], n[5]);
    } else if (name == "arc") {
        canvas.Arc({n[0], n[1]}, {n[2], n[3]}, {n[4], n[5]}, {n[6], n[7]});
    } else if (name == "polygon") {
        canvas.FillPolygon(Points(n));
    }
    return {};
}

}  // namespace

std::optional<Canvas> Draw(const std::string& description, DrawError& error) {
    std::optional<Canvas> canvas;
    int pen = 1;
    bool drawn = false;  // a drawing command came after size
    std::istringstream in(description);
    int lineNo = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNo;
        const auto fail = [&](const std::string& what) {
            error = {lineNo, what};
            return std::nullopt;
        };
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;) w.push_back(word);
        if (w.empty()) continue;

        const Command* c = Find(w[0]);
        if (c == nullptr) return fail("unknown command " + w[0]);
        std::vector<int> n;
        const std::string bad = CheckOperands(*c, w, n);
        if (!bad.empty()) return fail(bad);

        if (w[0] == "size") {
            if (canvas) return fail("size given twice");
            if (n[0] < 1 || n[1] < 1 || n[0] > kMaxSide || n[1] > kMaxSide)
                return fail("size must be 1 to " + std::to_string(kMaxSide) + " each way");
            canvas.emplace(n[0], n[1]);
            continue;
        }
        if (!canvas) return fail("the description must start with size");
        if (w[0] == "colours") {
            if (n[0] != 16) return fail("colours takes 16");
            if (drawn) return fail("colours must come right after size");
            canvas->SetColours16(true);
            continue;
        }
        if (w[0] == "ink") {
            const Colour ink = InkColour(w[1])->colour;
            if (ink != kBlack && ink != kWhite && !canvas->Colours16()) return fail("ink " + w[1] + " needs colours 16");
            canvas->SetInk(ink);
            continue;
        }
        if (w[0] == "anchor") {
            if (!canvas->Colours16()) return fail("anchor needs colours 16");
            if (canvas->Anchor()) return fail("anchor given twice");
            if (n[0] < 0 || n[1] < 0 || n[0] >= canvas->Width() || n[1] >= canvas->Height())
                return fail("anchor must lie on the canvas");
            canvas->SetAnchor({n[0], n[1]});
            continue;
        }
        drawn = true;
        const std::string wrong = Apply(w[0], n, *canvas, pen);
        if (!wrong.empty()) return fail(wrong);
    }
    if (!canvas) {
        error = {0, "no size given"};
        return std::nullopt;
    }
    if (const std::optional<Point> anchor = canvas->Anchor()) {
        canvas->SetInk(kRed);
        canvas->Plot(anchor->x, anchor->y);
    }
    return canvas;
}

}  // namespace bmpgen
