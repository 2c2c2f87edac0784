#pragma once

#include "sound/note_keys.h"

#include <array>
#include <cstdint>

namespace ondulix {

// One voice, as a chip's channel has, played from the keys and a MIDI keyboard: the note pressed
// last sounds. Releasing it brings back the newest note still held, and with none held the voice
// is silent; releasing a note that does not sound changes nothing heard.
//
// It also says how long the sound stream stays open: while a note is held, and for 2 s after a
// note was last pressed or released, so that the next note needs no new stream and is heard at
// once. Times are milliseconds of one steady clock.
class NoteVoice
{
public:
    static constexpr std::int64_t kKeepStreamMilliseconds = 2000;
    // Ten fingers and a few more; past that the oldest held note is forgotten.
    static constexpr int kMostHeld = 16;

    // The note that sounds once `note` is pressed or released (kNoNote for none).
    int press(int note, std::int64_t now);
    int release(int note, std::int64_t now);
    // Every note let go at once, as when the window loses the keys: silent.
    void releaseAll(std::int64_t now);
    int sounding() const { return m_count == 0 ? kNoNote : m_held[m_count - 1]; }

    // How much longer the stream stays open at `now`, in milliseconds; 0 once it may close.
    std::int64_t keepStreamFor(std::int64_t now) const;

private:
    void forget(int note);

    std::array<int, kMostHeld> m_held {}; // oldest first
    int m_count = 0;
    std::int64_t m_lastUse = 0;
    bool m_used = false;
};

} // namespace ondulix
