#pragma once
// The choice of a standard width, thickness or size within a tolerance, as the functions
// STDWIDTHWITHTOLERANCE, STDTHICKNESSWITHTOLERANCE and STDSIZEWITHTOLERANCE make it once
// their candidates are known. Pure; never fails.
#include <optional>
#include <string>
#include <vector>

struct VnToleranceQuery {
    double value = 0.0;  // the wanted value v
    double step = 0.0;   // the rounding step used when no candidate fits
    double down = 0.0;   // how far below v the result may lie
    double up = 0.0;     // how far above v the result may lie
};

class VnSSFunctionsTolerance {
  public:
    // True when down + up is greater than 0; otherwise the caller shows toleranceMessage.
    static bool tolerancesValid(double down, double up) { return down + up > 0.0; }
    static std::string toleranceMessage(double down, double up);

    // The candidate nearest to v within the tolerances (candidates in file order, the first
    // of equally near ones wins, a candidate at v counts as below); when none fits, v brought
    // to a multiple of the step within the tolerances, or v limited to them.
    static double choose(const std::vector<double>& candidates, const VnToleranceQuery& q);

    // The candidate part alone: the chosen candidate, or nothing when none fits.
    static std::optional<double> chooseCandidate(const std::vector<double>& candidates,
                                                 const VnToleranceQuery& q);
    // The rounding part alone, used when no candidate fits.
    static double roundWithin(const VnToleranceQuery& q);
};
