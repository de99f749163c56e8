#pragma once
// The Core library's random source (mapping keys are random). By default a pseudo-random
// generator seeded from the system; tests install a source of their own or a seed. A source
// may fail (it returns no value); users of the source then fail cleanly.
#include <cstdint>
#include <functional>
#include <optional>

using CoreRandomSource = std::function<std::optional<std::uint32_t>()>;

// The next number of the current source; no value when the source fails.
std::optional<std::uint32_t> coreRandomNumber();
// Installs a source (an empty function restores the default).
void setCoreRandomSource(CoreRandomSource source);
// Installs a deterministic generator with the given seed.
void setCoreRandomSeed(std::uint32_t seed);
// Back to the default source.
void resetCoreRandomSource();
