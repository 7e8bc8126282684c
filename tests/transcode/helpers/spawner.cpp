// Test helper: "spawner <program> <args...>" starts the program as the console runner starts
// its transcoder (ChildProcess), with the program's output on this helper's stdout, then
// sleeps until it is killed. Used to see what happens to the child when its parent dies.
#include "transcode/ChildProcess.h"

#include <QStringList>

#include <unistd.h>

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    ChildProcess child;
    if (child.start(args, 1) != 0)
        return 2;
    for (;;)
        ::pause();
}
