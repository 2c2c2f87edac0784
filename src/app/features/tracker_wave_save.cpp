#include "app/features/tracker_wave_save.h"

#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "platform/atomic_save.h"
#include "platform/file_chooser.h"
#include "platform/user_messages.h"
#include "wave/tracker_wave.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <algorithm>

namespace ondulix {

namespace {

// The first is the default: a name typed without an ending takes the selected filter's.
FileQuestion saveQuestion(const QString& folder)
{
    FileQuestion question;
    question.mode = FileQuestion::Mode::Save;
    question.title = QStringLiteral("Save tracker wave");
    question.filters = {
        {QStringLiteral("Furnace wave (*.fuw)"), QStringLiteral("fuw")},
        {QStringLiteral("DefleMask wave (*.dmw)"), QStringLiteral("dmw")},
    };
    question.defaultSuffix = question.filters.front().suffix;
    question.folder = folder;
    return question;
}

// The entry after `text` in the graph's menu, for the new one to go before; none (the end)
// when `text` is the last entry or missing.
QAction* entryAfter(QMenu& menu, const QString& text)
{
    const QList<QAction*> entries = menu.actions();
    const auto found = std::find_if(
        entries.begin(), entries.end(), [&text](const QAction* e) { return e->text() == text; });
    return found == entries.end() || std::next(found) == entries.end() ? nullptr
                                                                       : *std::next(found);
}

} // namespace

TrackerWaveFormat trackerWaveFormatFor(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("dmw"), Qt::CaseInsensitive) == 0
        ? TrackerWaveFormat::DefleMask
        : TrackerWaveFormat::Furnace;
}

TrackerWaveSave::TrackerWaveSave(const FeatureContext& context)
    : QObject(&context.window)
    , m_window(context.window)
    , m_samples(context.samples)
    , m_files(context.files)
    , m_messages(context.messages)
{
    setObjectName(QStringLiteral("trackerWaveSave"));
    QMenu& menu = context.menu.menu();
    menu.insertMenu(entryAfter(menu, QStringLiteral("Copy as tracker wave")), depthMenu());
}

// The same depths as the tracker forms of copy and paste.
QMenu* TrackerWaveSave::depthMenu()
{
    auto* depths = new QMenu(QStringLiteral("Save tracker wave"), &m_window);
    depths->setObjectName(QStringLiteral("mnuSaveTrackerWave"));
    for (const int bits : kTrackerDepths) {
        depths->addAction(QStringLiteral("%1 bits (0 to %2)").arg(bits).arg((1 << bits) - 1), this,
            [this, bits] { save(bits); });
    }
    return depths;
}

void TrackerWaveSave::save(int bits)
{
    const std::optional<QString> path = m_files.choose(saveQuestion(m_folder), &m_window);
    if (!path)
        return;
    m_folder = QFileInfo(*path).absolutePath();
    const std::string bytes
        = trackerWaveFileBytes(readWave(m_samples), bits, trackerWaveFormatFor(*path));
    if (const auto failure = saveAtomically(*path, QByteArray::fromStdString(bytes)))
        m_messages.tell(QStringLiteral("Could not save \"%1\": %2.").arg(*path, *failure));
}

} // namespace ondulix
