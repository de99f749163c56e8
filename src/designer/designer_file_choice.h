#pragma once
// How the designer asks for a file: a template (".txt") or a picture (".bmp"), for opening
// or saving, starting in a folder. Gives the chosen path, or the empty text when cancelled.
#include "ktx_string.h"

class CWnd;

enum class DesignerFileKind { Template, Picture };

Ktx_String chooseDesignerFile(CWnd* parent, bool open, DesignerFileKind kind,
                              const Ktx_String& startFolder);
