// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <vector>

// The program-wide pseudo-random generator. Every draw (Rnd) is a uniform single-precision
// value in [0, 1); Randomize seeds it from the clock. Tests replace the stream with a fixed
// sequence or a fixed seed so that games can be replayed exactly.
namespace ui {

float Rnd();
void Randomize(); // seed from the clock (ignored while a fixed sequence is set)
void seedRandom(std::uint64_t seed); // deterministic stream, for tests and the soak

// Soak runs and replays: when off, Randomize leaves the stream alone so a seed replays a run.
void setClockSeeding(bool enabled);

// Tests: make Rnd return these values in order, cycling; an empty list returns to the generator.
void setRandomSequence(std::vector<float> values);

} // namespace ui
