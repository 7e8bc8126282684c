// Test helper: "forker <ms> [wait]" starts a grandchild that keeps stdout open and sleeps <ms>
// milliseconds, prints "forked <pid>", then exits 0 at once (the grandchild outlives it) or,
// with "wait", waits for the grandchild first.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

int main(int argc, char** argv)
{
    const int ms = argc > 1 ? std::atoi(argv[1]) : 2000;
    const bool wait = argc > 2 && std::strcmp(argv[2], "wait") == 0;
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return 0;
    }
    std::printf("forked %d\n", static_cast<int>(pid));
    std::fflush(stdout);
    if (wait)
        ::waitpid(pid, nullptr, 0);
    return 0;
}
