#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace ondulix {

inline constexpr int kQuenferSuccess = 0;
inline constexpr int kQuenferRefused = 1; // the input was refused or the output not written
inline constexpr int kQuenferUsage = 2;

// The whole of `quenfer ARGUMENTS` (the program's name excluded): reads the pattern file the
// way the editor's Open CSV does, starting from an empty table, and writes the memory image
// atomically. Returns the exit status; messages go to `err`, help and version to `out`.
int runQuenfer(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace ondulix
