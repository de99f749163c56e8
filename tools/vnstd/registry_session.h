#pragma once
// The registry file around one run of the program: loaded before the command (when the file
// exists), and written back after it only when the command changed the registry, so a run
// that does not touch the registry never writes the file.
#include <string>

class RegistrySession {
  public:
    // Loads path when it exists; see ok() and error().
    explicit RegistrySession(std::string path);
    ~RegistrySession();
    RegistrySession(const RegistrySession&) = delete;
    RegistrySession& operator=(const RegistrySession&) = delete;

    // False when an existing file could not be read; error() then says why.
    bool ok() const { return ok_; }
    const std::string& error() const { return error_; }
    // Writes the registry back when it changed since loading; false when that failed.
    bool saveIfChanged();

  private:
    std::string path_;
    std::string loadedText_;
    std::string error_;
    bool ok_ = true;
    bool saved_ = false;
};
