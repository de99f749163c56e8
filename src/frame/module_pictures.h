#pragma once
// The module's picture resources: every icon and bitmap id its dialogs show (image buttons,
// the dialog icon, the grid's picture cells), drawn as simple glyphs by
// tools/pictures/draw_pictures.py into module_pictures_art.cpp. They are the module's own
// resources, registered with the window system at start and again after every reset, so a
// dialog finds them whenever the module is loaded.
#include "gdi.h"

enum class VnPictureKind { Icon, Bitmap };

struct VnPictureArt {
    UINT id;
    VnPictureKind kind;
    int width;
    int height;
    const char* pixels;  // width * height palette characters, row by row
};

extern const VnPictureArt kModulePictureArt[];
extern const int kModulePictureArtCount;

// The picture of one entry: a palette character per pixel ('.' is transparent: the icon's
// mask, or the button face in a bitmap). An unknown character draws magenta, so a typo shows.
BitmapImage vnPictureImage(const VnPictureArt& art);
BitmapImage vnPictureMask(const VnPictureArt& art);
// Registers every picture of the table (resourceAddIcon / resourceAddBitmap).
void registerModulePictures();
