#pragma once

#include <sndfile.h>
#include <string>

// libsndfile, loaded the first time a sound file is written or read, not when the program
// starts: most runs of the editor and of quenfer never touch one, and the library brings its
// codecs with it.
namespace ondulix {

// The functions the program calls, each by its own name. A new one is one more line here.
#define ONDULIX_SNDFILE_FUNCTIONS(FUNCTION)                                                        \
    FUNCTION(sf_open_virtual)                                                                      \
    FUNCTION(sf_command)                                                                           \
    FUNCTION(sf_set_chunk)                                                                         \
    FUNCTION(sf_write_float)                                                                       \
    FUNCTION(sf_readf_float)                                                                       \
    FUNCTION(sf_get_chunk_iterator)                                                                \
    FUNCTION(sf_get_chunk_size)                                                                    \
    FUNCTION(sf_get_chunk_data)                                                                    \
    FUNCTION(sf_close)                                                                             \
    FUNCTION(sf_strerror)

struct SndfileFunctions
{
#define ONDULIX_SNDFILE_MEMBER(name) decltype(&::name) name = nullptr;
    ONDULIX_SNDFILE_FUNCTIONS(ONDULIX_SNDFILE_MEMBER)
#undef ONDULIX_SNDFILE_MEMBER
};

struct SndfileLibrary
{
    SndfileFunctions functions; // all set when `failure` is empty, none otherwise
    std::string failure; // why the library could not be used, as the user is told
};

inline constexpr const char* kSndfileFileName = "libsndfile.so.1";

// Loads the library of that file name and finds every function above.
SndfileLibrary loadSndfile(const char* fileName);

// The program's libsndfile: loaded on the first call, from any thread, and the same answer after.
const SndfileLibrary& sndfileLibrary();

} // namespace ondulix
