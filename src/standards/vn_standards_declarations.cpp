// The declarations of a standard are a matter of its file alone when they are read right after
// the load: they are kept per file and taken again while the file is unchanged.
#include "vn_kept_by_stamp.h"
#include "vn_standards_spread.h"

namespace {

struct Declarations {
    Acad::ErrorStatus status = Acad::eOk;
    VnVarCells varCells;
};

VnKeptByStamp<Declarations>& keptDeclarations() {
    static VnKeptByStamp<Declarations> kept;
    return kept;
}

}  // namespace

Acad::ErrorStatus VnStandardsSpread::findLoadedVarCells() {
    if (!loaded_) return findVarCells();
    const LoadedFile file = std::move(*loaded_);
    loaded_.reset();
    if (auto kept = keptDeclarations().find(file.hostPath, file.stamp)) {
        varCells = kept->varCells;
        return kept->status;
    }
    const Acad::ErrorStatus status = findVarCells();
    keptDeclarations().keep(file.hostPath, file.stamp, Declarations{status, varCells});
    return status;
}

void VnStandardsSpread::forgetKeptDeclarations() {
    keptDeclarations().clear();
}
