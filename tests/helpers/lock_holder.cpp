// Plays a running copy of the program for the tests: takes the single-copy
// lock at the path given, says "locked" and runs until it is killed. When the
// lock is held by someone else it says "refused" and ends with status 1.
#include <QCoreApplication>
#include <QString>
#include <cstdio>

#include "gui/desktop/single_instance.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) return 2;
    zorvane::SingleInstanceLock lock(QString::fromLocal8Bit(argv[1]));
    if (!lock.acquire()) {
        std::puts("refused");
        return 1;
    }
    std::puts("locked");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
