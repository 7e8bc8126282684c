#include "transcode/PumpTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
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

namespace {
// Stands for a stream of user input: each event handled posts the next one.
class Chatter : public QObject {
public:
    int handled = 0;
    bool event(QEvent* e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        ++handled;
        if (keepGoing)
            QCoreApplication::postEvent(this, new QEvent(QEvent::User));
        return true;
    }
    bool keepGoing = true;
};
}

TEST(PumpTimer, EndsOnTimeWhileEventsKeepArriving)
{
    Chatter chatter;
    QCoreApplication::postEvent(&chatter, new QEvent(QEvent::User));
    clsPumpTimer pump;
    QElapsedTimer clock;
    clock.start();
    pump.Wait(50);
    const qint64 waited = clock.elapsed();
    chatter.keepGoing = false;
    EXPECT_GE(waited, 45);
    EXPECT_LT(waited, 5000);  // input does not keep it waiting: generous bound, no timing claim
    EXPECT_GT(chatter.handled, 10);
    QCoreApplication::processEvents();
}

TEST(PumpTimer, ReportsAtOnceWhenTheApplicationQuits)
{
    // After quit() no event loop waits any more; Wait says so instead of returning early
    // as if the time had passed.
    bool waited = true;
    bool later = true;
    qint64 laterMs = -1;
    QTimer::singleShot(0, [&] {
        clsPumpTimer pump;
        QTimer::singleShot(20, [] { QCoreApplication::quit(); });
        waited = pump.Wait(2000);  // ended by the quit
        QElapsedTimer clock;
        clock.start();
        later = pump.Wait(2000);   // refused at once
        laterMs = clock.elapsed();
    });
    QCoreApplication::exec();
    EXPECT_FALSE(waited);
    EXPECT_FALSE(later);
    EXPECT_LT(laterMs, 1000);
    clsPumpTimer pump;
    EXPECT_TRUE(pump.Wait(10));  // a running application waits again
}
