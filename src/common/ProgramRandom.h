#pragma once

// The program's one pseudo-random generator, used for random map choices.
// It is seeded from the clock once, before its first draw.
namespace ProgramRandom {

// A value drawn uniformly from [0, 1).
double NextUnit();

} // namespace ProgramRandom
