#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the fuzzer with a finding when a property of the code under test
// does not hold; the input that broke it is saved as a crash file.
inline void Require(bool holds, const char* property) {
    if (holds)
        return;
    std::fprintf(stderr, "Broken: %s\n", property);
    std::abort();
}
