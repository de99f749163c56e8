#pragma once
// The Core library's pictures of bill parts: a bill output opens the picture window once
// (initBMPDialog), asks for one picture per row (createImage) and closes the window at the
// end (closeBMPDialog).
//
// createImage draws the part of a row as its outline seen from the side: a rectangle as long
// as the row's "Length" column and as high as its "Width" column, or, without a width, as
// the first number in its "Profile" column (the profile's height, "IPE300" gives 300),
// scaled into the picture. Its parameters:
//   view      the outline's colour as 0x00BBGGRR; -1 black
//   width     picture width in pixels, 0 for 120; never wider than the window less 20
//   height    picture height in pixels, 0 for a third of the width
//   fill      the part is filled light grey
//   frame     the picture gets a grey frame
// The picture is written as a 24-bit BMP file in the settings folder's "Bill Pictures\\"
// (created when missing) under a new name, given in `fileName`. False (fileName empty, no
// file) when the window is not open, bill or transaction is null, the row has no usable
// length, or the file cannot be written.
#include "ac_transaction.h"
#include "ktx_bill.h"
#include "ktx_string.h"
#include "ktx_string_array.h"

// Opens the picture window of `size` x `size` pixels; false for a size below 21.
bool initBMPDialog(int size);
void closeBMPDialog();
// The side of the open picture window, 0 while it is closed.
int bmpDialogSize();

bool createImage(const Ktx_StringArray& row, int view, int width, int height, bool fill, bool frame,
                 Ktx_Bill* bill, AcTransaction* transaction, Ktx_String& fileName);

// The folder the pictures are written to.
Ktx_String billPictureFolder();
