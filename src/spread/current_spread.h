#pragma once
// currentSpread: the one module-wide pointer to the grid whose formulas are being calculated.
// Custom-function callbacks receive no window and take their grid from it.
#include "spread_forward.h"

// The grid being calculated, or nullptr.
Ktx_Spread* currentSpread();
void setCurrentSpread(Ktx_Spread* ss);

// Sets currentSpread for its lifetime and puts the previous value back on every path out
// (also when calculations nest, a look-up inside a look-up).
class CurrentSpreadScope {
  public:
    explicit CurrentSpreadScope(Ktx_Spread* ss);
    ~CurrentSpreadScope();
    CurrentSpreadScope(const CurrentSpreadScope&) = delete;
    CurrentSpreadScope& operator=(const CurrentSpreadScope&) = delete;

  private:
    Ktx_Spread* previous_ = nullptr;
};
