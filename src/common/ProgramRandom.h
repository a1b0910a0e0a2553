#pragma once

#include <QtGlobal>

// The program's one pseudo-random generator, used for random map choices.
namespace ProgramRandom {

// Seeds the generator from the clock.
void ReseedFromClock();
// Seeds the generator with a fixed value, for reproducible draws.
void Seed(quint32 seed);
// A value drawn uniformly from [0, 1).
double NextUnit();

} // namespace ProgramRandom
