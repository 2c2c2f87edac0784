#include "app/features/wavetable_export.h"

#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "app/editor/window_action.h"
#include "platform/atomic_save.h"
#include "platform/file_chooser.h"
#include "platform/user_messages.h"

#include <QAction>
#include <QFileInfo>
#include <QWidget>

namespace ondulix {

namespace {

// The first is the default: a name typed without an ending takes the selected filter's.
FileQuestion exportQuestion(const QString& folder)
{
    FileQuestion question;
    question.mode = FileQuestion::Mode::Save;
    question.title = QStringLiteral("Export wavetable");
    question.filters = {
        {QStringLiteral("Wavetable WAV (*.wav)"), QStringLiteral("wav")},
        {QStringLiteral("Surge XT wavetable (*.wt)"), QStringLiteral("wt")},
    };
    question.defaultSuffix = question.filters.front().suffix;
    question.folder = folder;
    return question;
}

} // namespace

WavetableFormat wavetableFormatFor(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("wt"), Qt::CaseInsensitive) == 0
        ? WavetableFormat::SurgeWt
        : WavetableFormat::Wav;
}

WavetableExport::WavetableExport(const FeatureContext& context)
    : QObject(&context.window)
    , m_window(context.window)
    , m_table(context.table)
    , m_files(context.files)
    , m_messages(context.messages)
{
    setObjectName(QStringLiteral("wavetableExport"));
    QAction* action = addWindowAction(m_window, *this, QStringLiteral("Export wavetable..."),
        {QKeySequence(Qt::CTRL | Qt::Key_E)}, [this] { exportTable(); });
    action->setObjectName(QStringLiteral("actExportWavetable"));
    context.menu.addSection({action});
}

// A table with no sound is refused before the dialog asks for a file it would not write.
void WavetableExport::exportTable()
{
    if (soundingFrames(m_table) == 0) {
        m_messages.tell(QStringLiteral("Nothing was exported: %1.").arg(kNoSoundRefusal));
        return;
    }
    const std::optional<QString> path = m_files.choose(exportQuestion(m_folder), &m_window);
    if (!path)
        return;
    m_folder = QFileInfo(*path).absolutePath();
    const WavetableBytes file = wavetableBytes(m_table, wavetableFormatFor(*path));
    std::optional<QString> failure;
    if (file.failure)
        failure = QString::fromStdString(*file.failure);
    else
        failure = saveAtomically(*path, QByteArray::fromStdString(file.bytes));
    if (failure)
        m_messages.tell(QStringLiteral("Could not save \"%1\": %2.").arg(*path, *failure));
}

} // namespace ondulix
