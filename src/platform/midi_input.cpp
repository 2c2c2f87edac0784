#include "platform/midi_input.h"

#include <QSocketNotifier>
#include <RtMidi.h>
#include <alsa/asoundlib.h>
#include <array>
#include <jack/jack.h>

namespace ondulix {

namespace {

// On RtMidi's thread for the system: hands the message on and returns at once.
void forward(double, std::vector<unsigned char>* message, void* pipe)
{
    static_cast<MidiPipe*>(pipe)->send(*message);
}

void recordFailure(RtMidiError::Type type, const std::string&, void* failed)
{
    if (type != RtMidiError::WARNING && type != RtMidiError::DEBUG_WARNING)
        *static_cast<bool*>(failed) = true;
}

// Later errors come on RtMidi's threads, where nothing can be done for them.
void ignoreError(RtMidiError::Type, const std::string&, void*) { }

// A MIDI system that does not run is no fault here: the libraries' own words about it, on every
// start, would only fill the terminal.
void quietAlsa(const char*, int, const char*, int, const char*, ...) { }
void quietJack(const char*) { }

// A system that does not run refuses at once: ALSA throws when it makes its client, JACK reports
// when it opens the port.
std::unique_ptr<RtMidiIn> openPort(RtMidi::Api api, const std::string& name, MidiPipe& pipe)
{
    try {
        auto port = std::make_unique<RtMidiIn>(api, name);
        bool failed = false;
        port->setErrorCallback(recordFailure, &failed);
        port->setCallback(forward, &pipe);
        port->openVirtualPort(name);
        port->setErrorCallback(ignoreError);
        return failed ? nullptr : std::move(port);
    } catch (const RtMidiError&) {
        return nullptr;
    }
}

} // namespace

MidiInput::MidiInput(const QString& name, QObject* parent)
    : QObject(parent)
{
    if (!m_pipe.isOpen())
        return;
    snd_lib_error_set_handler(quietAlsa);
    jack_set_error_function(quietJack);
    jack_set_info_function(quietJack);
    const std::pair<RtMidi::Api, const char*> systems[]
        = {{RtMidi::LINUX_ALSA, "ALSA"}, {RtMidi::UNIX_JACK, "JACK"}};
    for (const auto& [api, system] : systems) {
        if (auto port = openPort(api, name.toStdString(), m_pipe)) {
            m_ports.push_back(std::move(port));
            m_systems << QString::fromLatin1(system);
        }
    }
    m_notifier = new QSocketNotifier(m_pipe.readEnd(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &MidiInput::readPipe);
}

MidiInput::~MidiInput() = default;

void MidiInput::readPipe()
{
    std::array<MidiPipe::Message, 64> messages;
    for (std::size_t count; (count = m_pipe.receive(messages)) > 0;) {
        for (std::size_t i = 0; i < count; ++i) {
            const MidiPipe::Message& message = messages[i];
            emit received(readMidiMessage(std::span(message).subspan(1, message[0])));
        }
    }
}

} // namespace ondulix
