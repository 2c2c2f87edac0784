#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ondulix {

// The settings file lives in the directory the program was started from, not beside the
// program, so each working folder can name its own compiler.
std::filesystem::path settingsFilePath(const std::filesystem::path& startupDirectory);

// The compiler path that a settings text names: its last line, which may be empty. A text
// without a line names none, and so does a text holding a NUL byte.
std::optional<std::string> compilerPathIn(std::string_view settingsText);

// The settings text for a compiler path: that one line, ended by CR LF.
std::string settingsText(std::string_view compilerPath);

// Reads the compiler path from the settings file. A missing file is created empty, so that
// users find where the setting belongs; an existing file is never changed here, even when it
// cannot be read. Every failure is silent: the program starts without a compiler path.
std::optional<std::string> loadSettings(const std::filesystem::path& settingsFile);

} // namespace ondulix
