#include "app/features/table_overview.h"

#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "app/editor/tool_windows.h"
#include "app/editor/window_action.h"
#include "pattern/clipboard_text.h"
#include "pattern/line_waves.h"
#include "platform/clipboard.h"
#include "platform/user_messages.h"
#include "wave/pasted_wave.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

namespace ondulix {

namespace {

// A line is stored once any of its sample cells holds text: Generate to Memory, a morph or a
// CSV file put it there. Paging loads a line never stored as zeros.
bool everStored(const PatternTable& table, int line)
{
    for (int row = kFirstSampleRow; row < kFirstSampleRow + kSampleCount; ++row) {
        if (!table.cell(line, row).empty())
            return true;
    }
    return false;
}

} // namespace

TableOverview::TableOverview(const FeatureContext& context)
    : QObject(&context.window)
    , m_window(context.window)
    , m_editor(context.editor)
    , m_toolWindows(context.toolWindows)
    , m_messages(context.messages)
{
    setObjectName(QStringLiteral("tableOverviewFeature"));
    QAction* show = addWindowAction(m_window, *this, QStringLiteral("Pattern table"),
        {QKeySequence(Qt::CTRL | Qt::Key_T)}, [this] { toggle(); });
    show->setObjectName(QStringLiteral("actTableOverview"));
    context.menu.add(MenuSection::Table, {show});

    const ChangeSignals& changes = context.editor.changes();
    connect(&changes, &ChangeSignals::sampleChanged, this, &TableOverview::follow);
    connect(&changes, &ChangeSignals::linePaged, this, &TableOverview::follow);
    connect(&changes, &ChangeSignals::tableWritten, this, &TableOverview::follow);
    connect(&changes, &ChangeSignals::csvOpened, this, &TableOverview::follow);
    connect(&changes, &ChangeSignals::actionEnded, this, &TableOverview::follow);
    connect(&changes, &ChangeSignals::sweepLinePlayed, this, [this](int line) {
        m_playing = line;
        if (m_view)
            m_view->setPlaying(line);
    });

    m_menu = new QMenu(&m_window);
    m_menu->setObjectName(QStringLiteral("mnuTableLine"));
}

TableOverview::~TableOverview()
{
    delete m_view;
}

void TableOverview::toggle()
{
    if (m_view && m_view->isVisible()) {
        m_view->close();
        return;
    }
    if (!m_view) {
        m_view = new TableOverviewView(&m_window);
        connect(m_view, &TableOverviewView::lineRequested, this,
            [this](int line) { m_editor.pageToLine(line); });
        connect(m_view, &TableOverviewView::moveRequested, this, [this](int line, int direction) {
            moveLine(line, direction > 0 ? LineMove::Up : LineMove::Down);
        });
        connect(m_view, &TableOverviewView::menuRequested, this, &TableOverview::showMenu);
        // The window's keys work in the overview too: Ctrl+T closes it, Ctrl+Z undoes.
        m_toolWindows.shareWindowKeys(*m_view);
    }
    // Shown first: a hidden view does not follow, and this one must show the table at once.
    m_toolWindows.show(*m_view);
    m_view->setPlaying(m_playing);
    follow();
}

// Every change passes here; the table's lines are read again only when it was written.
void TableOverview::follow()
{
    if (!m_view || !m_view->isVisible())
        return;
    if (m_editor.table().writeStamp() != m_readStamp)
        readTable();
    m_view->setCurrent(m_editor.line(), m_editor.wave());
}

void TableOverview::readTable()
{
    const PatternTable& table = m_editor.table();
    for (int line = 1; line <= kPatternLineCount; ++line) {
        m_read.wave[line - 1] = lineWave(table, line);
        m_read.stored[line - 1] = everStored(table, line);
    }
    m_readStamp = table.writeStamp();
    m_view->setLines(m_read);
}

void TableOverview::showMenu(const QPoint& where, int line)
{
    m_menu->clear();
    const auto add = [this, line](const QString& text, const QKeySequence& keys, auto run) {
        QAction* action = m_menu->addAction(text, this, [this, line, run] { (this->*run)(line); });
        action->setShortcut(keys);
        // The keys work in the overview itself; here they are only shown.
        action->setShortcutContext(Qt::WidgetShortcut);
        return action;
    };
    add(QStringLiteral("Copy line %1").arg(line), {}, &TableOverview::copyLine);
    add(QStringLiteral("Paste over line %1").arg(line), {}, &TableOverview::pasteOverLine);
    add(QStringLiteral("Move line up"), QKeySequence(Qt::ALT | Qt::Key_Up),
        &TableOverview::moveLineUp)
        ->setEnabled(moveTarget(line, LineMove::Up) != 0);
    add(QStringLiteral("Move line down"), QKeySequence(Qt::ALT | Qt::Key_Down),
        &TableOverview::moveLineDown)
        ->setEnabled(moveTarget(line, LineMove::Down) != 0);
    add(QStringLiteral("Clear line %1").arg(line), {}, &TableOverview::clearLine);
    m_menu->popup(where);
}

void TableOverview::copyLine(int line)
{
    replaceClipboardText(
        clipboardText(waveAsEdited(m_editor.table(), m_editor.editedLine(), line)));
}

void TableOverview::pasteOverLine(int line)
{
    const PastedWave pasted = readPastedWave(currentClipboardText());
    if (const Refusal* refusal = refusalIn(pasted)) {
        m_messages.tell(QStringLiteral("Nothing was pasted over line %1: %2")
                            .arg(line)
                            .arg(QString::fromStdString(refusal->reason)));
        return;
    }
    const LineWrite write[] = {{line, std::get<Wave>(pasted)}};
    m_editor.writeLines(write);
}

void TableOverview::moveLineUp(int line)
{
    moveLine(line, LineMove::Up);
}

void TableOverview::moveLineDown(int line)
{
    moveLine(line, LineMove::Down);
}

// The current line moves with its wave, so Alt+Up again moves the same wave on.
void TableOverview::moveLine(int line, LineMove move)
{
    const LineWrites writes
        = ondulix::moveLine(m_editor.table(), m_editor.editedLine(), line, move);
    if (writes.empty()) {
        m_messages.tell(move == LineMove::Up
                ? QStringLiteral("Line %1 is the last line: it moves no further up.").arg(line)
                : QStringLiteral("Line %1 is the first line: it moves no further down.").arg(line));
        return;
    }
    Editor::Action step(m_editor, Editor::Step::Own);
    m_editor.writeLines(writes);
    if (line == m_editor.line())
        m_editor.pageToLine(moveTarget(line, move));
}

void TableOverview::clearLine(int line)
{
    m_editor.writeLines(ondulix::clearLine(line));
}

} // namespace ondulix
