#include "app/features/note_keys.h"

#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "app/editor/tool_windows.h"
#include "app/editor/window_action.h"
#include "sound/note_keys.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <algorithm>
#include <utility>

namespace ondulix {

namespace {

bool neverANote(const QKeyEvent& key)
{
    return key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

QString noteName(int note)
{
    static const char* const names[]
        = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    return QStringLiteral("%1%2").arg(QLatin1String(names[note % 12])).arg(note / 12 - 1);
}

} // namespace

NoteKeys::NoteKeys(const FeatureContext& context)
    : QObject(&context.window)
    , m_changes(context.editor.changes())
    , m_windows(context.toolWindows)
{
    setObjectName(QStringLiteral("noteKeys"));
    QAction* down = addWindowAction(context.window, *this, QStringLiteral("Octave down"),
        {QKeySequence(Qt::KeypadModifier | Qt::Key_Slash)}, [this] { setOctave(m_octave - 1); });
    QAction* up = addWindowAction(context.window, *this, QStringLiteral("Octave up"),
        {QKeySequence(Qt::KeypadModifier | Qt::Key_Asterisk)}, [this] { setOctave(m_octave + 1); });
    m_octaveShown = new QAction(this);
    m_octaveShown->setEnabled(false);
    setOctave(m_octave);
    context.menu.add(MenuSection::Notes, {down, up, m_octaveShown});
    connect(&m_changes, &ChangeSignals::previewPitchChosen, this,
        [this](double hertz) { setOctave(octaveOfPitch(hertz)); });
    connect(
        qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
            if (state != Qt::ApplicationActive)
                releaseAll();
        });
    // After the gesture counter, so that it is asked first: a note is no gesture of editing.
    qApp->installEventFilter(this);
}

// Each key reaches the window on the screen first, then the focused control: it is taken at the
// first. A release ends its note wherever it arrives, as the keys may have gone to a dialog since.
bool NoteKeys::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (type == QEvent::KeyRelease && release(key))
        return m_windows.receivesWindowKeys(*watched);
    if (!m_windows.receivesWindowKeys(*watched) || neverANote(key))
        return false;
    // The actions' keypad keys, which Qt 6.4 on X11 matches to no shortcut: taken by place.
    if (const int step = keyOctaveStep(key.nativeScanCode()); step != 0) {
        if (type == QEvent::KeyPress)
            setOctave(m_octave + step);
        return true;
    }
    if (keySemitone(key.nativeScanCode()) == kNoNote)
        return false;
    if (type == QEvent::KeyPress && !key.isAutoRepeat())
        press(key);
    return true;
}

bool NoteKeys::press(const QKeyEvent& key)
{
    const int note = octaveC(m_octave) + keySemitone(key.nativeScanCode());
    release(key); // a press whose release went astray
    m_held.push_back({key.nativeScanCode(), note});
    emit m_changes.notePressed(note);
    return true;
}

bool NoteKeys::release(const QKeyEvent& key)
{
    const auto held = std::find_if(m_held.begin(), m_held.end(),
        [&key](const Held& h) { return h.scanCode == key.nativeScanCode(); });
    if (held == m_held.end() || key.isAutoRepeat())
        return held != m_held.end();
    const int note = held->note;
    m_held.erase(held);
    emit m_changes.noteReleased(note);
    return true;
}

void NoteKeys::releaseAll()
{
    for (const Held& held : std::exchange(m_held, {}))
        emit m_changes.noteReleased(held.note);
}

void NoteKeys::setOctave(int octave)
{
    m_octave = std::clamp(octave, kLowestKeyOctave, kHighestKeyOctave);
    m_octaveShown->setText(
        QStringLiteral("Keys: octave %1, Z is %2").arg(m_octave).arg(noteName(octaveC(m_octave))));
}

} // namespace ondulix
