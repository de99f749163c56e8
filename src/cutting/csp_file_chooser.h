#pragma once
// How the cutting-stock model asks the user for a table file: an interface, so that the
// model's rules are tested without windows, and its implementation over the window system's
// file dialog.
#include <optional>

#include "ktx_string.h"
#include "win_types.h"

struct VnCspFileRequest {
    bool save = true;
    Ktx_String title;             // text 619 (save) or 618 (open)
    Ktx_String filter;            // "<text 626 or 627> (*.shp)|*.shp||"
    Ktx_String defaultExtension;  // "shp" or "buy"
    Ktx_String startName;         // the proposed full path
    DWORD flags = 0;
};

class VnCspFileChooser {
  public:
    virtual ~VnCspFileChooser() = default;
    // The chosen path; nullopt when the user cancelled.
    virtual std::optional<Ktx_String> choose(const VnCspFileRequest& request) = 0;
};

// Asks through CFileDialog with a 2048-byte file-name buffer.
class VnCspDialogFileChooser : public VnCspFileChooser {
  public:
    std::optional<Ktx_String> choose(const VnCspFileRequest& request) override;
};
