#include "ktx_spread_dlg_model.h"

#include "grid.h"

int Ktx_SpreadDlgModel::gridRefStyle() const {
    switch (refStyle) {
        case RefStyle::A1:
            return SS_REFSTYLE_A1;
        case RefStyle::R1C1:
            return SS_REFSTYLE_R1C1;
        case RefStyle::Default:
            break;
    }
    return SS_REFSTYLE_DEFAULT;
}

void Ktx_SpreadDlgModel::resetToTestStart() {
    refStyle = RefStyle::Default;
    autoCalculate = false;
}
