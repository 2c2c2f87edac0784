#include "files/sndfile_library.h"

#include "files/shared_library.h"

#include <array>

namespace ondulix {

SndfileLibrary loadSndfile(const char* fileName)
{
#define ONDULIX_SNDFILE_SYMBOL(name) LibrarySymbol {#name},
    std::array symbols {ONDULIX_SNDFILE_FUNCTIONS(ONDULIX_SNDFILE_SYMBOL)};
#undef ONDULIX_SNDFILE_SYMBOL
    SndfileLibrary library;
    if (const auto failure = loadSharedLibrary(fileName, symbols)) {
        library.failure
            = "sound files need libsndfile, which could not be loaded (" + *failure + ")";
        return library;
    }
    auto symbol = symbols.begin();
#define ONDULIX_SNDFILE_TAKE(name)                                                                 \
    library.functions.name                                                                         \
        = reinterpret_cast<decltype(library.functions.name)>((symbol++)->address);
    ONDULIX_SNDFILE_FUNCTIONS(ONDULIX_SNDFILE_TAKE)
#undef ONDULIX_SNDFILE_TAKE
    return library;
}

const SndfileLibrary& sndfileLibrary()
{
    static const SndfileLibrary library = loadSndfile(kSndfileFileName);
    return library;
}

} // namespace ondulix
