#pragma once
// VnSSDlgsMgr: the pool of hidden evaluation hosts (VnStandardsDlg, dialog resource 253). An
// evaluation takes a host with getDlg and gives it back with releaseDlg; a child evaluation
// started inside it takes another, so every nesting level has a grid of its own. Hosts are
// created on demand (hidden, owned by the CAD host's main window) and live until destroyAll.
//
// Ownership and copies: every host is held by shared ownership. A copy of a pool holds the
// same hosts and a copy of the in-use marks; a host is destroyed (window and object) exactly
// once, when the last pool holding it drops it (destroyDlg, destroyAll or the destructor).
// So two copies never destroy a host twice nor leave the other with a dangling one.
#include <memory>
#include <vector>

#include "acad.h"

class VnStandardsDlg;

class VnSSDlgsMgr {
  public:
    VnSSDlgsMgr() = default;
    VnSSDlgsMgr(const VnSSDlgsMgr& other) = default;
    VnSSDlgsMgr& operator=(const VnSSDlgsMgr& other) = default;
    virtual ~VnSSDlgsMgr();

    // A free host (marked in use), reusing the first free one in the pool, else a new one;
    // nullptr when no host can be made.
    void* getDlg();
    // Marks the host free again. eInvalidInput when it is not in the pool.
    Acad::ErrorStatus releaseDlg(void* dialog);
    // Drops every host, from the last to the first.
    void destroyAll();

    int count() const { return static_cast<int>(dialogs.size()); }
    bool isInUse(int index) const;

  private:
    // Drops the host at index (destroying it when this pool held it last).
    Acad::ErrorStatus destroyDlg(int index);

    std::vector<std::shared_ptr<VnStandardsDlg>> dialogs;
    std::vector<bool> inUse;
};

// The module's pool.
extern VnSSDlgsMgr gSSDlgsMgr;
