// Test helper: prints "piece 1\n" ... "piece <count>\n", one piece every <gap> ms, then exits 0.
// Built twice: as "pieces" and as "coder", the transcoder's process name.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 3;
    const int gapMs = argc > 2 ? std::atoi(argv[2]) : 100;
    for (int i = 1; i <= count; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(gapMs));
        std::printf("piece %d\n", i);
        std::fflush(stdout);
    }
    return 0;
}
