#include "sound/note_voice.h"

#include <algorithm>

namespace ondulix {

int NoteVoice::press(int note, std::int64_t now)
{
    m_lastUse = now;
    m_used = true;
    forget(note);
    if (m_count == kMostHeld)
        forget(m_held[0]);
    m_held[m_count++] = note;
    return sounding();
}

int NoteVoice::release(int note, std::int64_t now)
{
    m_lastUse = now;
    m_used = true;
    forget(note);
    return sounding();
}

void NoteVoice::releaseAll(std::int64_t now)
{
    if (m_count > 0) {
        m_lastUse = now;
        m_count = 0;
    }
}

std::int64_t NoteVoice::keepStreamFor(std::int64_t now) const
{
    if (m_count > 0)
        return kKeepStreamMilliseconds;
    return m_used ? std::max<std::int64_t>(0, m_lastUse + kKeepStreamMilliseconds - now) : 0;
}

void NoteVoice::forget(int note)
{
    const auto end = m_held.begin() + m_count;
    m_count = static_cast<int>(std::remove(m_held.begin(), end, note) - m_held.begin());
}

} // namespace ondulix
