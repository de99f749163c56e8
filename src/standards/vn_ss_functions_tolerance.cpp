#include "vn_ss_functions_tolerance.h"

#include <cmath>
#include <cstdio>

#include "object_export_math.h"

namespace {

struct Neighbours {
    std::optional<double> below;  // nearest candidate c with v - c >= 0
    std::optional<double> above;  // nearest candidate c with c - v > 0
};

Neighbours findNeighbours(const std::vector<double>& candidates, double v) {
    Neighbours n;
    for (double c : candidates) {
        if (v - c >= 0.0) {
            if (!n.below || v - c < v - *n.below) n.below = c;
        } else if (!n.above || c - v < *n.above - v) {
            n.above = c;
        }
    }
    return n;
}

struct Limits {
    double v, down, up, low, high;
};

bool belowFits(const std::optional<double>& c, const Limits& l) {
    return c && l.v - *c <= l.down && *c <= l.high;
}

bool aboveFits(const std::optional<double>& c, const Limits& l) {
    return c && *c - l.v <= l.up && *c >= l.low;
}

}  // namespace

std::string VnSSFunctionsTolerance::toleranceMessage(double down, double up) {
    char downText[400];  // every finite double in full
    char upText[400];
    std::snprintf(downText, sizeof downText, "%.2f", down);
    std::snprintf(upText, sizeof upText, "%.2f", up);
    return std::string("Invalid tolerances provided.\n DownTolerance is :") + downText +
           "UpTolerance is :" + upText +
           "\nAdding both tolerances should result in a positive value.";
}

std::optional<double> VnSSFunctionsTolerance::chooseCandidate(const std::vector<double>& candidates,
                                                              const VnToleranceQuery& q) {
    const Limits l{q.value, q.down, q.up, q.value - q.down, q.value + q.up};
    const Neighbours n = findNeighbours(candidates, q.value);
    const bool aboveIsNearer = n.above && (!n.below || *n.above - l.v < l.v - *n.below);
    if (aboveIsNearer) {
        if (aboveFits(n.above, l)) return n.above;
        if (belowFits(n.below, l)) return n.below;
        return std::nullopt;
    }
    if (belowFits(n.below, l)) return n.below;
    if (aboveFits(n.above, l)) return n.above;
    return std::nullopt;
}

double VnSSFunctionsTolerance::roundWithin(const VnToleranceQuery& q) {
    const double v = q.value;
    const double low = v - q.down;
    const double high = v + q.up;
    double b = v;
    if (b > high) b = high;
    if (b < low) b = low;
    const double rUp = ObjectExportRoundUp(b, q.step, q.up);
    double rDown = ObjectExportRoundTo(b, q.step);
    if (rDown > b) rDown -= std::fabs(q.step);
    const double dUp = rUp - v;
    const double dDown = v - rDown;
    const bool downFits = dDown <= q.down && rDown >= low;
    const bool upFits = dUp <= q.up && rUp <= high;
    if (dUp >= dDown) {
        if (downFits) return rDown;
        if (upFits) return rUp;
    } else {
        if (upFits) return rUp;
        if (downFits) return rDown;
    }
    return b;
}

double VnSSFunctionsTolerance::choose(const std::vector<double>& candidates,
                                      const VnToleranceQuery& q) {
    if (auto c = chooseCandidate(candidates, q)) return *c;
    return roundWithin(q);
}
