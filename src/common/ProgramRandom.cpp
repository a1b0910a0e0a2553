#include "common/ProgramRandom.h"

#include <chrono>
#include <random>

namespace ProgramRandom {

double NextUnit() {
    static std::mt19937 generator(static_cast<std::mt19937::result_type>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    return std::generate_canonical<double, 53>(generator);
}

} // namespace ProgramRandom
