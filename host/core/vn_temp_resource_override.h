#pragma once
// VnTempResourceOverride: makes a module's own resources current for a while.
// SaveDefaultResource(module) remembers the module (at library attach). SetDefaultResource()
// makes it current and returns true, remembering what was current before; it returns false and
// changes nothing when the module's resources are already current (or none was saved).
// RestoreOriginalResource() makes the remembered resources current again; callers call it iff
// SetDefaultResource returned true.
#include "win_types.h"

class VnTempResourceOverride {
  public:
    void SaveDefaultResource(HINSTANCE module);
    bool SetDefaultResource();
    void RestoreOriginalResource();
    HINSTANCE defaultResource() const { return module_; }

  private:
    HINSTANCE module_ = nullptr;
    HINSTANCE original_ = nullptr;
};

// Resource scope of an exported dialog function: sets the module's resources on construction
// and restores them on every path out iff setting changed anything.
class VnResourceScope {
  public:
    explicit VnResourceScope(VnTempResourceOverride& override);
    ~VnResourceScope();
    VnResourceScope(const VnResourceScope&) = delete;
    VnResourceScope& operator=(const VnResourceScope&) = delete;
    bool changed() const { return changed_; }

  private:
    VnTempResourceOverride& override_;
    bool changed_;
};
