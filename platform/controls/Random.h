#pragma once
// The platform's pseudo-random generator: one linear congruential sequence
// for the whole program, s := s * 134775813 + 1 (mod 2^32), starting from
// RandSeed 0 so that a program draws the same numbers on every run until it
// calls Randomize. Each draw steps the state once.

#include <cstdint>

namespace qvx {

// The next state divided by 2^32: [0, 1).
double Random();
// The next state scaled to [0, Range): (state * Range) >> 32; 0 when
// Range <= 0 (the state still steps).
int32_t Random(int32_t Range);
// Seeds the sequence from the system clock.
void Randomize();

uint32_t RandSeed();
void SetRandSeed(uint32_t Seed);

}  // namespace qvx
