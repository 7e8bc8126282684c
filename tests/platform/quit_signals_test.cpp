#include "platform/QuitSignals.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <csignal>

namespace {
void settle(const std::function<bool()>& done)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}
}

TEST(QuitSignals, TermIntAndHupArriveThroughTheEventLoop)
{
    QList<int> got;
    {
        QuitSignals signals;
        ASSERT_TRUE(signals.isActive());
        QObject::connect(&signals, &QuitSignals::quitRequested, [&](int sig) { got << sig; });
        for (int sig : {SIGTERM, SIGINT, SIGHUP})
            ::raise(sig);  // the program would have ended here without the handlers
        EXPECT_TRUE(got.isEmpty());  // nothing runs inside the signal handler
        settle([&] { return got.size() == 3; });
        EXPECT_EQ(got, QList<int>({SIGTERM, SIGINT, SIGHUP}));
        ::raise(SIGTERM);  // every arrival is reported
        settle([&] { return got.size() == 4; });
        EXPECT_EQ(got.size(), 4);
    }
    // Gone: the earlier handling is back.
    struct sigaction now {};
    ::sigaction(SIGTERM, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}
