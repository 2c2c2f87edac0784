#include "app/features/editing_actions.h"

#include "app/editor/edit_history.h"
#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "app/editor/window_action.h"
#include "pattern/clipboard_text.h"
#include "platform/clipboard.h"
#include "platform/user_messages.h"
#include "wave/tracker_wave.h"
#include "wave/wave_transforms.h"

#include <QAction>
#include <QMenu>

namespace ondulix {

namespace {

QKeySequence ctrl(Qt::Key key)
{
    return QKeySequence(Qt::CTRL | key);
}

} // namespace

EditingActions::EditingActions(const FeatureContext& context)
    : QObject(&context.window)
    , m_window(context.window)
    , m_samples(context.samples)
    , m_history(context.history)
    , m_messages(context.messages)
{
    setObjectName(QStringLiteral("editingActions"));
    addUndoSection(context.menu);
    addClipboardSection(context.menu);
    addTransformSection(context.menu);
}

void EditingActions::addUndoSection(GraphMenu& menu)
{
    menu.addSection({
        addWindowAction(m_window, *this, QStringLiteral("Undo"), {QKeySequence::Undo},
            [this] { m_history.undo(); }),
        // Qt's Redo on Linux is Ctrl+Shift+Z alone; Ctrl+Y is what users of other systems press.
        addWindowAction(m_window, *this, QStringLiteral("Redo"),
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), ctrl(Qt::Key_Y)},
            [this] { m_history.redo(); }),
    });
}

void EditingActions::addClipboardSection(GraphMenu& menu)
{
    menu.addSection({
        addWindowAction(
            m_window, *this, QStringLiteral("Copy"), {QKeySequence::Copy}, [this] { copyWave(); }),
        addWindowAction(m_window, *this, QStringLiteral("Paste"), {QKeySequence::Paste},
            [this] { pasteWave(); }),
        trackerMenu(QStringLiteral("Copy as tracker wave"), &EditingActions::copyTrackerWave,
            &EditingActions::copyGameBoyWave)
            ->menuAction(),
        trackerMenu(QStringLiteral("Paste tracker wave"), &EditingActions::pasteTrackerWave,
            &EditingActions::pasteGameBoyWave)
            ->menuAction(),
    });
}

void EditingActions::addTransformSection(GraphMenu& menu)
{
    const auto transform = [this](const char* text, Qt::Key key, Wave (*function)(const Wave&)) {
        return addWindowAction(m_window, *this, QString::fromLatin1(text), {ctrl(key)},
            [this, function] { applyTransform(function); });
    };
    menu.addSection({
        transform("Invert", Qt::Key_I, inverted),
        transform("Reverse", Qt::Key_R, reversed),
        transform("Rotate one sample later", Qt::Key_Right, rotatedLater),
        transform("Rotate one sample earlier", Qt::Key_Left, rotatedEarlier),
        transform("Smooth", Qt::Key_M, smoothed),
    });
}

// A submenu with an entry for each tracker depth and the Game Boy's own form; it belongs to the
// graph's menu.
QMenu* EditingActions::trackerMenu(const QString& title,
    void (EditingActions::*operation)(int bits), void (EditingActions::*gameBoy)())
{
    auto* depths = new QMenu(title, &m_window);
    for (const int bits : kTrackerDepths) {
        depths->addAction(QStringLiteral("%1 bits (0 to %2)").arg(bits).arg((1 << bits) - 1), this,
            [this, operation, bits] { (this->*operation)(bits); });
    }
    depths->addAction(QStringLiteral("Game Boy (32 hex digits, 0 to F)"), this,
        [this, gameBoy] { (this->*gameBoy)(); });
    return depths;
}

void EditingActions::copyWave()
{
    replaceClipboardText(clipboardText(m_samples));
}

void EditingActions::pasteWave()
{
    writePastedWave(readPastedWave(currentClipboardText()));
}

void EditingActions::copyTrackerWave(int bits)
{
    replaceClipboardText(trackerText(readWave(m_samples), bits));
}

void EditingActions::pasteTrackerWave(int bits)
{
    writePastedWave(readTrackerWave(currentClipboardText(), bits));
}

void EditingActions::copyGameBoyWave()
{
    replaceClipboardText(gameBoyText(readWave(m_samples)));
}

void EditingActions::pasteGameBoyWave()
{
    writePastedWave(readGameBoyWave(currentClipboardText()));
}

void EditingActions::writePastedWave(const PastedWave& pasted)
{
    if (const auto* refusal = std::get_if<std::string>(&pasted)) {
        m_messages.tell(
            QStringLiteral("Nothing was pasted: %1").arg(QString::fromStdString(*refusal)));
        return;
    }
    EditHistory::Action step(m_history, EditHistory::Kind::Own);
    writeWave(std::get<Wave>(pasted), m_samples);
}

void EditingActions::applyTransform(Wave (*transform)(const Wave&))
{
    EditHistory::Action step(m_history, EditHistory::Kind::Own);
    writeWave(transform(readWave(m_samples)), m_samples);
}

} // namespace ondulix
