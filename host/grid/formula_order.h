// Calculation in dependency order without recursion: an iterative strongly-connected-
// components walk (Tarjan) over the formulas in scope. Each formula is calculated after the
// formulas it reads; the formulas of a reference cycle (a component of more than one, or one
// that reads itself) are reported as a cycle instead. Memory is one small record per formula
// and an explicit stack, so a chain of any depth works.
#pragma once

#include <cstdint>
#include <vector>

class FormulaOrderGraph {
  public:
    virtual ~FormulaOrderGraph() = default;
    // Appends the ids of the formulas that `id` reads (in scope or not).
    virtual void precedents(std::uint32_t id, std::vector<std::uint32_t>& out) = 0;
    virtual bool inScope(std::uint32_t id) const = 0;
    virtual void calculate(std::uint32_t id) = 0;
    virtual void cycle(std::uint32_t id) = 0;
};

class FormulaOrder {
  public:
    // Walks from each of `roots` (ids in scope, below `idLimit`) and calculates everything it
    // reaches in scope, each formula once.
    void run(FormulaOrderGraph& graph, const std::vector<std::uint32_t>& roots,
             std::size_t idLimit);

  private:
    struct Frame {
        std::uint32_t id;
        std::size_t next;  // position in succ_ of the next precedent to visit
    };
    void visit(FormulaOrderGraph& graph, std::uint32_t id);
    void finish(FormulaOrderGraph& graph, std::uint32_t id);
    void walk(FormulaOrderGraph& graph, std::uint32_t root);

    std::vector<std::uint32_t> index_, low_;  // 0 = not visited
    std::vector<std::uint8_t> flags_;
    std::vector<std::uint32_t> touched_, sccStack_, succ_;
    std::vector<Frame> frames_;
    std::vector<std::size_t> succBegin_;
    std::uint32_t counter_ = 0;
};
