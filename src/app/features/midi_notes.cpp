#include "app/features/midi_notes.h"

#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "platform/midi_input.h"

#include <QAction>

namespace ondulix {

MidiNotes::MidiNotes(const FeatureContext& context)
    : QObject(&context.window)
{
    setObjectName(QStringLiteral("midiNotes"));
    auto* input = new MidiInput(QStringLiteral("Ondulix"), this);
    const QStringList& systems = input->systems();
    auto* shown = new QAction(systems.isEmpty() ? QStringLiteral("MIDI: not available")
                                                : QStringLiteral("MIDI: port \"Ondulix\" on %1")
                                                      .arg(systems.join(QStringLiteral(" and "))),
        this);
    shown->setEnabled(false);
    context.menu.add(MenuSection::Notes, {shown});
    ChangeSignals& changes = context.editor.changes();
    connect(input, &MidiInput::received, this, [&changes](const MidiRequest& request) {
        switch (request.kind) {
        case MidiRequest::Kind::NoteOn:
            emit changes.notePressed(request.note);
            break;
        case MidiRequest::Kind::NoteOff:
            emit changes.noteReleased(request.note);
            break;
        case MidiRequest::Kind::Bend:
            emit changes.notesBent(request.semitones);
            break;
        case MidiRequest::Kind::Nothing:
            break;
        }
    });
}

} // namespace ondulix
