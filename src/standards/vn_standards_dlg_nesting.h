#pragma once
// The nesting of standards evaluations: a child standard is evaluated inside its parent's
// evaluation, each level in a host of its own. Nesting is bounded, so a child that calls back
// its parent (A calls B, B calls A) ends instead of exhausting the pool and the stack.
//
// When a CallChild would go deeper than kMaxStandardsNesting levels, that cell fails with the
// equation error; every other CallChild then fails at once without a message of its own (the
// evaluation unwinds), and the state clears when the outermost evaluation ends. The cost of a
// cycle is therefore bounded by the nesting, not by the number of CallChild cells per level.
class VnStandardsNesting {
  public:
    static constexpr int kMaxStandardsNesting = 32;

    // Marks one evaluation level for its lifetime.
    class Level {
      public:
        Level();
        ~Level();
        Level(const Level&) = delete;
        Level& operator=(const Level&) = delete;
    };

    // The number of evaluations in progress (1 inside a parent, 2 inside its child ...).
    static int depth();
    // True when a CallChild at the current depth may start a child evaluation; false at the
    // bound (which starts the unwinding) and while unwinding.
    static bool mayNest();
    // True when a deeper level hit the bound: the current CallChild fails quietly.
    static bool unwinding();
    // True when an equation error is to be shown: always before the bound is hit; after it,
    // only for the cell that hit it (asked once), not for the cells failing in consequence.
    static bool showsErrors();
};
