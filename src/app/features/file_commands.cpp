#include "app/features/file_commands.h"

#include "app/editor/change_signals.h"
#include "app/editor/edit_history.h"
#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "app/editor/window_action.h"
#include "app/window/csv_commands.h"
#include "pattern/line_paging.h"
#include "pattern/line_waves.h"
#include "platform/save_question.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

namespace ondulix {

namespace {

// The one local file a drag carries, if that is all it carries.
std::optional<QString> droppedFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1
        || !data->urls().front().isLocalFile())
        return std::nullopt;
    return data->urls().front().toLocalFile();
}

} // namespace

FileCommands::FileCommands(const FeatureContext& context, CsvCommands csv, SaveQuestion& question,
    std::optional<QString> startFile)
    : QObject(&context.window)
    , m_table(context.table)
    , m_samples(context.samples)
    , m_lines(context.lines)
    , m_history(context.history)
    , m_messages(context.messages)
    , m_csv(std::move(csv))
    , m_question(question)
    , m_startFile(std::move(startFile))
{
    setObjectName(QStringLiteral("fileCommands"));
    QWidget& window = context.window;
    context.menu.addSection({
        addWindowAction(window, *this, QStringLiteral("Open CSV..."),
            {QKeySequence(Qt::CTRL | Qt::Key_O)}, m_csv.open),
        addWindowAction(window, *this, QStringLiteral("Save CSV..."),
            {QKeySequence(Qt::CTRL | Qt::Key_S)}, [this] { m_csv.save(); }),
    });
    const auto matchFile = [this] { m_savedTable = m_table; };
    connect(&context.changes, &ChangeSignals::csvOpened, this, matchFile);
    connect(&context.changes, &ChangeSignals::csvSaved, this, matchFile);
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool FileCommands::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
        onShown();
        return false;
    case QEvent::DragEnter:
        return onDragEnter(event);
    case QEvent::Drop:
        return onDrop(event);
    case QEvent::Close:
        return onClose(event);
    default:
        return false;
    }
}

// Once the window is up, as the first thing the event loop does, so that a message about the
// file stands over the shown window.
void FileCommands::onShown()
{
    if (const std::optional<QString> path = std::exchange(m_startFile, std::nullopt)) {
        QTimer::singleShot(0, this, [this, file = *path] {
            openFileWithoutDialog(file);
            m_history.forget();
        });
    }
}

bool FileCommands::onDragEnter(QEvent* event)
{
    auto* enter = static_cast<QDragEnterEvent*>(event);
    if (!droppedFile(enter->mimeData()))
        return false;
    enter->acceptProposedAction();
    return true;
}

bool FileCommands::onDrop(QEvent* event)
{
    auto* drop = static_cast<QDropEvent*>(event);
    const std::optional<QString> path = droppedFile(drop->mimeData());
    if (!path)
        return false;
    drop->acceptProposedAction();
    openFileWithoutDialog(*path);
    return true;
}

// A close that goes on returns false, so the window's own handling accepts it.
bool FileCommands::onClose(QEvent* event)
{
    const QString work = unsavedWork();
    if (work.isEmpty())
        return false;
    const auto answer = m_question.ask(work);
    const bool close = answer == SaveQuestion::Answer::Discard
        || (answer == SaveQuestion::Answer::Save && m_csv.save());
    if (close)
        return false;
    event->ignore();
    return true;
}

// The question on close, or nothing when there is no work to lose. Save writes the table as it
// is stored; a wave not yet stored is kept by Cancel and then Generate to Memory.
QString FileCommands::unsavedWork() const
{
    const int line = m_lines.line();
    const bool unstored = readWave(m_samples) != lineWave(m_table, line);
    if (m_table == m_savedTable && !unstored)
        return {};
    QString question = m_table == m_savedTable
        ? QString()
        : QStringLiteral("The pattern table has changed since it was last opened or saved. ");
    if (unstored) {
        question += QStringLiteral("The wave in the sliders is not stored in line %1: Cancel, "
                                   "then Generate to Memory, keeps it. ")
                        .arg(line);
    }
    return question + QStringLiteral("Save the table before closing?");
}

// No dialog opens, so the drawing flag stays as it is.
void FileCommands::openFileWithoutDialog(const QString& path)
{
    EditHistory::Action step(m_history, EditHistory::Kind::Own);
    if (!openCsvFile(m_messages, path, m_table, m_csv.fileName))
        return;
    m_savedTable = m_table;
    pageToFirstLine(m_lines);
}

} // namespace ondulix
