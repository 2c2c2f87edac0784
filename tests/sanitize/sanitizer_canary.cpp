// A program that commits the fault named on its command line, so a test can see that the
// sanitizer build reports each kind and fails the program for it. The count comes from the
// command line too, so the compiler cannot see the fault coming and fold it away.
#include <cstdlib>
#include <iostream>
#include <limits>
#include <memory>
#include <string>

int main(int argc, char* argv[])
{
    const std::string fault = argc == 3 ? argv[1] : "";
    const int count = argc == 3 ? std::atoi(argv[2]) : 0;
    int result = 0;
    if (fault == "heap-overflow") {
        result = std::make_unique<int[]>(std::size_t(count))[std::size_t(count)];
    } else if (fault == "signed-overflow") {
        result = std::numeric_limits<int>::max() - 1 + count;
    } else if (fault == "float-cast") {
        result = static_cast<int>(1e300 * count);
    } else if (fault == "leak") {
        static_cast<void>(new int[std::size_t(count)]());
    } else if (fault != "none") {
        std::cerr << "usage: sanitizer_canary FAULT COUNT\n";
        return 2;
    }
    std::cout << "no report: " << result << '\n';
    return 0;
}
