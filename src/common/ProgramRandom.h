#pragma once

#include <QtGlobal>

// The program's one pseudo-random generator, used for random map choices.
// It is seeded from the clock once, before its first draw.
namespace ProgramRandom {

// Seeds the generator with a fixed value, for reproducible draws.
void Seed(quint32 seed);
// A value drawn uniformly from [0, 1).
double NextUnit();

} // namespace ProgramRandom
