#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace ondulix {

// Hands MIDI messages from the threads they arrive on (ALSA's sequencer thread, JACK's process
// thread) to the event thread, through a pipe: the sending side neither locks nor allocates, and
// the event loop watches the reading end. Each message travels as one write of 4 bytes, its
// length and up to 3 bytes, which POSIX keeps whole (at most PIPE_BUF bytes), so that messages
// from two threads never mix and a read gets only whole messages.
//
// Threads: send() on any thread, at once on several; receive() on one thread. A message sent
// while the pipe is full is dropped rather than waited for.
class MidiPipe
{
public:
    using Message = std::array<std::uint8_t, 4>; // the length, then the bytes

    MidiPipe();
    ~MidiPipe();
    MidiPipe(const MidiPipe&) = delete;
    MidiPipe& operator=(const MidiPipe&) = delete;

    bool isOpen() const { return m_read >= 0; }
    int readEnd() const { return m_read; }

    // A message longer than 3 bytes (a system exclusive one) is no note and is not sent.
    void send(std::span<const std::uint8_t> message);
    // The messages waiting, oldest first, as many as `into` holds; how many.
    std::size_t receive(std::span<Message> into);

private:
    int m_read = -1;
    int m_write = -1;
};

} // namespace ondulix
