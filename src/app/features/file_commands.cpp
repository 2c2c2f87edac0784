#include "app/features/file_commands.h"

#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "app/editor/window_action.h"
#include "platform/save_question.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
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

FileCommands::FileCommands(const FeatureContext& context, SaveQuestion& question)
    : QObject(&context.window)
    , m_editor(context.editor)
    , m_question(question)
{
    setObjectName(QStringLiteral("fileCommands"));
    QWidget& window = context.window;
    context.menu.add(MenuSection::Files,
        {addWindowAction(window, *this, QStringLiteral("Open CSV..."),
             {QKeySequence(Qt::CTRL | Qt::Key_O)}, [this] { m_editor.openTableAsked(); }),
            addWindowAction(window, *this, QStringLiteral("Save CSV..."),
                {QKeySequence(Qt::CTRL | Qt::Key_S)}, [this] { m_editor.saveTableAsked(); })});
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool FileCommands::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
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
    m_editor.openTable(*path); // no dialog opens, so the drawing flag stays as it is
    return true;
}

// A close that goes on returns false, so the window's own handling accepts it. Save keeps all the
// work, the wave in the sliders too; a save that did not happen (cancelled, failed) keeps the
// window open.
bool FileCommands::onClose(QEvent* event)
{
    const QString work = unsavedWork();
    if (work.isEmpty())
        return false;
    const auto answer = m_question.ask(work);
    const bool close = answer == SaveQuestion::Answer::Discard
        || (answer == SaveQuestion::Answer::Save && m_editor.saveAllWork());
    if (close)
        return false;
    event->ignore();
    return true;
}

// The question on close, or nothing when there is no work to lose.
QString FileCommands::unsavedWork() const
{
    if (!m_editor.hasUnsavedWork())
        return {};
    QString question = m_editor.tableSaved()
        ? QString()
        : QStringLiteral("The pattern table has changed since it was last opened or saved. ");
    if (!m_editor.waveStored()) {
        question += QStringLiteral("The wave in the sliders is not stored in line %1: Save stores "
                                   "it there first. ")
                        .arg(m_editor.line());
    }
    return question + QStringLiteral("Save the table before closing?");
}

} // namespace ondulix
