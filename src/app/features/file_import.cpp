#include "app/features/file_import.h"

#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "app/editor/window_action.h"
#include "app/features/import_landing_dialog.h"
#include "app/features/import_progress.h"
#include "files/sndfile_decoder.h"
#include "files/wave_import.h"
#include "platform/file_chooser.h"
#include "platform/native_path.h"
#include "platform/user_messages.h"

#include <QAction>
#include <QFileInfo>
#include <QWidget>

namespace ondulix {

namespace {

FileQuestion importQuestion(const QString& folder)
{
    FileQuestion question;
    question.mode = FileQuestion::Mode::Open;
    question.title = QStringLiteral("Import");
    question.filters = {
        {QStringLiteral(
             "Audio and wavetables (*.wav *.wave *.aif *.aiff *.flac *.ogg *.opus *.wt)"),
            {}},
        {QStringLiteral("Tracker waves (*.fuw *.dmw)"), {}},
        {QStringLiteral("All files (*)"), {}},
    };
    question.folder = folder;
    return question;
}

} // namespace

FileImport::FileImport(const FeatureContext& context)
    : QObject(&context.window)
    , m_window(context.window)
    , m_editor(context.editor)
    , m_files(context.files)
    , m_messages(context.messages)
{
    setObjectName(QStringLiteral("fileImport"));
    QAction* action = addWindowAction(m_window, *this, QStringLiteral("Import..."),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)}, [this] { importChosenFile(); });
    action->setObjectName(QStringLiteral("actImport"));
    context.menu.add(MenuSection::Import, {action});
}

void FileImport::importChosenFile()
{
    const std::optional<QString> path = m_files.choose(importQuestion(m_folder), &m_window);
    if (!path)
        return;
    m_folder = QFileInfo(*path).absolutePath();
    importFrom(*path);
}

// Decoded on a thread of its own; the lines are written here, as one step.
void FileImport::importFrom(const QString& path)
{
    ImportJob job([file = toNativePath(path)](
                      LongWork& work) { return importFile(file, decodeWithSndfile, &work); });
    const std::optional<ReadResult<ImportedWaves>> done
        = waitForImport(job, QFileInfo(path).fileName(), m_window);
    if (!done)
        return; // cancelled: nothing changes
    const ReadResult<ImportedWaves>& read = *done;
    if (const Refusal* refusal = refusalIn(read)) {
        m_messages.tell(QStringLiteral("Could not import \"%1\": %2.")
                            .arg(path, QString::fromStdString(refusal->reason)));
        return;
    }
    const ImportedWaves& imported = std::get<ImportedWaves>(read);
    if (imported.currentWave) {
        m_editor.writeWave(*imported.currentWave);
        return;
    }
    if (!imported.land) {
        m_editor.writeLines(imported.lines);
        return;
    }
    ImportLandingDialog ask(m_window, QStringLiteral("\"%1\"").arg(QFileInfo(path).fileName()));
    if (ask.exec() != QDialog::Accepted)
        return; // Escape imports nothing
    m_editor.writeLines(imported.land(ask.landing()));
}

} // namespace ondulix
