#pragma once
// The parameter block of one evaluation of a standard: what to evaluate (a standard for a
// macro, or a child standard with given variables) and, on return, the variables with their
// values. Copying copies every field; the macro, transaction and macro data pointers are
// copied as pointers (not owned).
#include "acad.h"
#include "ktx_macro.h"
#include "ktx_string.h"
#include "ktx_string_array.h"
#include "macro_data.h"
#include "vn_var_cells.h"

class AcTransaction;

class VnDlgStandardsData {
  public:
    int evalMode = 0;  // 0 evaluate for a macro, 1 as a child with given variables
    Ktx_String fileName;
    Ktx_DbMacro* macro = nullptr;
    Ktx_String mappingKey;
    Ktx_String moduleName;
    AcTransaction* transaction = nullptr;
    MacroData* macroData = nullptr;
    Ktx_StringArray genVarNames;
    Ktx_StringArray genVarValues;
    VnVarCells varCells;

    VnDlgStandardsData() = default;
    VnDlgStandardsData(const VnDlgStandardsData&) = default;
    VnDlgStandardsData& operator=(const VnDlgStandardsData&) = default;
    VnDlgStandardsData(VnDlgStandardsData&&) noexcept = default;
    VnDlgStandardsData& operator=(VnDlgStandardsData&&) noexcept = default;
    virtual ~VnDlgStandardsData() = default;

    // Prepares a mode-0 evaluation. eInvalidInput (nothing changed) when macro or data is null.
    // A key "Module." + NAME selects the module group NAME (moduleName), any other key is the
    // macro's line in the mapping file.
    Acad::ErrorStatus initialize(Ktx_DbMacro* macro, Ktx_String fileName, Ktx_String key,
                                 MacroData* data);
};
