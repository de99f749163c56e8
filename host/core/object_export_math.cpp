#include "object_export_math.h"

#include <cmath>

namespace {

// value/step with the quotient snapped to an integer when it lies within floating-point
// noise of one; false when no rounding is possible (zero or non-finite input).
bool snappedQuotient(double value, double step, double& quotient) {
    if (step == 0.0 || !std::isfinite(step) || !std::isfinite(value)) return false;
    quotient = value / std::fabs(step);
    const double nearest = std::round(quotient);
    if (std::fabs(quotient - nearest) <= 1e-9 * std::fmax(1.0, std::fabs(quotient))) {
        quotient = nearest;
    } else {
        // A decimal tie such as 0.15/0.1 comes out as 1.4999999999999998: snap the half too.
        const double half = std::floor(quotient) + 0.5;
        if (std::fabs(quotient - half) <= 1e-9 * std::fmax(1.0, std::fabs(quotient))) {
            quotient = half;
        }
    }
    return true;
}

}  // namespace

double ObjectExportRoundTo(double value, double step) {
    double q = 0.0;
    if (!snappedQuotient(value, step, q)) return value;
    return std::round(q) * std::fabs(step);  // std::round: halves away from zero
}

double ObjectExportRoundUp(double value, double step, double maxRise) {
    double q = 0.0;
    if (!snappedQuotient(value, step, q)) return value;
    const double up = std::ceil(q) * std::fabs(step);
    if (up - value > maxRise) return value;
    return up;
}

std::string removeComments(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    size_t pos = 0;
    while (pos < line.size()) {
        const size_t open = line.find("/*", pos);
        if (open == std::string_view::npos) {
            out.append(line.substr(pos));
            break;
        }
        out.append(line.substr(pos, open - pos));
        const size_t close = line.find("*/", open + 2);
        if (close == std::string_view::npos) break;
        pos = close + 2;
    }
    return out;
}

std::string removeLineComment(std::string_view line) {
    return std::string(line.substr(0, line.find("//")));
}
