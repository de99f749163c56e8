// CPoint: a point as a value.
#pragma once

#include "csize.h"
#include "win_types.h"

class CPoint : public POINT {
  public:
    CPoint() = default;
    CPoint(int px, int py) : POINT{px, py} {}
    CPoint(POINT p) : POINT(p) {}
    // A point packed in an LPARAM (mouse messages).
    explicit CPoint(LPARAM packed) : POINT{GET_X_LPARAM(packed), GET_Y_LPARAM(packed)} {}
    operator LPPOINT() { return this; }
    void Offset(int dx, int dy) {
        x += dx;
        y += dy;
    }
    bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
    CPoint operator+(const CSize& s) const { return CPoint(x + s.cx, y + s.cy); }
    CPoint operator-(const CSize& s) const { return CPoint(x - s.cx, y - s.cy); }
    CSize operator-(const CPoint& o) const { return CSize(x - o.x, y - o.y); }
    CPoint& operator+=(const CSize& s) {
        Offset(s.cx, s.cy);
        return *this;
    }
};
