#pragma once

#include "sound/midi_message.h"
#include "sound/midi_pipe.h"

#include <QObject>
#include <QStringList>
#include <memory>
#include <vector>

class QSocketNotifier;
class RtMidiIn;

namespace ondulix {

// The program's MIDI input, through RtMidi: a port named `name` on ALSA's sequencer and on JACK,
// on each that runs, for any keyboard to connect to. A system that does not run is left out,
// which is no fault. Messages cross from RtMidi's threads through a MidiPipe and come out on the
// event thread, where the input was made, as `received`.
class MidiInput : public QObject
{
    Q_OBJECT

public:
    explicit MidiInput(const QString& name, QObject* parent = nullptr);
    ~MidiInput() override;

    // Where the port is open, "ALSA" and "JACK"; empty when no MIDI system runs.
    const QStringList& systems() const { return m_systems; }

signals:
    void received(const MidiRequest& request);

private:
    void readPipe();

    MidiPipe m_pipe; // before the ports, which send into it until they are gone
    std::vector<std::unique_ptr<RtMidiIn>> m_ports;
    QStringList m_systems;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace ondulix
