#pragma once
// Loads the module as the CAD host would, for the lifetime of the object: library attach,
// then kInitAppMsg; on destruction kUnloadAppMsg, then detach. While loaded, the host's
// command line is echoed to the given stream (the tool passes stderr).
#include <cstdio>

class ModuleSession {
  public:
    explicit ModuleSession(std::FILE* commandLineEcho);
    ~ModuleSession();
    ModuleSession(const ModuleSession&) = delete;
    ModuleSession& operator=(const ModuleSession&) = delete;

    // False when the library's entry routine refused to attach.
    bool loaded() const { return loaded_; }

  private:
    bool loaded_ = false;
};
