// Globally unique identifiers (GUID, CLSID, IID) and their text form: braces, upper-case
// hexadecimal and hyphens, "{00020424-0000-0000-C000-000000000046}".
//
// Text here is single bytes (OLECHAR is char). StringFromCLSID hands out a copy allocated
// with CoTaskMemAlloc, to be freed with CoTaskMemFree.
#pragma once

#include <optional>
#include <string>

#include "win_types.h"

using HRESULT = std::int32_t;
constexpr HRESULT S_OK = 0;
constexpr HRESULT NOERROR = 0;
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);
constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000E);
constexpr HRESULT CO_E_CLASSSTRING = static_cast<HRESULT>(0x800401F3);
constexpr bool SUCCEEDED(HRESULT hr) {
    return hr >= 0;
}
constexpr bool FAILED(HRESULT hr) {
    return hr < 0;
}

struct GUID {
    DWORD Data1 = 0;
    WORD Data2 = 0;
    WORD Data3 = 0;
    BYTE Data4[8] = {};

    bool operator==(const GUID& other) const = default;
};
using CLSID = GUID;
using IID = GUID;
using REFGUID = const GUID&;
using REFCLSID = const CLSID&;
using REFIID = const IID&;
using LPCLSID = CLSID*;
using OLECHAR = char;
using LPOLESTR = OLECHAR*;
using LPCOLESTR = const OLECHAR*;

inline bool IsEqualGUID(REFGUID a, REFGUID b) {
    return a == b;
}

// The 38-character text form.
std::string guidToString(REFGUID id);
// Reads the text form (braces required, hexadecimal in either case); nullopt otherwise.
std::optional<GUID> guidFromString(const std::string& text);

// *text receives a new copy of the text form; E_INVALIDARG for a null `text`.
HRESULT StringFromCLSID(REFCLSID id, LPOLESTR* text);
inline HRESULT StringFromIID(REFIID id, LPOLESTR* text) {
    return StringFromCLSID(id, text);
}
// Writes the text form and its zero byte; returns the characters written (39), or 0 when
// `size` is too small.
int StringFromGUID2(REFGUID id, LPOLESTR buffer, int size);
// CO_E_CLASSSTRING (and *id unchanged) when the text is not a GUID.
HRESULT CLSIDFromString(LPCOLESTR text, LPCLSID id);
inline HRESULT IIDFromString(LPCOLESTR text, IID* id) {
    return CLSIDFromString(text, id);
}
void* CoTaskMemAlloc(std::size_t bytes);
void CoTaskMemFree(void* block);
