#pragma once

#include "files/byte_reader.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace ondulix {

// Bytes that a reader takes a piece at a time: a file held whole, or one on disk read as it is
// needed, so that a long recording is never in memory as bytes and as samples at once.
class ByteSource
{
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Up to `count` bytes from `offset` on; how many there were (fewer at the end).
    virtual std::size_t readAt(std::uint64_t offset, void* to, std::size_t count) = 0;
};

class MemoryBytes : public ByteSource
{
public:
    explicit MemoryBytes(Bytes bytes)
        : m_bytes(bytes)
    { }

    std::uint64_t size() const override { return m_bytes.size(); }
    std::size_t readAt(std::uint64_t offset, void* to, std::size_t count) override;

private:
    Bytes m_bytes;
};

class FileBytes : public ByteSource
{
public:
    // The file, or why it cannot be read.
    static ReadResult<std::unique_ptr<FileBytes>> open(const std::filesystem::path& path);
    ~FileBytes() override;

    std::uint64_t size() const override { return m_size; }
    std::size_t readAt(std::uint64_t offset, void* to, std::size_t count) override;

private:
    FileBytes(std::FILE* file, std::uint64_t size)
        : m_file(file)
        , m_size(size)
    { }

    std::FILE* m_file;
    std::uint64_t m_size;
};

} // namespace ondulix
