// Two threads write one integer without ordering: the race ThreadSanitizer exists to find. Its
// test expects the report to end the program with status 66, which otherwise ends well.
#include <thread>

int main()
{
    static int shared = 0;
    std::thread other([] { ++shared; });
    ++shared;
    other.join();
}
