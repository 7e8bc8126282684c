// Test helper: sleeps <ms> milliseconds without printing, then exits 0.
#include <chrono>
#include <cstdlib>
#include <thread>

int main(int argc, char** argv)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(argc > 1 ? std::atoi(argv[1]) : 500));
    return 0;
}
