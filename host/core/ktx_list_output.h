#pragma once
// Ktx_ListOutputCallback: what receives a list (a bill of material) row by row. The Core
// library calls onStartFeed, then onAddRow / onAddSubTotals / onAddSeperation / onNewPage any
// number of times, then onEndFeed. The base does nothing and reports success; an output
// overrides what it needs.
#include "acad_error_status.h"
#include "ktx_string_array.h"

class Ktx_ListOutputCallback {
  public:
    Ktx_ListOutputCallback() = default;
    Ktx_ListOutputCallback(const Ktx_ListOutputCallback&) = default;
    Ktx_ListOutputCallback& operator=(const Ktx_ListOutputCallback&) = default;
    virtual ~Ktx_ListOutputCallback() = default;

    virtual Acad::ErrorStatus onStartFeed() { return Acad::eOk; }
    virtual Acad::ErrorStatus onEndFeed() { return Acad::eOk; }
    virtual Acad::ErrorStatus onNewPage() { return Acad::eOk; }
    // One row of the list, one text per column.
    virtual void onAddRow(const Ktx_StringArray& row) { (void)row; }
    // A subtotal row; `totals`, `last` and `level` describe the group it closes.
    virtual void onAddSubTotals(const Ktx_StringArray& row, const Ktx_StringArray& totals,
                                bool last, int level) {
        (void)row;
        (void)totals;
        (void)last;
        (void)level;
    }
    virtual void onAddSeperation() {}
};
