#pragma once
// VnSelectMacroModel: the rules of the select macro dialog, without windows. It holds the
// dialog's copy of its inputs, the filter over the macro drawings, the filter items as the
// grid shows them, and the choice.
//
// - Thumbnails: the drawings that pass the filter, labelled by selectMacroLabels.
// - The filter grid: every item of a row takes two columns, a check box (its state) and its
//   label; the row's first item is the module. A click on an item's check box switches the
//   module, or the property within the row's module, and is taken only once the grid is
//   ready (filtersReady).
// - Choosing: a selected thumbnail's drawing, with the extension "dwg", ends the dialog with
//   extraChoice false; nothing selected ends nothing. The other choice (extraChoice true)
//   ends with no drawing.
#include "ac_array.h"
#include "ktx_array.h"
#include "ktx_string.h"
#include "ktx_string_array.h"
#include "macro_props_filter.h"

// The thumbnails' labels of the drawings: each file's name without folder and extension,
// translated through the macro language table; with their trailing digits removed when that
// leaves no two labels equal (a label that would become empty keeps its digits).
Ktx_StringArray selectMacroLabels(const Ktx_StringArray& files);

struct VnSelectMacroInput {
    Ktx_String caption;
    Ktx_StringArray names;  // drawings or folders of drawings (Ktx_MacroPropsFilter)
    AcArray<bool> enabled;  // parallel to names
    int thumbWidth = 0;
    int thumbHeight = 0;
    bool extraChoice = false;
    bool showHint = false;
};

class VnSelectMacroModel {
  public:
    explicit VnSelectMacroModel(const VnSelectMacroInput& input);

    // The window caption: the given caption, dialog string 1116 when it is empty.
    Ktx_String windowCaption() const;
    // The other choice (button 1352) is offered only when the caller allows it.
    bool otherChoiceEnabled() const { return extraChoice != 0; }
    // The hint is shown only with the other choice allowed and asked for.
    bool hintShown() const { return extraChoice != 0 && showHint != 0; }

    // The caption of the filter options' frame: dialog string 1117 with how many of the
    // drawings pass the filter ("Filter options (2 of 4)").
    Ktx_String frameCaption(int shown) const;
    // The drawings without a preview picture (no ".bmp" of the same name beside them).
    Ktx_StringArray drawingsWithoutPreview() const;
    // The drawings passing the filter and their labels.
    void filteredThumbnails(Ktx_StringArray& files, Ktx_StringArray& labels) const;

    // Takes the filter's merged items again (filtersReady is left as it is).
    void loadFilterItems();
    int filterRowCount() const { return itemNames.length(); }
    // Two columns per item of the longest row.
    int filterColumnCount() const;
    // The filter item under grid cell col,row (1-based): row r - 1, item (c - 1) / 2; false
    // outside the items.
    bool filterItemAt(int col, int row, int& itemRow, int& item) const;
    // The check box of col,row became `on`: switches the item in the filter and reloads the
    // items. False (nothing changed) while the grid is not ready or off the items.
    bool filterClicked(int col, int row, bool on);

    // OK or a double click with `selection` the selected thumbnail's drawing (empty: none).
    // True (the dialog ends) when one is selected.
    bool choose(const Ktx_String& selection);
    // Button 1352: the other choice, no drawing.
    void chooseOther();

    // The dialog's state, in the dialog's order.
    Ktx_String caption;
    Ktx_MacroPropsFilter filter;
    unsigned char extraChoice = 0;
    unsigned char showHint = 0;
    Ktx_String chosen;
    Ktx_Array<Ktx_StringArray> itemNames;
    Ktx_Array<Ktx_StringArray> itemLabels;
    Ktx_Array<AcArray<bool>> itemStates;
    bool filtersReady = false;
    bool showFilters = false;
};
