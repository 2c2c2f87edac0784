// The window's editing beyond its laid-out controls: the edit history, copy and paste, the wave
// transforms, the graph's menu and window-wide shortcuts, files dropped or named at the start,
// and the question on closing with unsaved changes.
#include "app/csv_commands.h"
#include "app/frmondulix.h"
#include "pattern/clipboard_text.h"
#include "platform/clipboard.h"
#include "platform/graph_box.h"
#include "wave/tracker_wave.h"
#include "wave/wave_transforms.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>

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

frmOndulix::~frmOndulix() = default;

void frmOndulix::buildEditing()
{
    m_graphMenu = std::make_unique<QMenu>();
    connect(pWave, &GraphBox::menuRequested, this,
        [this](const QPoint& where) { m_graphMenu->popup(where); });
    setAcceptDrops(true);
    m_saveQuestion = std::make_unique<SaveQuestionBox>(this);

    QAction* undo = addShortcutAction(
        QStringLiteral("Undo"), {QKeySequence::Undo}, [this] { m_history.undo(); });
    // Qt's Redo on Linux is Ctrl+Shift+Z alone; Ctrl+Y is what users of other systems press.
    QAction* redo = addShortcutAction(QStringLiteral("Redo"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
        [this] { m_history.redo(); });
    addMenuSection({undo, redo});

    auto* copyTracker = new QMenu(QStringLiteral("Copy as tracker wave"), m_graphMenu.get());
    auto* pasteTracker = new QMenu(QStringLiteral("Paste tracker wave"), m_graphMenu.get());
    for (const int bits : kTrackerDepths) {
        const QString depth = QStringLiteral("%1 bits (0 to %2)").arg(bits).arg((1 << bits) - 1);
        copyTracker->addAction(depth, this, [this, bits] { copyTrackerWave(bits); });
        pasteTracker->addAction(depth, this, [this, bits] { pasteTrackerWave(bits); });
    }
    addMenuSection({
        addShortcutAction(
            QStringLiteral("Copy"), {QKeySequence::Copy}, [this] { copySamplesToClipboard(); }),
        addShortcutAction(QStringLiteral("Paste"), {QKeySequence::Paste}, [this] { pasteWave(); }),
        copyTracker->menuAction(),
        pasteTracker->menuAction(),
    });

    addMenuSection({
        addShortcutAction(QStringLiteral("Invert"), {QKeySequence(Qt::CTRL | Qt::Key_I)},
            [this] { applyTransform(inverted); }),
        addShortcutAction(QStringLiteral("Reverse"), {QKeySequence(Qt::CTRL | Qt::Key_R)},
            [this] { applyTransform(reversed); }),
        addShortcutAction(QStringLiteral("Rotate one sample later"),
            {QKeySequence(Qt::CTRL | Qt::Key_Right)}, [this] { applyTransform(rotatedLater); }),
        addShortcutAction(QStringLiteral("Rotate one sample earlier"),
            {QKeySequence(Qt::CTRL | Qt::Key_Left)}, [this] { applyTransform(rotatedEarlier); }),
        addShortcutAction(QStringLiteral("Smooth"), {QKeySequence(Qt::CTRL | Qt::Key_M)},
            [this] { applyTransform(smoothed); }),
    });

    addMenuSection({
        addShortcutAction(QStringLiteral("Open CSV..."), {QKeySequence(Qt::CTRL | Qt::Key_O)},
            [this] { onOpenClicked(); }),
        addShortcutAction(QStringLiteral("Save CSV..."), {QKeySequence(Qt::CTRL | Qt::Key_S)},
            [this] { onSaveClicked(); }),
    });
    m_history.forget();
}

void frmOndulix::addMenuSection(const QList<QAction*>& actions)
{
    addActions(actions);
    if (!m_graphMenu->isEmpty())
        m_graphMenu->addSeparator();
    m_graphMenu->addActions(actions);
}

// A shortcut of the window itself works wherever the focus is in it; one that lives only in the
// menu would fire only while the menu is open.
QAction* frmOndulix::addShortcutAction(
    const QString& text, const QList<QKeySequence>& keys, std::function<void()> operation)
{
    auto* action = new QAction(text, this);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, std::move(operation));
    return action;
}

void frmOndulix::pasteWave()
{
    writePastedWave(readPastedWave(currentClipboardText()));
}

void frmOndulix::copyTrackerWave(int bits)
{
    replaceClipboardText(trackerText(readWave(m_samples), bits));
}

void frmOndulix::pasteTrackerWave(int bits)
{
    writePastedWave(readTrackerWave(currentClipboardText(), bits));
}

void frmOndulix::writePastedWave(const PastedWave& pasted)
{
    if (const auto* refusal = std::get_if<std::string>(&pasted)) {
        m_messages->tell(
            QStringLiteral("Nothing was pasted: %1").arg(QString::fromStdString(*refusal)));
        return;
    }
    EditHistory::Action step(m_history, EditHistory::Kind::Own);
    writeWave(std::get<Wave>(pasted), m_samples);
}

void frmOndulix::applyTransform(Wave (*transform)(const Wave&))
{
    EditHistory::Action step(m_history, EditHistory::Kind::Own);
    writeWave(transform(readWave(m_samples)), m_samples);
}

// No dialog opens, so the drawing flag stays as it is.
bool frmOndulix::openFileWithoutDialog(const QString& path)
{
    EditHistory::Action step(m_history, EditHistory::Kind::Own);
    if (!openCsvFile(*m_messages, path, m_patternTable, m_csvFileName))
        return false;
    m_savedTable = m_patternTable;
    showFirstLine();
    return true;
}

void frmOndulix::openStartFile(const QString& path)
{
    openFileWithoutDialog(path);
    m_history.forget();
}

void frmOndulix::dragEnterEvent(QDragEnterEvent* event)
{
    if (droppedFile(event->mimeData()))
        event->acceptProposedAction();
}

void frmOndulix::dropEvent(QDropEvent* event)
{
    if (const auto path = droppedFile(event->mimeData())) {
        event->acceptProposedAction();
        openFileWithoutDialog(*path);
    }
}

void frmOndulix::closeEvent(QCloseEvent* event)
{
    if (m_patternTable == m_savedTable) {
        event->accept();
        return;
    }
    const auto answer = m_saveQuestion->ask(
        QStringLiteral("The pattern table has changed since it was last opened or saved. "
                       "Save it before closing?"));
    const bool close = answer == SaveQuestion::Answer::Discard
        || (answer == SaveQuestion::Answer::Save && onSaveClicked());
    event->setAccepted(close);
}

} // namespace ondulix
