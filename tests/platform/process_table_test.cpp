#include "platform/ProcessTable.h"

#include "support/ProcessProbes.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// A name no other process on the machine carries.
QString uniqueName() { return QStringLiteral("tsPT%1").arg(::getpid() % 100000); }

// Polls `condition` until it holds; false when it still does not after a generous deadline.
bool waitUntil(const std::function<bool()>& condition)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > 30000)
            return false;
        ::usleep(5000);
    }
    return true;
}
}

TEST(ProcessTable, FindsLiveProcessesByNameIgnoringCaseButNotZombies)
{
    const QString name = uniqueName();
    EXPECT_FALSE(isProcessNameRunning(name));
    const pid_t pid = startNamedChild(name.toLatin1());
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(waitUntil([&] { return isProcessNameRunning(name); }));
    EXPECT_TRUE(isProcessNameRunning(name.toUpper()));
    EXPECT_TRUE(isProcessNameRunning(name.toLower()));
    EXPECT_FALSE(isProcessNameRunning(name.left(name.size() - 1)));  // whole names only

    ::kill(pid, SIGKILL);
    // Not yet reaped: a zombie, which no longer counts as running.
    siginfo_t info{};
    ASSERT_EQ(::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT), 0);
    EXPECT_FALSE(isProcessNameRunning(name));
    ::waitpid(pid, nullptr, 0);
    EXPECT_FALSE(isProcessNameRunning(name));
}

TEST(ProcessTable, ComparesTheFifteenByteKernelName)
{
    // The kernel keeps 15 bytes of the name; a longer name is compared by those.
    const QString longName = uniqueName() + QStringLiteral("abcdefghijklmnop");
    const pid_t pid = startNamedChild(longName.toLatin1());
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(waitUntil([&] { return isProcessNameRunning(longName); }));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}
