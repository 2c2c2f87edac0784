#include "sound/midi_message.h"

namespace ondulix {

namespace {

constexpr std::uint8_t kNoteOff = 0x80;
constexpr std::uint8_t kNoteOn = 0x90;
constexpr std::uint8_t kPitchBend = 0xE0;
constexpr int kBendCentre = 0x2000;

} // namespace

MidiRequest readMidiMessage(std::span<const std::uint8_t> message)
{
    if (message.size() < 3 || message[1] > 0x7F || message[2] > 0x7F)
        return {};
    const std::uint8_t kind = message[0] & 0xF0;
    if (kind == kNoteOn && message[2] > 0)
        return {MidiRequest::Kind::NoteOn, message[1], 0};
    if (kind == kNoteOn || kind == kNoteOff)
        return {MidiRequest::Kind::NoteOff, message[1], 0};
    if (kind == kPitchBend) {
        const int bend = (message[2] << 7 | message[1]) - kBendCentre;
        return {MidiRequest::Kind::Bend, 0, kBendSemitones * bend / kBendCentre};
    }
    return {};
}

} // namespace ondulix
