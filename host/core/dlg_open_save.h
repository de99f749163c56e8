// The Core library's file choosers, over the platform's file dialog.
#pragma once

#include "cwnd.h"
#include "ktx_string.h"
#include "ktx_string_array.h"

// One file, for opening (`open` true) or saving. `extension` ("txt", no point) is the
// filter's pattern and the default extension; `filterText` describes it ("Templates
// (*.txt)"); `title` is the chooser's caption; it starts in `startFolder` with `fileName`
// filled in. Gives the chosen path, or the empty text when the user cancels. A name chosen for
// saving without an extension gets ".<extension>"; a name chosen for opening that is no
// existing file gives the empty text, as the platform's dialog accepts only existing files.
Ktx_String DlgOpenSave(bool open, const Ktx_String& extension, const Ktx_String& filterText,
                       const Ktx_String& title, const Ktx_String& startFolder,
                       const Ktx_String& fileName = Ktx_String(), CWnd* parent = nullptr);

// Several files of one type and folders, starting in `folder`: the filter is "<fileType>
// (*.<extension>)", the caption `caption`. True when something was chosen; `chosen` then holds
// the paths in the order chosen, each once. When nothing is chosen `chosen` is left as it was.
bool DlgOpenMulti(const Ktx_String& folder, const Ktx_String& fileType, const Ktx_String& extension,
                  const Ktx_String& caption, Ktx_StringArray& chosen, CWnd* parent = nullptr);
