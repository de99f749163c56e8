#pragma once
// Forward declarations of the Core library and window types the spreadsheet headers name.
class Ktx_String;
class Ktx_StringArray;
template <typename T>
class Ktx_Array;
class CWnd;
class Ktx_Spread;
