#pragma once

#include <QObject>

namespace ondulix {

struct FeatureContext;

// Plays the wave from a MIDI keyboard: the program opens an input port named "Ondulix" as it
// starts, and any keyboard connected to it plays as the computer's keys do; pitch bend bends by
// up to 2 semitones. The graph's menu says where the port is open, or "MIDI: not available"
// when no MIDI system runs, which is no fault: all else works as before.
class MidiNotes : public QObject
{
    Q_OBJECT

public:
    explicit MidiNotes(const FeatureContext& context);
};

} // namespace ondulix
