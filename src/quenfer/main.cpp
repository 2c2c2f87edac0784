#include "quenfer/quenfer.h"

#include <iostream>

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return ondulix::runQuenfer(arguments, std::cout, std::cerr);
}
