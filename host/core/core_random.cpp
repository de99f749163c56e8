#include "core_random.h"

#include <memory>
#include <random>

namespace {

CoreRandomSource generatorSource(std::uint32_t seed) {
    auto engine = std::make_shared<std::mt19937>(seed);
    return [engine]() -> std::optional<std::uint32_t> { return (*engine)(); };
}

CoreRandomSource defaultSource() {
    return generatorSource(std::random_device{}());
}

CoreRandomSource& currentSource() {
    static CoreRandomSource source = defaultSource();
    return source;
}

}  // namespace

std::optional<std::uint32_t> coreRandomNumber() {
    return currentSource()();
}

void setCoreRandomSource(CoreRandomSource source) {
    currentSource() = source ? std::move(source) : defaultSource();
}

void setCoreRandomSeed(std::uint32_t seed) {
    currentSource() = generatorSource(seed);
}

void resetCoreRandomSource() {
    currentSource() = defaultSource();
}
