#pragma once
// The Core library's information dialog: a listing the user reads and closes. The caption and
// the close button's text are the data's first two texts; the listing shows in a read-only
// field with scroll bars, one line per element.
#include "ktx_string_array.h"

struct DlgInfoData {
    Ktx_StringArray texts;  // [0] the caption, [1] the close button's text
    Ktx_StringArray lines;
};

// Resource id of the dialog's template (the Core library's own).
constexpr unsigned kDlgInfoResourceId = 30100;

// Shows the dialog modally; true when it was closed with its button (false when cancelled).
bool ExportStartDlgInfo(const DlgInfoData& data);
