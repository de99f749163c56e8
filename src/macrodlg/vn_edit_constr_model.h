#pragma once
// The rules of the constraint editor, without windows: which module the list selects after a
// removal, the group of five option buttons, the edit fields of the constraint shown and how
// they are stored, which clicks on the constraint grid sort or open a menu, which row follows a
// deletion, and reading the variables table back.
#include <string>
#include <vector>

#include "edit_constr_calls.h"

// The list position to select after the module at `removed` was taken out of a list that now
// holds `remaining` entries: the same position, or the one before when the last was removed;
// -1 when the list is empty.
int vnModuleAfterRemove(int removed, int remaining);

// Five option buttons that behave as one group: as many are enabled as the constraint offers
// and at most one of the enabled ones is checked.
class VnConstrOptionGroup {
  public:
    static constexpr int kCount = 5;
    // Clears and disables all five, then enables the first `offered` and checks `chosen`
    // (1-based; 0 or one beyond the offered ones checks none).
    void show(int offered, int chosen);
    // Checks option k (1-based) and clears the other enabled ones; false (nothing changed) for
    // a k beyond the enabled ones.
    bool choose(int k);
    int enabledCount() const { return enabled_; }
    int checked() const { return checked_; }
    bool isEnabled(int k) const { return k >= 1 && k <= enabled_; }
    bool isChecked(int k) const { return k == checked_ && k != 0; }

  private:
    int enabled_ = 0;
    int checked_ = 0;
};

// The edit fields of the constraint shown on the constraints page.
struct VnConstrFields {
    std::string value;  // the dimension as text (constraints with a value only)
    bool useVariable = false;
    std::string variable;  // the variable that drives the value, while useVariable
    int option = 0;
    bool hasValue = false;  // the constraint has a dimension: the value field is enabled
    bool hasCut = false;    // the constraint carries a cut: the cut button is shown

    static VnConstrFields of(const Ktx_Constraint& constraint);
};

// What storing the fields into the data gave.
enum class VnStoreResult {
    kStored,         // the constraint was replaced and UpdateConstraint called
    kNothing,        // no constraint to store (an empty list, a bad index)
    kBadValue,       // the value is no number
    kNoVariable,     // a variable is to drive the value but no name was given
    kVariableInUse,  // the variable drives another constraint already (VarNameInUse)
    kRefused,        // the Core library refused the update
};
// Checks the fields and, when they are valid, replaces the constraint's texts, flags and value
// list in the data and calls UpdateConstraint. Nothing changes unless kStored.
VnStoreResult vnStoreConstraint(EditConstrData& data, int index, const VnConstrFields& fields);
// The text key of the message that explains a result; 0 for kStored and kNothing.
int vnStoreMessageKey(VnStoreResult result);

// Rules of the constraint grid (rows and columns 1-based; row 0 is the header row).
constexpr int kConstrGridColumns = 4;
// A header click sorts when it names a column 1-4 other than the one sorted by.
bool vnHeaderClickSorts(int column, int sortColumn);
// A right click opens a menu on columns 1-3 of a constraint row.
bool vnRightClickOpensMenu(int column, int row, int constraintCount);
// The row to select after row `deleted` was deleted from a list that now holds `remaining`
// rows: the row before it, else the first; 0 when the list is empty.
int vnRowAfterDelete(int deleted, int remaining);

// One row of the variables table as read back from the grid: column 1 a name, column 2 a
// value as a double (0 when it is no number), column 3 an integer (0 when it is none).
struct VnVarsEqsRows {
    Ktx_StringArray names;
    std::vector<double> values;
    std::vector<int> kinds;
    void add(const std::string& name, const std::string& value, const std::string& kind);
};
