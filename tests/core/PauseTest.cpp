// The computer's pause: until the seconds-of-day clock, rounded to a whole second at the
// start, has gone on by one; never shorter than half a second or longer than one and a half.
#include "game/Pause.h"

#include <gtest/gtest.h>

namespace jumpline {
namespace {

constexpr double SecondsPerDay = 86400.0;

TEST(Pause, LastsUntilTheRoundedClockHasAdvancedByOneSecond)
{
    const struct {
        double now;
        int milliseconds;
    } cases[] = {
        {100.0, 1000}, {100.2, 800}, {100.7, 1300}, {100.25, 750}, {100.75, 1250},
        // A clock exactly half-way rounds to the even second.
        {100.5, 500},  {101.5, 1500}, {0.5, 500},   {0.0, 1000},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.now);
        EXPECT_NEAR(pauseMilliseconds(c.now), c.milliseconds, 1);
    }
}

TEST(Pause, StaysBetweenHalfASecondAndOneAndAHalfAllDay)
{
    for (double now = 0.0; now < SecondsPerDay; now += 97.531)
        ASSERT_GE(pauseMilliseconds(now), 500) << now;
    for (double now = 0.0; now < SecondsPerDay; now += 97.531)
        ASSERT_LE(pauseMilliseconds(now), 1500) << now;
}

TEST(Pause, EndsInTimeJustBeforeMidnight)
{
    // The clock runs out at 86400 and starts again from 0; the pause must not wait for it.
    for (double now = SecondsPerDay - 2.0; now < SecondsPerDay; now += 0.0013) {
        const int ms = pauseMilliseconds(now);
        ASSERT_GE(ms, 500) << now;
        ASSERT_LE(ms, 1500) << now;
    }
    EXPECT_NEAR(pauseMilliseconds(SecondsPerDay - 0.3), 1300, 8); // single precision near 86400
    EXPECT_NEAR(pauseMilliseconds(SecondsPerDay - 0.7), 700, 8);
    EXPECT_NEAR(pauseMilliseconds(SecondsPerDay - 0.0001), 1000, 8);
}

} // namespace
} // namespace jumpline
