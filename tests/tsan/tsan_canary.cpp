// Two threads write one integer without ordering: the race ThreadSanitizer exists to find. The
// thread build's tests run with the options that make such a report fail the program.
#include <cstdio>
#include <thread>

namespace {
int shared = 0;
}

int main()
{
    std::thread other([] { ++shared; });
    ++shared;
    other.join();
    std::printf("no report: %d\n", shared);
    return 0;
}
