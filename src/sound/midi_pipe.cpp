#include "sound/midi_pipe.h"

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace ondulix {

MidiPipe::MidiPipe()
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_read = ends[0];
        m_write = ends[1];
    }
}

MidiPipe::~MidiPipe()
{
    if (isOpen()) {
        close(m_read);
        close(m_write);
    }
}

void MidiPipe::send(std::span<const std::uint8_t> message)
{
    if (!isOpen() || message.size() > 3)
        return;
    Message whole {static_cast<std::uint8_t>(message.size())};
    std::copy(message.begin(), message.end(), whole.begin() + 1);
    // A full pipe drops the message: the sending thread must not wait.
    [[maybe_unused]] const ssize_t written = write(m_write, whole.data(), whole.size());
}

std::size_t MidiPipe::receive(std::span<Message> into)
{
    if (!isOpen() || into.empty())
        return 0;
    const ssize_t bytes = read(m_read, into.data(), into.size_bytes());
    return bytes > 0 ? static_cast<std::size_t>(bytes) / sizeof(Message) : 0;
}

} // namespace ondulix
