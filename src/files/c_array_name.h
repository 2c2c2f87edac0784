#pragma once

#include <optional>
#include <string>
#include <string_view>

// The name of the C header's array. The header must compile as C99 and as C++11 wherever it is
// included, so the name must be free in both: a C identifier, no keyword, nothing that C or
// <stdint.h> (which the header includes) reserves, and not main.
namespace ondulix {

// Why the array cannot take this name, or nothing when it can.
std::optional<std::string> arrayNameFault(std::string_view name);

} // namespace ondulix
