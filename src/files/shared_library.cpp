#include "files/shared_library.h"

#include <dlfcn.h>

namespace ondulix {

namespace {

std::string loaderReason()
{
    const char* reason = ::dlerror();
    return reason != nullptr ? reason : "unknown reason";
}

} // namespace

std::optional<std::string> loadSharedLibrary(const char* fileName, std::span<LibrarySymbol> symbols)
{
    // RTLD_NOW finds a library that lacks what it promises at once, not at the first call.
    void* library = ::dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
        return loaderReason();
    for (LibrarySymbol& symbol : symbols) {
        symbol.address = ::dlsym(library, symbol.name);
        if (symbol.address == nullptr) {
            std::string reason = loaderReason();
            ::dlclose(library);
            return reason;
        }
    }
    return std::nullopt;
}

} // namespace ondulix
