#include "app/features/table_sweep.h"

#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/editor/played_depth.h"
#include "app/editor/wave_played.h"
#include "pattern/line_paging.h"
#include "pattern/sweep_lines.h"
#include "platform/user_messages.h"
#include "sound/chip_oscillator.h"
#include "sound/sweep_schedule.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace ondulix {

namespace {

// Often enough that the mark moves with the sound, seldom enough to cost nothing.
constexpr int kWatchMilliseconds = 30;

} // namespace

TableSweep::TableSweep(const FeatureContext& context, ChipOscillator& oscillator, QObject* parent)
    : QObject(parent)
    , m_editor(context.editor)
    , m_changes(context.editor.changes())
    , m_messages(context.messages)
    , m_depth(context.depth)
    , m_oscillator(oscillator)
{
    m_watch.setInterval(kWatchMilliseconds);
    connect(&m_watch, &QTimer::timeout, this, &TableSweep::showPlayedLine);
    connect(&m_changes, &ChangeSignals::sampleChanged, this, &TableSweep::follow);
    connect(&m_changes, &ChangeSignals::linePaged, this, &TableSweep::follow);
    connect(&m_changes, &ChangeSignals::tableWritten, this, &TableSweep::follow);
    connect(&m_changes, &ChangeSignals::csvOpened, this, &TableSweep::follow);
    connect(&context.depth, &PlayedDepth::changed, this, &TableSweep::follow);
}

QAction* TableSweep::createTimeMenu(QWidget& window)
{
    auto* menu = new QMenu(QStringLiteral("Sweep time"), &window);
    menu->setObjectName(QStringLiteral("mnuSweepTime"));
    auto* group = new QActionGroup(this);
    for (const double seconds : kSweepTimes) {
        QAction* time = menu->addAction(QStringLiteral("%1 s").arg(seconds));
        time->setCheckable(true);
        time->setChecked(seconds == kDefaultSweepTime);
        group->addAction(time);
        connect(time, &QAction::triggered, this,
            [this, seconds] { m_oscillator.setSweepTime(seconds); });
    }
    return menu->menuAction();
}

bool TableSweep::begin()
{
    if (!publish())
        return false;
    m_oscillator.startSweep();
    m_on = true;
    m_watch.start();
    return true;
}

void TableSweep::end()
{
    m_on = false;
    m_watch.stop();
    if (std::exchange(m_shownLine, 0) != 0)
        emit m_changes.sweepLinePlayed(0);
}

// While a sweep sounds, every change is heard as it is made. A table left with fewer than two
// lines that hold a sound plays on what it has; the user is told only when a sweep starts.
void TableSweep::follow()
{
    if (m_on)
        publish();
}

bool TableSweep::publish()
{
    const SweepLines lines = sweepLines(m_editor.table(), m_editor.editedLine());
    if (!m_on && lines.count < 2) {
        m_messages.tell(QStringLiteral("The sweep needs at least two lines that hold a sound "
                                       "(a sample that is not 0); the table has %1.")
                            .arg(lines.count));
        return false;
    }
    TableSteps steps;
    steps.count = lines.count;
    for (int i = 0; i < lines.count; ++i) {
        steps.wave[i] = wavePlayed(lines.wave[i], m_depth.bits());
        steps.line[i] = static_cast<std::uint8_t>(lines.line[i]);
    }
    m_oscillator.publishTable(steps);
    return true;
}

void TableSweep::showPlayedLine()
{
    const int line = m_oscillator.sweepLine();
    if (line != m_shownLine) {
        m_shownLine = line;
        emit m_changes.sweepLinePlayed(line);
    }
}

} // namespace ondulix
