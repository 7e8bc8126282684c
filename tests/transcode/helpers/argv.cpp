// Test helper: prints what the program was given, unambiguously:
//   argc=<n>, then one line "arg=<hex bytes>" per argument after the program name,
//   "fds=<open descriptors, comma-separated>" and "stdin=<target of descriptor 0>".
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv)
{
    std::printf("argc=%d\n", argc);
    for (int i = 1; i < argc; ++i) {
        std::printf("arg=");
        for (const char* p = argv[i]; *p; ++p)
            std::printf("%02x", static_cast<unsigned char>(*p));
        std::printf("\n");
    }
    std::vector<int> fds;
    if (DIR* d = ::opendir("/proc/self/fd")) {
        const int own = ::dirfd(d);
        while (const dirent* e = ::readdir(d)) {
            if (e->d_name[0] == '.')
                continue;
            const int fd = std::atoi(e->d_name);
            if (fd != own)
                fds.push_back(fd);
        }
        ::closedir(d);
    }
    std::sort(fds.begin(), fds.end());
    std::string list;
    for (int fd : fds)
        list += (list.empty() ? "" : ",") + std::to_string(fd);
    std::printf("fds=%s\n", list.c_str());
    char target[256] = {};
    const ssize_t n = ::readlink("/proc/self/fd/0", target, sizeof target - 1);
    std::printf("stdin=%s\n", n > 0 ? target : "?");
    return 0;
}
