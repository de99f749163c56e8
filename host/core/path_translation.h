#pragma once
// Translation of the module's Windows paths to this machine's paths.
//
// - "\\" and "/" are both separators; runs of separators count as one.
// - A drive letter ("c:\\a\\t3.sss", "C:/a") is mapped to a folder: the folder given to
//   mapDrive for that letter, else <drive root>/<letter in lower case>. The drive root is
//   settable (default: $VNSTD_DRIVES, else /tmp/vnstd-drives).
// - A path starting with a separator is an absolute path of this machine ("\\work\\lib\\" is
//   /work/lib/); any other path is relative to the working folder.
// - When the exact name does not exist, each missing part of the path is looked up in its
//   folder ignoring letter case (code page 1252 folding); when several names match, the
//   first in byte order wins. Parts that do not exist in any case are kept as written, so a
//   new file is created under the name the module gave.
#include <cstdint>
#include <string>

#include "file_stamp.h"
#include "ktx_string.h"

// The host path for a Windows path. When `kind` is given it receives what the path names on
// this machine, and `stamp` (when given) its stamp, both from the status calls the look-up
// makes anyway (the stamp is left alone for a missing path).
std::string hostPath(const Ktx_String& windowsPath, HostPathKind* kind = nullptr,
                     HostFileStamp* stamp = nullptr);

// The host path without the letter-case look-up (only separators and drive letters).
std::string hostPathLiteral(const Ktx_String& windowsPath);
// A host path in the module's form: "/" becomes "\\" ("/work/lib" -> "\\work\\lib").
Ktx_String windowsPathFromHost(const std::string& hostPath);

// Counts the changes of the translation's settings below: a host path found earlier is still
// the translation of its Windows path while the count stays the same.
std::uint64_t pathTranslationChanges();

void setDriveRoot(const std::string& folder);
const std::string& driveRoot();
// Maps one drive letter to a folder (an empty folder removes the mapping).
void mapDrive(char letter, const std::string& folder);
// Back to the default drive root, no drive mappings.
void resetPathTranslation();
