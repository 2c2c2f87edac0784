#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ondulix {

// Writes a whole file so that it is either all there or not changed at all: the bytes go to a
// temporary file beside the target, which then replaces it. Returns the system's reason when
// it fails, and leaves no temporary file behind.
std::optional<std::string> writeFileAtomically(const std::string& path, std::string_view bytes);

} // namespace ondulix
