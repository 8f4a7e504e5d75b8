// The pseudo-random sequence and the replaceable clock.

#include <gtest/gtest.h>

#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/controls/Clock.h"
#include "platform/controls/Random.h"

using namespace qvx;

namespace {

// Read during static initialisation, before any test can draw or seed.
const uint32_t SeedAtStart = RandSeed();

// Puts the program-wide seed back after each test.
class RandomTest : public testing::Test {
protected:
    void SetUp() override { FSaved = RandSeed(); }
    void TearDown() override { SetRandSeed(FSaved); }

private:
    uint32_t FSaved = 0;
};

}  // namespace

TEST_F(RandomTest, StartsAtZeroAndFollowsTheSequence)
{
    EXPECT_EQ(SeedAtStart, 0u) << "the seed must not come from the clock unless Randomize is called";

    // States after each step from 0, computed independently.
    const uint32_t states[] = {1u, 134775814u, 3698175007u, 870078620u, 1172187917u, 2884733762u};
    SetRandSeed(0);
    for (uint32_t state : states) {
        EXPECT_EQ(Random(), state / 4294967296.0);
        EXPECT_EQ(RandSeed(), state);
    }
    SetRandSeed(0);
    EXPECT_EQ(Random(), 1.0 / 4294967296.0);
    EXPECT_EQ(Random(), 134775814.0 / 4294967296.0);

    // The multiplication wraps modulo 2^32.
    SetRandSeed(0xFFFFFFFFu);
    EXPECT_EQ(Random(), 4160191484.0 / 4294967296.0);
}

TEST_F(RandomTest, RangesScaleTheStateAndAlwaysStep)
{
    SetRandSeed(0);
    const int32_t tens[] = {0, 0, 8, 2, 2, 6, 3, 1};
    for (int32_t expected : tens) EXPECT_EQ(Random(10), expected);

    SetRandSeed(0);
    const int32_t wide[] = {0, 67387906, 1849087502, 435039309, 586093958};
    for (int32_t expected : wide) EXPECT_EQ(Random(INT32_MAX), expected);

    // Empty and negative ranges give 0 but still consume a draw.
    for (int32_t range : {0, -1, -100, INT32_MIN}) {
        SetRandSeed(1);
        EXPECT_EQ(Random(range), 0) << range;
        EXPECT_EQ(RandSeed(), 134775814u) << range;
    }

    SetRandSeed(12345);
    for (int i = 0; i < 10000; ++i) {
        const int32_t r = Random(7);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 7);
        const double x = Random();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
    }
}

TEST_F(RandomTest, RandomizeReseedsAndTheSequenceRepeatsFromASeed)
{
    SetRandSeed(777);
    const double first = Random();
    const int32_t second = Random(1000);
    SetRandSeed(777);
    EXPECT_EQ(Random(), first);
    EXPECT_EQ(Random(1000), second);

    // Two clock seeds a moment apart (and the fixed seed) should not coincide.
    SetRandSeed(777);
    Randomize();
    const uint32_t a = RandSeed();
    Randomize();
    const uint32_t b = RandSeed();
    EXPECT_NE(a, 777u);
    EXPECT_NE(a, b);
}

TEST(ClockTest, FollowsTheSystemClockByDefault)
{
    ResetClockSource();
    const time_t before = time(nullptr);
    const TDateTime now = Now();
    tm local{};
    ASSERT_NE(localtime_r(&before, &local), nullptr);
    const TDateTime expected = EncodeDateTime(uint16_t(local.tm_year + 1900), uint16_t(local.tm_mon + 1),
                                              uint16_t(local.tm_mday), uint16_t(local.tm_hour),
                                              uint16_t(local.tm_min), uint16_t(std::min(local.tm_sec, 59)), 0);
    EXPECT_NEAR(now, expected, 2.0 / 86400) << "Now() is local time to within two seconds";
    EXPECT_GE(Now(), now);
}

TEST(ClockTest, ScopedClocksReplaceAndRestoreTheSource)
{
    const TDateTime start = EncodeDateTime(2024, 3, 5, 18, 0, 0, 0);
    {
        TScopedClock clock(start);
        EXPECT_EQ(Now(), start);
        EXPECT_EQ(Date(), EncodeDate(2024, 3, 5));
        EXPECT_EQ(Time(), 0.75);
        clock.Set(start + 1);
        EXPECT_EQ(Now(), start + 1);
        {
            int calls = 0;
            TScopedClock inner([&] { return 100.0 + ++calls; });
            EXPECT_EQ(Now(), 101.0);
            EXPECT_EQ(Now(), 102.0);
            EXPECT_EQ(calls, 2);
        }
        EXPECT_EQ(Now(), start + 1) << "the outer clock is back";

        // Before 1899-12-30 the time of day is still the magnitude of the fraction.
        clock.Set(-1.25);
        EXPECT_EQ(Date(), -1.0);
        EXPECT_EQ(Time(), 0.25);
    }

    SetClockSource([] { return 7.5; });
    EXPECT_EQ(Now(), 7.5);
    {
        TScopedClock clock(1.0);
        EXPECT_EQ(Now(), 1.0);
    }
    EXPECT_EQ(Now(), 7.5) << "a scoped clock restores a source set before it";
    SetClockSource(nullptr);
    EXPECT_GT(Now(), EncodeDate(2000, 1, 1)) << "an empty source means the system clock";

    SetClockSource([] { return 3.0; });
    ResetClockSource();
    EXPECT_GT(Now(), EncodeDate(2000, 1, 1));
}
