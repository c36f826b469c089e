// The page layout dialog's diagram as geometry: per parameter the dimension
// arrows drawn over the page picture, the label points and the hit test that
// turns a click on a label into that parameter.
#pragma once
#include <array>
#include <vector>

namespace layout_diagram {

inline constexpr int Width = 200;    // the page picture
inline constexpr int Height = 283;
inline constexpr int HeadLength = 7;
inline constexpr int HeadWidth = 6;

struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};
struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
};

enum class Direction { Left, Right, Up, Down };
struct Arrow {
    Point start;
    Direction direction;
    int length;
    Point end() const;
    // The filled head: the tip (the arrow's end) and the two back corners.
    std::array<Point, 3> head() const;
};

// The arrows of parameter 0..18 (8 and 9 share theirs).
std::vector<Arrow> arrowsOf(int parameter);
// Where the label's text is centred horizontally, its top at y.
Point labelPoint(int parameter);

// Label rectangles (text extent grown by 3 on every side), by parameter.
class HitMap {
public:
    void set(int parameter, Box textExtent);
    // The parameter whose label is under p, or -1.
    int at(Point p) const;

private:
    std::array<Box, 19> boxes_{};
    std::array<bool, 19> known_{};
};

} // namespace layout_diagram
