// Stamps of writes. Each call gives a number never given before in this process (the module
// runs on one thread), so an object that takes a new stamp whenever it is written lets a
// reader tell from one comparison whether anything was written since it looked, even across
// objects that replace each other at the same address.
#pragma once

#include <cstdint>

inline std::uint64_t nextWriteStamp() {
    static std::uint64_t last = 0;
    return ++last;
}
