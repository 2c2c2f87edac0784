#pragma once

#include "files/byte_source.h"
#include "files/sndfile_library.h"

#include <cstdint>
#include <span>
#include <string>
#include <utility>

namespace ondulix {

// A file that libsndfile reads or writes through its virtual I/O: the import reads its bytes as
// they are needed, from memory or from the disk, and the wavetable writer fills a string that
// then goes to disk in one atomic write. libsndfile seeks back to fill in a header's sizes when a
// written file closes.
class SndfileMemory
{
public:
    SndfileMemory() = default; // to be written
    explicit SndfileMemory(ByteSource& contents) // to be read
        : m_read(&contents)
        , m_writing(false)
    { }

    // What sf_open_virtual takes, with `this` as its user data.
    static SF_VIRTUAL_IO io();
    std::string takeWritten() { return std::move(m_written); }

private:
    static SndfileMemory& of(void* user) { return *static_cast<SndfileMemory*>(user); }
    static sf_count_t length(void* user);
    static sf_count_t seek(sf_count_t offset, int whence, void* user);
    static sf_count_t read(void* to, sf_count_t count, void* user);
    static sf_count_t write(const void* from, sf_count_t count, void* user);
    static sf_count_t tell(void* user);
    sf_count_t size() const;

    ByteSource* m_read = nullptr;
    std::string m_written;
    bool m_writing = true;
    sf_count_t m_position = 0;
};

// An open libsndfile handle, closed on every way out of the function that opened it.
class SndfileHandle
{
public:
    SndfileHandle(const SndfileFunctions& sf, SNDFILE* file)
        : m_sf(sf)
        , m_file(file)
    { }
    ~SndfileHandle()
    {
        if (m_file != nullptr)
            m_sf.sf_close(m_file);
    }
    SndfileHandle(const SndfileHandle&) = delete;
    SndfileHandle& operator=(const SndfileHandle&) = delete;

    SNDFILE* get() const { return m_file; }
    // Closing writes a written file's header sizes, so it can fail too.
    bool close() { return m_sf.sf_close(std::exchange(m_file, nullptr)) == 0; }
    // What went wrong last: on this file while it is open, else in the library as a whole.
    const char* reason() const { return m_sf.sf_strerror(m_file); }

private:
    const SndfileFunctions& m_sf;
    SNDFILE* m_file;
};

} // namespace ondulix
