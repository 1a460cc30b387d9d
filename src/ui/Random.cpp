// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Random.h"

#include <chrono>
#include <random>

namespace ui {
namespace {

struct RandomState {
    std::mt19937 engine { 12345u };
    std::vector<float> sequence;
    std::size_t next = 0;
    bool clockSeeding = true;
};

RandomState &state()
{
    static RandomState s;
    return s;
}

} // namespace

float Rnd()
{
    RandomState &s = state();
    if (!s.sequence.empty()) {
        const float v = s.sequence[s.next];
        s.next = (s.next + 1) % s.sequence.size();
        return v;
    }
    // 24 random bits make every value exactly representable as a float, so the result is
    // always strictly below 1.
    return float(s.engine() >> 8) / 16777216.0f;
}

void Randomize()
{
    if (!state().sequence.empty() || !state().clockSeeding)
        return;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count()
        ^ std::chrono::system_clock::now().time_since_epoch().count();
    state().engine.seed(std::uint32_t(now ^ (now >> 32)));
}

void seedRandom(std::uint64_t seed)
{
    state().engine.seed(std::uint32_t(seed ^ (seed >> 32)));
}

void setRandomSequence(std::vector<float> values)
{
    state().sequence = std::move(values);
    state().next = 0;
}

} // namespace ui

namespace ui {

void setClockSeeding(bool enabled)
{
    state().clockSeeding = enabled;
}

} // namespace ui
