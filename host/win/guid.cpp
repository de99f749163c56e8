#include "guid.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Reads `digits` hexadecimal digits at text[pos].
bool hexAt(const std::string& text, std::size_t pos, int digits, unsigned long& out) {
    out = 0;
    for (int i = 0; i < digits; ++i) {
        const char c = text[pos + i];
        int v = -1;
        if (c >= '0' && c <= '9') v = c - '0';
        if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
        if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
        if (v < 0) return false;
        out = out * 16 + static_cast<unsigned long>(v);
    }
    return true;
}

}  // namespace

std::string guidToString(REFGUID id) {
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned>(id.Data1), id.Data2, id.Data3, id.Data4[0], id.Data4[1],
                  id.Data4[2], id.Data4[3], id.Data4[4], id.Data4[5], id.Data4[6], id.Data4[7]);
    return text;
}

std::optional<GUID> guidFromString(const std::string& text) {
    if (text.size() != 38 || text[0] != '{' || text[37] != '}') return std::nullopt;
    for (std::size_t hyphen : {9u, 14u, 19u, 24u})
        if (text[hyphen] != '-') return std::nullopt;
    GUID id;
    unsigned long v = 0;
    if (!hexAt(text, 1, 8, v)) return std::nullopt;
    id.Data1 = static_cast<DWORD>(v);
    if (!hexAt(text, 10, 4, v)) return std::nullopt;
    id.Data2 = static_cast<WORD>(v);
    if (!hexAt(text, 15, 4, v)) return std::nullopt;
    id.Data3 = static_cast<WORD>(v);
    static const std::size_t bytesAt[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i) {
        if (!hexAt(text, bytesAt[i], 2, v)) return std::nullopt;
        id.Data4[i] = static_cast<BYTE>(v);
    }
    return id;
}

HRESULT StringFromCLSID(REFCLSID id, LPOLESTR* text) {
    if (text == nullptr) return E_INVALIDARG;
    const std::string form = guidToString(id);
    auto* copy = static_cast<LPOLESTR>(CoTaskMemAlloc(form.size() + 1));
    if (copy == nullptr) return E_OUTOFMEMORY;
    std::memcpy(copy, form.c_str(), form.size() + 1);
    *text = copy;
    return S_OK;
}

int StringFromGUID2(REFGUID id, LPOLESTR buffer, int size) {
    const std::string form = guidToString(id);
    if (buffer == nullptr || size < static_cast<int>(form.size()) + 1) return 0;
    std::memcpy(buffer, form.c_str(), form.size() + 1);
    return static_cast<int>(form.size()) + 1;
}

HRESULT CLSIDFromString(LPCOLESTR text, LPCLSID id) {
    if (text == nullptr || id == nullptr) return E_INVALIDARG;
    std::optional<GUID> read = guidFromString(text);
    if (!read) return CO_E_CLASSSTRING;
    *id = *read;
    return NOERROR;
}

void* CoTaskMemAlloc(std::size_t bytes) {
    return std::malloc(bytes == 0 ? 1 : bytes);
}

void CoTaskMemFree(void* block) {
    std::free(block);
}
