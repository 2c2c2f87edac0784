// Commits one fault on request, so that canary_test.sh can show that this build reports each
// kind and that the report fails the program. Values come from the command line, so that the
// compiler cannot see the faults coming and remove them.
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <limits>
#include <memory>
#include <string>

namespace {

int heapOverflow(int count)
{
    const auto values = std::make_unique<int[]>(static_cast<std::size_t>(count));
    return values[static_cast<std::size_t>(count)];
}

int useAfterFree(int count)
{
    int* values = new int[static_cast<std::size_t>(count)]();
    delete[] values;
    return values[0];
}

int signedOverflow(int count)
{
    const int largest = std::numeric_limits<int>::max() - 1 + (count > 0 ? 1 : 0);
    return largest + count;
}

int floatCast(int count)
{
    const double huge = 1e300 * count;
    return static_cast<int>(huge);
}

int leak(int count)
{
    static_cast<void>(new int[static_cast<std::size_t>(count)]());
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: sanitizer_canary FAULT COUNT\n";
        return 2;
    }
    const std::string fault = argv[1];
    const int count = std::atoi(argv[2]);
    int result = 0;
    if (fault == "heap-overflow")
        result = heapOverflow(count);
    else if (fault == "use-after-free")
        result = useAfterFree(count);
    else if (fault == "signed-overflow")
        result = signedOverflow(count);
    else if (fault == "float-cast")
        result = floatCast(count);
    else if (fault == "leak")
        result = leak(count);
    else if (fault != "none")
        return 2;
    std::cout << "no report: " << result << '\n';
    return 0;
}
