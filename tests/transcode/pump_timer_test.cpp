#include "transcode/PumpTimer.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

TEST(PumpTimer, WaitsTheGivenTimeWhileTimersKeepFiring)
{
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(5);
    clsPumpTimer pump;
    QElapsedTimer clock;
    clock.start();
    pump.Wait(50);
    const qint64 waited = clock.elapsed();
    EXPECT_GE(waited, 45);  // "about 50 ms": never much less
    EXPECT_GE(ticks, 2);    // the event loop ran during the wait
}

TEST(PumpTimer, ZeroOrNegativeReturnsAfterHandlingWhatIsPending)
{
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    clsPumpTimer pump;
    pump.Wait(0);
    EXPECT_TRUE(ran);
    ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    pump.Wait(-20);
    EXPECT_TRUE(ran);
}
