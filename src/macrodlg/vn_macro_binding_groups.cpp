#include "vn_macro_binding.h"

bool bindMacroProfileControl(Ktx_DesignerControl&, MacroTabData&, double, const Ktx_String&) {
    return false;
}

bool bindMacroArrayControl(Ktx_DesignerControl&, MacroTabData&, double) {
    return false;
}
