#pragma once

namespace rewrix {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle in surface pixels; right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    Rect translated(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Rect intersected(const Rect& o) const;
    friend bool operator==(const Rect&, const Rect&) = default;
};

inline Rect Rect::intersected(const Rect& o) const {
    Rect r{left > o.left ? left : o.left, top > o.top ? top : o.top,
           right < o.right ? right : o.right, bottom < o.bottom ? bottom : o.bottom};
    if (r.isEmpty())
        return {};
    return r;
}

} // namespace rewrix
