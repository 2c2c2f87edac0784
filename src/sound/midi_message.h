#pragma once

#include <cstdint>
#include <span>

namespace ondulix {

// What a MIDI message asks of the voice, on any channel: a note on (a note on at velocity 0 is a
// note off, as running status sends it), a note off, or a pitch bend of up to +-2 semitones, the
// General MIDI default range. Everything else asks nothing.
struct MidiRequest
{
    enum class Kind
    {
        Nothing,
        NoteOn,
        NoteOff,
        Bend,
    };
    Kind kind = Kind::Nothing;
    int note = 0;
    double semitones = 0; // the bend
};

inline constexpr double kBendSemitones = 2.0;

MidiRequest readMidiMessage(std::span<const std::uint8_t> message);

} // namespace ondulix
