// Test helper: "exitcode <n>" exits with code n; "exitcode -s <sig>" ends itself with signal sig.
#include <csignal>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc > 2 && std::strcmp(argv[1], "-s") == 0) {
        std::signal(std::atoi(argv[2]), SIG_DFL);
        std::raise(std::atoi(argv[2]));
        return 100;
    }
    return argc > 1 ? std::atoi(argv[1]) : 0;
}
