#pragma once

#include <optional>
#include <span>
#include <string>

namespace ondulix {

// A function of a shared library by its name, and where it was found.
struct LibrarySymbol
{
    const char* name;
    void* address = nullptr;
};

// Loads a shared library by its file name, as the system's loader finds it, and looks up each of
// `symbols` in it. The library stays loaded for the rest of the run. On a failure nothing stays
// loaded and the loader's reason is returned. This is the program's one call into the system's
// loader: on Windows, LoadLibraryW and GetProcAddress.
std::optional<std::string> loadSharedLibrary(
    const char* fileName, std::span<LibrarySymbol> symbols);

} // namespace ondulix
