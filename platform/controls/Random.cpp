#include "platform/controls/Random.h"

#include <atomic>
#include <chrono>

namespace qvx {

namespace {

// Atomic so that draws from several threads each get their own step of the
// one sequence instead of racing on the state.
std::atomic<uint32_t> Seed{0};

uint32_t NextState()
{
    uint32_t current = Seed.load(std::memory_order_relaxed);
    uint32_t next;
    do {
        next = current * 134775813u + 1u;  // unsigned arithmetic wraps mod 2^32
    } while (!Seed.compare_exchange_weak(current, next, std::memory_order_relaxed));
    return next;
}

}  // namespace

double Random()
{
    return NextState() / 4294967296.0;
}

int32_t Random(int32_t Range)
{
    const uint32_t state = NextState();
    if (Range <= 0) return 0;
    return static_cast<int32_t>((uint64_t(state) * uint32_t(Range)) >> 32);
}

void Randomize()
{
    // Nanoseconds of two clocks: the wall clock differs between runs, the
    // steady one between calls within a run.
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
    const uint64_t mixed = uint64_t(wall) ^ (uint64_t(steady) << 17);
    Seed.store(uint32_t(mixed ^ (mixed >> 32)), std::memory_order_relaxed);
}

uint32_t RandSeed()
{
    return Seed.load(std::memory_order_relaxed);
}

void SetRandSeed(uint32_t NewSeed)
{
    Seed.store(NewSeed, std::memory_order_relaxed);
}

}  // namespace qvx
