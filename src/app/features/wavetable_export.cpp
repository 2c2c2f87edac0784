#include "app/features/wavetable_export.h"

#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "app/editor/window_action.h"
#include "files/wavetable_file.h"
#include "platform/atomic_save.h"
#include "platform/file_chooser.h"
#include "platform/user_messages.h"

#include <QAction>
#include <QFileInfo>
#include <QWidget>

namespace ondulix {

WavetableExport::WavetableExport(const FeatureContext& context)
    : QObject(&context.window)
    , m_window(context.window)
    , m_editor(context.editor)
    , m_files(context.files)
    , m_messages(context.messages)
{
    setObjectName(QStringLiteral("wavetableExport"));
    QAction* action = addWindowAction(m_window, *this, QStringLiteral("Export wavetable..."),
        {QKeySequence(Qt::CTRL | Qt::Key_E)}, [this] { exportTable(); });
    action->setObjectName(QStringLiteral("actExportWavetable"));
    context.menu.add(MenuSection::Export, {action});
}

// A table with no sound is refused before the dialog asks for a file it would not write.
void WavetableExport::exportTable()
{
    if (soundingFrames(m_editor.table()) == 0) {
        m_messages.tell(QStringLiteral("Nothing was exported: %1.").arg(kNoSoundRefusal));
        return;
    }
    const std::optional<QString> path = m_files.choose(
        saveQuestion(QStringLiteral("Export wavetable"),
            {{QStringLiteral("Wavetable WAV (*.wav)"), QStringLiteral("wav")},
                {QStringLiteral("Surge XT wavetable (*.wt)"), QStringLiteral("wt")}},
            m_folder),
        &m_window);
    if (!path)
        return;
    m_folder = QFileInfo(*path).absolutePath();
    const WavetableBytes file = wavetableBytes(m_editor.table(),
        hasSuffix(*path, QStringLiteral("wt")) ? WavetableFormat::SurgeWt : WavetableFormat::Wav);
    if (file.failure) {
        m_messages.tell(QStringLiteral("Could not save \"%1\": %2.")
                            .arg(*path, QString::fromStdString(*file.failure)));
        return;
    }
    saveTellingFailure(*path, QByteArray::fromStdString(file.bytes), m_messages);
}

} // namespace ondulix
