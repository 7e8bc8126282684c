// Test helper: sleeps <ms> milliseconds without printing, then exits 0. With a second
// argument "stubborn" it ignores SIGTERM, SIGINT and SIGHUP; with "tell" it first prints its
// pid as "pid <n>".
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <unistd.h>

int main(int argc, char** argv)
{
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "stubborn") == 0) {
            std::signal(SIGTERM, SIG_IGN);
            std::signal(SIGINT, SIG_IGN);
            std::signal(SIGHUP, SIG_IGN);
        } else if (std::strcmp(argv[i], "tell") == 0) {
            std::printf("pid %d\n", static_cast<int>(::getpid()));
            std::fflush(stdout);
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(argc > 1 ? std::atoi(argv[1]) : 500));
    return 0;
}
