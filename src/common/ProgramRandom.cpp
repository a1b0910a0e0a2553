#include "common/ProgramRandom.h"

#include <chrono>
#include <random>

namespace ProgramRandom {
namespace {

std::mt19937& Generator() {
    static std::mt19937 generator(
        static_cast<quint32>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    return generator;
}

} // namespace

void Seed(quint32 seed) {
    Generator().seed(seed);
}

double NextUnit() {
    return std::generate_canonical<double, 53>(Generator());
}

} // namespace ProgramRandom
