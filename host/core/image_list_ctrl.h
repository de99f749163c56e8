// CImageListCtrl: a list view that shows picture files as thumbnails, each with a label under
// it, and tells which file is selected.
//
// `Initialize` sets the thumbnail size and makes the list an icon view with one selection.
// `DrawThumbnails` replaces the items: one per file, in order. A thumbnail's picture is the
// file itself when it is a ".bmp", else the ".bmp" of the same name beside it (a macro
// drawing's preview); it is scaled to fit the thumbnail keeping its proportions and centred
// on white. A file without a readable picture gets a white thumbnail with a grey frame, so
// the list never loses an item. The item's text is its label; a missing label is the file's
// name without folder and extension. The list's parent gets the list view's notifications
// (NM_CLICK, NM_DBLCLK, LVN_ITEMCHANGED) as usual.
#pragma once

#include "clist_ctrl.h"
#include "csize.h"
#include "image_list.h"
#include "ktx_string.h"
#include "ktx_string_array.h"

struct ImageListData {
    int thumbWidth = 96;
    int thumbHeight = 96;
};

class CImageListCtrl : public CListCtrl {
  public:
    // False when the control has no window or the size is not positive.
    bool Initialize(const ImageListData& data);
    bool DrawThumbnails(const Ktx_StringArray& files, const Ktx_StringArray& labels);
    // The selected thumbnail's file as given to DrawThumbnails; empty when none is selected.
    Ktx_String GetSelectionName() const;
    // The selected thumbnail's index, -1 when none.
    int GetSelectionIndex() const;
    bool SelectThumbnail(int index);
    int GetThumbnailCount() const { return files_.length(); }
    CSize GetThumbnailSize() const { return size_; }
    const Ktx_StringArray& GetFiles() const { return files_; }

  private:
    CImageList pictures_;
    CSize size_{0, 0};
    Ktx_StringArray files_;
};
