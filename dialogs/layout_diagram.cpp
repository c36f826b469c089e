#include "dialogs/layout_diagram.h"

namespace layout_diagram {

namespace {

using D = Direction;

struct Pair {                 // one arrow each way from a common start, or two starts
    Point from1;
    D dir1;
    int len1;
    Point from2;
    D dir2;
    int len2;
};

constexpr Pair both(Point p, D d1, int l1, D d2, int l2) { return {p, d1, l1, p, d2, l2}; }

// Every end point sits on an edge of the page picture (make_layout_image.py).
constexpr std::array<Pair, 19> Table = {{
    both({100, 8}, D::Left, 100, D::Right, 99),
    both({170, 100}, D::Up, 100, D::Down, 182),
    both({63, 8}, D::Up, 8, D::Down, 9),
    both({8, 141}, D::Left, 8, D::Right, 9),
    {{73, 36}, D::Up, 10, {73, 7}, D::Down, 10},
    both({63, 35}, D::Up, 9, D::Down, 8),
    both({63, 51}, D::Up, 8, D::Down, 8),
    {{73, 81}, D::Up, 10, {73, 49}, D::Down, 10},
    both({26, 141}, D::Left, 9, D::Right, 9),
    both({26, 141}, D::Left, 9, D::Right, 9),
    both({64, 141}, D::Left, 29, D::Right, 100),
    both({63, 135}, D::Up, 76, D::Down, 100),
    both({63, 251}, D::Up, 16, D::Down, 16),
    {{187, 105}, D::Left, 10, {154, 105}, D::Right, 10},
    both({186, 95}, D::Left, 9, D::Right, 8),
    {{186, 134}, D::Up, 10, {186, 103}, D::Down, 10},
    {{118, 120}, D::Left, 10, {81, 120}, D::Right, 10},
    {{111, 130}, D::Left, 10, {88, 130}, D::Right, 10},
    both({128, 150}, D::Left, 20, D::Right, 34),
}};

constexpr std::array<Point, 19> Labels = {{
    {12, 8}, {175, 21}, {57, 8}, {8, 145}, {74, 17}, {57, 30}, {57, 46}, {82, 46}, {27, 145}, {27, 128},
    {80, 142}, {59, 80}, {59, 250}, {150, 100}, {187, 81}, {187, 114}, {123, 115}, {116, 125}, {135, 150},
}};

Point step(Direction d, int n) {
    switch (d) {
    case D::Left: return {-n, 0};
    case D::Right: return {n, 0};
    case D::Up: return {0, -n};
    case D::Down: return {0, n};
    }
    return {};
}

bool valid(int parameter) { return parameter >= 0 && parameter < static_cast<int>(Table.size()); }

} // namespace

Point Arrow::end() const {
    Point s = step(direction, length);
    return {start.x + s.x, start.y + s.y};
}

std::array<Point, 3> Arrow::head() const {
    Point tip = end();
    Point back = step(direction, -HeadLength);
    bool horizontal = direction == D::Left || direction == D::Right;
    Point side = horizontal ? Point{0, HeadWidth / 2} : Point{HeadWidth / 2, 0};
    Point base{tip.x + back.x, tip.y + back.y};
    return {tip, Point{base.x - side.x, base.y - side.y}, Point{base.x + side.x, base.y + side.y}};
}

std::vector<Arrow> arrowsOf(int parameter) {
    if (!valid(parameter)) return {};
    const Pair& p = Table[parameter];
    return {Arrow{p.from1, p.dir1, p.len1}, Arrow{p.from2, p.dir2, p.len2}};
}

Point labelPoint(int parameter) { return valid(parameter) ? Labels[parameter] : Point{}; }

void HitMap::set(int parameter, Box e) {
    if (!valid(parameter)) return;
    boxes_[parameter] = Box{e.left - 3, e.top - 3, e.right + 3, e.bottom + 3};
    known_[parameter] = true;
}

int HitMap::at(Point p) const {
    for (int i = 0; i < static_cast<int>(boxes_.size()); ++i)
        if (known_[i] && boxes_[i].contains(p)) return i;
    return -1;
}

} // namespace layout_diagram
